// SPDX-License-Identifier: GPL-3.0-or-later
#include "feuille_test.h"
#include "enregistrement_pdf.h"
#include "impression_test.h"
#include "polices.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

// The printed test sheet: its drawing in sheet units, its place on a page
// of any size and resolution, and the PDF written where there is no printer.
class TestFeuilleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }
    void traits_data();
    void traits();
    void mise_en_page_data();
    void mise_en_page();
    void pdf_dates_sans_ecraser();
};

namespace {

// Forty "1+1" questions, or one of them the widest the sheet asks.
QPicture feuille(int marquee = 0)
{
    Tableau<TexteTest, 40> q;
    q.remplit(QStringLiteral("1+1"));
    if (marquee > 0)
        q[marquee] = QStringLiteral("(-8)-(-8)");
    return feuille_test::dessine(q, QStringLiteral("4K7Q-2MX"));
}

// The sheet in its own units (no page), or laid on a page of that size
// and resolution.
QImage rendu(const QPicture &f, QSize page = {}, int dpi = 96)
{
    QImage image(page.isEmpty() ? feuille_test::taille : page, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter p(&image);
    if (page.isEmpty())
        p.drawPicture(0, 0, f);
    else
        feuille_test::pose(p, page, f);
    return image;
}

// Where each run of ink starts (black, or the grey of a line thinner than
// a pixel), walking from a point by a step.
QList<int> debuts_des_traits(const QImage &image, QPoint depuis, QPoint pas, int longueur)
{
    QList<int> debuts;
    bool avant = false;
    for (int i = 0; i < longueur; ++i) {
        const QPoint point = depuis + i * pas;
        const bool ici = qGray(image.pixel(point)) < 200;
        if (ici && !avant)
            debuts.append(pas.x() ? point.x() : point.y());
        avant = ici;
    }
    return debuts;
}

// The box of the pixels that differ below a height (the large header text
// is not drawn twice to the same antialiased pixels).
QRect difference(const QImage &a, const QImage &b, int depuis_y)
{
    QRect boite;
    for (int y = depuis_y; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                boite |= QRect(x, y, 1, 1);
    return boite;
}

} // namespace

void TestFeuilleTest::traits_data()
{
    QTest::addColumn<QPoint>("depuis");
    QTest::addColumn<QPoint>("pas");
    QTest::addColumn<int>("longueur");
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QList<int>>("debuts"); // empty: only counted

    const QPoint droite(1, 0), bas(0, 1);
    QTest::newRow("27 dashes along the top") << QPoint(1, 235) << droite << 1609 << 27 << QList<int>();
    QTest::newRow("27 dashes along the bottom") << QPoint(1, 2625) << droite << 1609 << 27 << QList<int>();
    QTest::newRow("40 dashes down the left") << QPoint(5, 231) << bas << 2389 << 40 << QList<int>();
    QTest::newRow("40 dashes down the right") << QPoint(1615, 231) << bas << 2389 << 40 << QList<int>();
    QTest::newRow("frame sides and column lines") << QPoint(0, 500) << droite << 1621 << 8
                                                  << QList<int>{0, 10, 330, 650, 970, 1290, 1610, 1620};
    QTest::newRow("frame top and bottom, row lines")
        << QPoint(30, 0) << bas << 2640 << 11
        << QList<int>{230, 240, 537, 835, 1132, 1430, 1727, 2025, 2322, 2620, 2630};
    QTest::newRow("oval around note") << QPoint(1275, 0) << bas << 230 << 2 << QList<int>();
}

void TestFeuilleTest::traits()
{
    QFETCH(QPoint, depuis);
    QFETCH(QPoint, pas);
    QFETCH(int, longueur);
    QFETCH(int, nombre);
    QFETCH(QList<int>, debuts);
    const QList<int> lus = debuts_des_traits(rendu(feuille()), depuis, pas, longueur);
    QCOMPARE(lus.size(), nombre);
    if (!debuts.isEmpty())
        QCOMPARE(lus, debuts);
}

void TestFeuilleTest::mise_en_page_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("question"); // the only one whose text changes
    // 90 % of the page height, centred, where the width allows it.
    QTest::newRow("A4 on a 1200-dpi device") << QSize(1240, 1754) << 1200 << QRect(148, 88, 943, 1578) << 1;
    QTest::newRow("Letter at 96 dpi") << QSize(1275, 1650) << 96 << QRect(194, 82, 887, 1485) << 5;
    QTest::newRow("A4 landscape") << QSize(1754, 1240) << 300 << QRect(543, 62, 667, 1116) << 6;
    // Too narrow for that: 90 % of the width, nothing cut.
    QTest::newRow("narrow paper") << QSize(500, 2400) << 300 << QRect(25, 824, 450, 752) << 40;
}

// The grid lands where the scale puts it; question n is written in its
// cell (left to right, then down) and keeps its size against the grid
// whatever the device's resolution.
void TestFeuilleTest::mise_en_page()
{
    QFETCH(QSize, page);
    QFETCH(int, dpi);
    QFETCH(QRect, place);
    QFETCH(int, question);
    QCOMPARE(feuille_test::place_sur_la_page(page), place);

    const double echelle = double(place.height()) / feuille_test::taille.height();
    const auto sur_la_page = [&](double x, double y) {
        return QPointF(place.x() + x * echelle, place.y() + y * echelle);
    };
    const QImage base = rendu(feuille(), page, dpi);
    const QList<int> colonnes = debuts_des_traits(base, sur_la_page(0, 500).toPoint(), {1, 0},
                                                  place.width());
    QCOMPARE(colonnes.size(), 8);
    QVERIFY(qAbs(colonnes[2] - sur_la_page(330, 0).x()) <= 1.5);

    const int j = (question - 1) % 5, k = (question - 1) / 5;
    const QRectF cellule(sur_la_page(320 * j + 58, 248 + 595 * k / 2),
                         sur_la_page(320 * j + 332, 242 + 595 * (k + 1) / 2));
    const QRect texte = difference(base, rendu(feuille(question), page, dpi), qCeil(cellule.top()));
    QVERIFY(cellule.contains(texte));
    const QRect en_unites = difference(rendu(feuille()), rendu(feuille(1)), 240);
    QVERIFY(qAbs(texte.width() - en_unites.width() * echelle) <= 3);
    QVERIFY(qAbs(texte.height() - en_unites.height() * echelle) <= 3);
}

// Sheets of one day get numbered names; none is written over.
void TestFeuilleTest::pdf_dates_sans_ecraser()
{
    QTemporaryDir dossier;
    const QDate jour(2026, 5, 12);
    const auto enregistre = [&](const QPicture &f, const QString &ou) {
        return enregistre_pdf(en_pdf({f}, QPageSize(QPageSize::A4)), {{ou}, {}}, jour,
                              fichiers_du_systeme());
    };
    const Enregistrement premiere = enregistre(feuille(), dossier.path());
    QVERIFY2(!premiere.fichier.isEmpty(), qPrintable(premiere.echec));
    QFile fichier(premiere.fichier);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray contenu = fichier.readAll();
    fichier.close();
    // One A4 page.
    QVERIFY(contenu.startsWith("%PDF-"));
    QCOMPARE(contenu.count("/Type /Page\n") + contenu.count("/Type /Page>"), 1);
    QVERIFY(contenu.contains("/MediaBox [0 0 595"));

    QVERIFY(!enregistre(feuille(1), dossier.path()).fichier.isEmpty());
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files),
             QStringList({"Test Tavelo 2026-05-12 (2).pdf", "Test Tavelo 2026-05-12.pdf"}));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll(), contenu);

    // A folder that cannot be written (under a plain file: root writes
    // anywhere else) is reported, and nothing is left behind.
    const QString cible = fichier.fileName() + QStringLiteral("/sous-dossier");
    const Enregistrement echec = enregistre(feuille(), cible);
    QVERIFY(echec.fichier.isEmpty());
    QCOMPARE(echec.echec, "dans " + QDir::toNativeSeparators(cible)
                              + " : une partie du chemin n'est pas un dossier");
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files).size(), 2);
}

QTEST_MAIN(TestFeuilleTest)
#include "tst_feuille_test.moc"
