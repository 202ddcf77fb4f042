#include "feuille_test.h"
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
    void ordre_des_questions_data();
    void ordre_des_questions();
    void mise_en_page_data();
    void mise_en_page();
    void pdf_dates_sans_ecraser();
    void dossier_impossible_a_ecrire();
};

namespace {

Tableau<TexteTest, 40> questions(int marquee = 0)
{
    Tableau<TexteTest, 40> q;
    q.remplit(QStringLiteral("1+1"));
    if (marquee > 0)
        q[marquee] = QStringLiteral("(-8)-(-8)"); // the widest of maxima 9
    return q;
}

QImage image_vide(QSize taille, int dpi)
{
    QImage image(taille, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

// The sheet laid on a page of that size and resolution.
QImage page(const QPicture &feuille, QSize taille, int dpi)
{
    QImage image = image_vide(taille, dpi);
    QPainter p(&image);
    feuille_test::pose(p, taille, feuille);
    return image;
}

// The sheet in its own units, one pixel each.
QImage feuille_seule(const Tableau<TexteTest, 40> &textes)
{
    QImage image = image_vide(feuille_test::taille, 96);
    QPainter p(&image);
    p.drawPicture(0, 0, feuille_test::dessine(textes));
    return image;
}

// Ink, black or the grey of a line thinner than a pixel.
bool noir(const QImage &image, QPoint point)
{
    return qGray(image.pixel(point)) < 200;
}

// Where each black run starts, walking from a point by a step.
QList<int> debuts_des_traits(const QImage &image, QPoint depuis, QPoint pas, int longueur)
{
    QList<int> debuts;
    bool avant = false;
    for (int i = 0; i < longueur; ++i) {
        const QPoint point = depuis + i * pas;
        const bool ici = noir(image, point);
        if (ici && !avant)
            debuts.append(pas.x() ? point.x() : point.y());
        avant = ici;
    }
    return debuts;
}

// The box of the pixels that differ between two pages below a height (the
// large header text is not drawn twice to the same antialiased pixels).
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
    QTest::newRow("frame sides and column lines")
        << QPoint(0, 500) << droite << 1621 << 8 << QList<int>{0, 10, 330, 650, 970, 1290, 1610, 1620};
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

    const QImage feuille = feuille_seule(questions());
    const QList<int> lus = debuts_des_traits(feuille, depuis, pas, longueur);
    QCOMPARE(lus.size(), nombre);
    if (!debuts.isEmpty())
        QCOMPARE(lus, debuts);
}

void TestFeuilleTest::ordre_des_questions_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("colonne");
    QTest::addColumn<int>("rang");
    QTest::newRow("first") << 1 << 0 << 0;
    QTest::newRow("fifth ends the first row") << 5 << 4 << 0;
    QTest::newRow("sixth starts the second row") << 6 << 0 << 1;
    QTest::newRow("last") << 40 << 4 << 7;
}

// Only the question's own text changes, inside its cell, from its corner.
void TestFeuilleTest::ordre_des_questions()
{
    QFETCH(int, question);
    QFETCH(int, colonne);
    QFETCH(int, rang);

    const QImage base = feuille_seule(questions());
    const QImage marquee = feuille_seule(questions(question));
    const QRect texte = difference(base, marquee, 240);
    const QRect cellule(QPoint(320 * colonne + 60, 250 + 595 * rang / 2),
                        QPoint(320 * colonne + 329, 240 + 595 * (rang + 1) / 2));
    QVERIFY2(cellule.contains(texte), qPrintable(QStringLiteral("text at %1,%2 %3x%4")
                                                     .arg(texte.x()).arg(texte.y())
                                                     .arg(texte.width()).arg(texte.height())));
    QVERIFY(texte.left() - cellule.left() < 8);
    QVERIFY(texte.width() > 150);
}

void TestFeuilleTest::mise_en_page_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QRect>("place");

    // 90 % of the page height, centred, where the width allows it.
    QTest::newRow("A4 on a 1200-dpi device") << QSize(1240, 1754) << 1200 << QRect(148, 88, 943, 1578);
    QTest::newRow("Letter at 96 dpi") << QSize(1275, 1650) << 96 << QRect(194, 82, 887, 1485);
    QTest::newRow("A4 landscape") << QSize(1754, 1240) << 300 << QRect(543, 62, 667, 1116);
    // Too narrow for that: 90 % of the width, nothing cut.
    QTest::newRow("narrow paper") << QSize(500, 2400) << 300 << QRect(25, 824, 450, 752);
}

