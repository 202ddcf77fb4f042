// SPDX-License-Identifier: GPL-3.0-or-later
#include "ressources.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>

// Every picture of the program loads by its name, whatever the case, at the
// size the windows are laid out for; names of pictures it has not give nothing.
class tst_Bitmaps : public QObject
{
    Q_OBJECT

private slots:
    void loads_by_name_at_its_size_data();
    void loads_by_name_at_its_size();
    void above_ratio_1_the_finer_drawing_is_used_data() { loads_by_name_at_its_size_data(); }
    void above_ratio_1_the_finer_drawing_is_used();
    void unknown_name_gives_null_pixmap_data();
    void unknown_name_gives_null_pixmap();
    void icon_comes_at_the_icon_theme_sizes();
};

namespace {

// Mean difference of the colour and alpha channels of two pictures of one
// size, 0 to 255.
double ecart_moyen(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGBA8888);
    const QImage y = b.convertToFormat(QImage::Format_RGBA8888);
    double somme = 0;
    for (int ligne = 0; ligne < x.height(); ++ligne) {
        const uchar *p = x.constScanLine(ligne);
        const uchar *q = y.constScanLine(ligne);
        for (int i = 0; i < x.width() * 4; ++i)
            somme += qAbs(int(p[i]) - int(q[i]));
    }
    return somme / (double(x.width()) * x.height() * 4);
}

// Every picture of the program: its number, its size, what it shows.
struct Image
{
    int numero;
    QSize taille;
    const char *montre;
};

const Image images[] = {
    {1, {69, 373}, "gauge to 20, lit"},
    {2, {36, 320}, "gauge to 20, unlit cover"},
    {3, {69, 373}, "gauge to 40, lit"},
    {4, {36, 320}, "gauge to 40, unlit cover"},
    {5, {80, 60}, "red cross"},
    {7, {625, 29}, "black brace, point up"},
    {8, {313, 28}, "blue brace, point down"},
    {9, {313, 28}, "red brace, point down"},
    {10, {600, 15}, "number line"},
    {11, {300, 15}, "blue left half of the line"},
    {12, {300, 15}, "red right half of the line"},
    {13, {88, 44}, "OUI!"},
    {14, {88, 44}, "FAUX!"},
    {16, {69, 20}, "grey NIVEAU 1"},
    {17, {69, 20}, "grey NIVEAU 2"},
    {18, {69, 20}, "grey NIVEAU 3"},
    {19, {69, 20}, "red NIVEAU 1"},
    {20, {69, 20}, "red NIVEAU 2"},
    {21, {69, 20}, "red NIVEAU 3"},
};

QImage plain(int numero)
{
    return bitmap_programme(QStringLiteral("bitmap_%1").arg(numero), 1).toImage();
}

} // namespace

void tst_Bitmaps::loads_by_name_at_its_size_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QSize>("taille");
    for (const Image &image : images)
        QTest::addRow("%d, %s", image.numero, image.montre) << image.numero << image.taille;
}

void tst_Bitmaps::loads_by_name_at_its_size()
{
    QFETCH(int, numero);
    QFETCH(QSize, taille);

    const QStringList noms = {QStringLiteral("bitmap_%1").arg(numero), QStringLiteral("BITMAP_%1").arg(numero),
                              QStringLiteral("Bitmap_%1").arg(numero)};
    for (const QString &nom : noms) {
        const QPixmap image = bitmap_programme(nom);
        QVERIFY2(!image.isNull(), qPrintable(nom));
        QCOMPARE(image.size(), taille);
    }

    // A picture drawn on nothing would load as well; require some opaque ink.
    const QImage pixels = bitmap_programme(noms.first()).toImage();
    bool encre = false;
    for (int y = 0; y < pixels.height() && !encre; ++y)
        for (int x = 0; x < pixels.width() && !encre; ++x)
            encre = qAlpha(pixels.pixel(x, y)) == 255;
    QVERIFY(encre);
}

