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
    void unknown_name_gives_null_pixmap_data();
    void unknown_name_gives_null_pixmap();
    void icon_comes_at_three_sizes();
};

void tst_Bitmaps::loads_by_name_at_its_size_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QSize>("taille");

    QTest::newRow("1, gauge to 20, lit") << 1 << QSize(69, 373);
    QTest::newRow("2, gauge to 20, unlit cover") << 2 << QSize(36, 320);
    QTest::newRow("3, gauge to 40, lit") << 3 << QSize(69, 373);
    QTest::newRow("4, gauge to 40, unlit cover") << 4 << QSize(36, 320);
    QTest::newRow("5, red cross") << 5 << QSize(80, 60);
    QTest::newRow("7, black brace, point up") << 7 << QSize(625, 29);
    QTest::newRow("8, blue brace, point down") << 8 << QSize(313, 28);
    QTest::newRow("9, red brace, point down") << 9 << QSize(313, 28);
    QTest::newRow("10, number line") << 10 << QSize(600, 15);
    QTest::newRow("11, blue left half of the line") << 11 << QSize(300, 15);
    QTest::newRow("12, red right half of the line") << 12 << QSize(300, 15);
    QTest::newRow("13, OUI!") << 13 << QSize(88, 44);
    QTest::newRow("14, FAUX!") << 14 << QSize(88, 44);
    QTest::newRow("16, grey NIVEAU 1") << 16 << QSize(69, 20);
    QTest::newRow("17, grey NIVEAU 2") << 17 << QSize(69, 20);
    QTest::newRow("18, grey NIVEAU 3") << 18 << QSize(69, 20);
    QTest::newRow("19, red NIVEAU 1") << 19 << QSize(69, 20);
    QTest::newRow("20, red NIVEAU 2") << 20 << QSize(69, 20);
    QTest::newRow("21, red NIVEAU 3") << 21 << QSize(69, 20);
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
    QVERIFY(bitmap_programme(nom).isNull());
}

void tst_Bitmaps::icon_comes_at_three_sizes()
{
    const QIcon icone = icone_programme();
    QVERIFY(!icone.isNull());
    const QList<QSize> tailles = icone.availableSizes();
    for (const int cote : {32, 64, 256}) {
        QVERIFY2(tailles.contains(QSize(cote, cote)), qPrintable(QString::number(cote)));
        QCOMPARE(icone.pixmap(QSize(cote, cote)).size(), QSize(cote, cote));
    }
}

QTEST_MAIN(tst_Bitmaps)
#include "tst_bitmaps.moc"