// The grid lands where the scale puts it, and the text keeps its size
// against the grid whatever the device's resolution.
void TestFeuilleTest::mise_en_page()
{
    QFETCH(QSize, page);
    QFETCH(int, dpi);
    QFETCH(QRect, place);

    QCOMPARE(feuille_test::place_sur_la_page(page), place);
    const double echelle = double(place.height()) / feuille_test::taille.height();
    const QImage base = ::page(feuille_test::dessine(questions()), page, dpi);
    const int y = place.y() + qRound(500 * echelle);
    const QList<int> colonnes = debuts_des_traits(base, QPoint(0, y), QPoint(1, 0), page.width());
    QCOMPARE(colonnes.size(), 8);
    QVERIFY(qAbs(colonnes.first() - place.x()) <= 1);
    QVERIFY(qAbs(colonnes[2] - (place.x() + 330 * echelle)) <= 1.5);

    const QImage a_l_echelle = ::page(feuille_test::dessine(questions(1)), page, dpi);
    const QRect texte = difference(feuille_seule(questions()), feuille_seule(questions(1)), 240);
    const QRect texte_a_l_echelle =
        difference(base, a_l_echelle, place.y() + qCeil(240 * echelle));
    QVERIFY(qAbs(texte_a_l_echelle.width() - texte.width() * echelle) <= 3);
    QVERIFY(qAbs(texte_a_l_echelle.height() - texte.height() * echelle) <= 3);
    QVERIFY(qAbs(texte_a_l_echelle.left() - (place.x() + texte.left() * echelle)) <= 2);
}

void TestFeuilleTest::pdf_dates_sans_ecraser()
{
    QTemporaryDir dossier;
    const QDate jour(2026, 5, 12);
    const QPicture feuille = feuille_test::dessine(questions());
    const SortieFeuille premiere = enregistre_feuille_en_pdf(feuille, dossier.path(), jour);
    QVERIFY2(premiere.reussie, qPrintable(premiere.message));
    QFile fichier(premiere.fichier);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray contenu = fichier.readAll();
    fichier.close();

    const SortieFeuille seconde = enregistre_feuille_en_pdf(feuille, dossier.path(), jour);
    QVERIFY(seconde.reussie);
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files),
             QStringList({"Test Tavelo 2026-05-12 (2).pdf", "Test Tavelo 2026-05-12.pdf"}));
    QCOMPARE(QFileInfo(premiere.fichier).fileName(), QStringLiteral("Test Tavelo 2026-05-12.pdf"));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll(), contenu);
    QVERIFY(premiere.message.contains(QDir::toNativeSeparators(premiere.fichier)));

    // One A4 page.
    QVERIFY(contenu.startsWith("%PDF-"));
    QCOMPARE(contenu.count("/Type /Page\n") + contenu.count("/Type /Page>"), 1);
    QVERIFY(contenu.contains("/MediaBox [0 0 595"));
}

void TestFeuilleTest::dossier_impossible_a_ecrire()
{
    QTemporaryDir dossier;
    QFile pas_un_dossier(dossier.filePath(QStringLiteral("fichier")));
    QVERIFY(pas_un_dossier.open(QIODevice::WriteOnly));
    pas_un_dossier.close();

    const QString cible = pas_un_dossier.fileName() + QStringLiteral("/sous-dossier");
    const SortieFeuille sortie =
        enregistre_feuille_en_pdf(feuille_test::dessine(questions()), cible, QDate(2026, 5, 12));
    QVERIFY(!sortie.reussie);
    QVERIFY(sortie.fichier.isEmpty());
    QVERIFY(sortie.message.contains(QStringLiteral("n'a pas pu être enregistrée")));
    QVERIFY(sortie.message.contains(QDir::toNativeSeparators(cible)));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"fichier"});
}

QTEST_MAIN(TestFeuilleTest)
#include "tst_feuille_test.moc"