// On a screen of two or three device pixels per pixel, every picture comes
// from its own drawing at that size and keeps the size the windows are laid
// out for.
void tst_Bitmaps::above_ratio_1_the_finer_drawing_is_used()
{
    QFETCH(int, numero);
    QFETCH(QSize, taille);

    const QString nom = QStringLiteral("bitmap_%1").arg(numero);
    for (const int facteur : {2, 3}) {
        const QPixmap fine = bitmap_programme(nom, facteur);
        QVERIFY(!fine.isNull());
        QCOMPARE(fine.devicePixelRatio(), qreal(facteur));
        QCOMPARE(fine.size(), taille * facteur);
        QCOMPARE(fine.deviceIndependentSize(), QSizeF(taille));

        // Reduced to 1x, it is nearer its own plain picture than any other
        // of its size: a finer drawing left stale by a redrawn picture, or
        // swapped with another, fails here. (Small letters differ most:
        // hinting.)
        const QImage reduite = fine.toImage().scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double ecart = ecart_moyen(reduite, plain(numero));
        QVERIFY2(ecart < 16, qPrintable(QStringLiteral("x%1: mean difference %2").arg(facteur).arg(ecart)));
        for (const Image &autre : images)
            if (autre.numero != numero && autre.taille == taille)
                QVERIFY2(ecart_moyen(reduite, plain(autre.numero)) > ecart,
                         qPrintable(QStringLiteral("x%1: %2").arg(facteur).arg(autre.numero)));
    }

    // Between two drawings it is reduced to the exact ratio: shown pixel for
    // pixel.
    for (const qreal ratio : {1.5, 2.5}) {
        const QPixmap reduite = bitmap_programme(nom, ratio);
        QCOMPARE(reduite.devicePixelRatio(), ratio);
        QCOMPARE(reduite.size(), (QSizeF(taille) * ratio).toSize());
    }
}

void tst_Bitmaps::unknown_name_gives_null_pixmap_data()
{
    QTest::addColumn<QString>("nom");

    QTest::newRow("6, a number the program skips") << QStringLiteral("bitmap_6");
    QTest::newRow("15, a number the program skips") << QStringLiteral("BITMAP_15");
    QTest::newRow("0, below the first") << QStringLiteral("bitmap_0");
    QTest::newRow("22, past the last") << QStringLiteral("bitmap_22");
    QTest::newRow("leading zero") << QStringLiteral("bitmap_01");
    QTest::newRow("empty name") << QString();
    QTest::newRow("prefix without a number") << QStringLiteral("bitmap_");
    QTest::newRow("file name with extension") << QStringLiteral("bitmap_1.png");
    QTest::newRow("resource path") << QStringLiteral(":/bitmaps/BITMAP_1.png");
    QTest::newRow("blank before the name") << QStringLiteral(" bitmap_1");
    QTest::newRow("icon file name") << QStringLiteral("tavelo_32");
}

void tst_Bitmaps::unknown_name_gives_null_pixmap()
{
    QFETCH(QString, nom);
    for (const qreal ratio : {1.0, 1.5, 2.0})
        QVERIFY(bitmap_programme(nom, ratio).isNull());
}

void tst_Bitmaps::icon_comes_at_the_icon_theme_sizes()
{
    const QIcon icone = icone_programme();
    QVERIFY(!icone.isNull());
    const QList<QSize> tailles = icone.availableSizes();
    for (const int cote : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        QVERIFY2(tailles.contains(QSize(cote, cote)), qPrintable(QString::number(cote)));
        QCOMPARE(icone.pixmap(QSize(cote, cote)).size(), QSize(cote, cote));
    }
    // Sizes between, asked in a row and again while the larger pictures are
    // kept a moment.
    for (const int cote : {28, 84, 112, 84, 128, 112, 28})
        QCOMPARE(icone.pixmap(QSize(cote, cote)).size(), QSize(cote, cote));
}

QTEST_MAIN(tst_Bitmaps)
#include "tst_bitmaps.moc"
