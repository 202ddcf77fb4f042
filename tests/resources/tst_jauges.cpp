// SPDX-License-Identifier: GPL-3.0-or-later
#include "ressources.h"

#include <QImage>
#include <QtTest>

// The main window lays the unlit cover (BITMAP_2 or BITMAP_4) at (18, 39) of
// the lit gauge (BITMAP_1 or BITMAP_3), shows 33 of its 36 columns and cuts
// it to 320 - (pas × s + ecart × (s div groupe)) rows for a score s. These
// tests read the pixels of both pictures along the middle of the column of
// cells and check that each score uncovers exactly s whole cells.
namespace {

constexpr int gauche_cache = 18;
constexpr int haut_cache = 39;
constexpr int largeur_visible_cache = 33;
constexpr int hauteur_cache = 320;
constexpr int colonne = gauche_cache + largeur_visible_cache / 2;

bool allumee(QRgb p)
{
    return qGreen(p) >= 200 && qGreen(p) - qBlue(p) >= 80 && qRed(p) < qGreen(p);
}

bool eteinte(QRgb p)
{
    return qGreen(p) >= 60 && qGreen(p) < 160 && qGreen(p) - qRed(p) >= 40 && qGreen(p) - qBlue(p) >= 40;
}

bool separation(QRgb p)
{
    return qMax(qRed(p), qMax(qGreen(p), qBlue(p))) < 40;
}

// Number of separate runs of rows y0 <= y < y1 whose pixel at x passes the test.
int compte_cellules(const QImage &image, int x, int y0, int y1, bool (*teinte)(QRgb))
{
    int cellules = 0;
    bool dans_une_cellule = false;
    for (int y = y0; y < y1; ++y) {
        const bool dedans = teinte(image.pixel(x, y));
        if (dedans && !dans_une_cellule)
            ++cellules;
        dans_une_cellule = dedans;
    }
    return cellules;
}

struct Jauge
{
    QImage allumee;
    QImage cache;
};

Jauge charge(const QString &allumee, const QString &cache)
{
    return {bitmap_programme(allumee).toImage(), bitmap_programme(cache).toImage()};
}

} // namespace

class tst_Jauges : public QObject
{
    Q_OBJECT

private slots:
    void score_uncovers_whole_cells_data();
    void score_uncovers_whole_cells();
    void cover_matches_gauge_row_for_row_data();
    void cover_matches_gauge_row_for_row();
};

void tst_Jauges::score_uncovers_whole_cells_data()
{
    QTest::addColumn<QString>("nom_jauge");
    QTest::addColumn<QString>("nom_cache");
    QTest::addColumn<int>("cellules");
    QTest::addColumn<int>("pas");
    QTest::addColumn<int>("groupe");
    QTest::addColumn<int>("ecart");
    QTest::addColumn<int>("score");

    for (int s = 0; s <= 20; ++s)
        QTest::addRow("levels 1 and 2, score %d", s) << "bitmap_1" << "bitmap_2" << 20 << 15 << 5 << 5 << s;
    for (int s = 0; s <= 40; ++s)
        QTest::addRow("level 3, score %d", s) << "bitmap_3" << "bitmap_4" << 40 << 7 << 10 << 10 << s;
}

void tst_Jauges::score_uncovers_whole_cells()
{
    QFETCH(QString, nom_jauge);
    QFETCH(QString, nom_cache);
    QFETCH(int, cellules);
    QFETCH(int, pas);
    QFETCH(int, groupe);
    QFETCH(int, ecart);
    QFETCH(int, score);

    const Jauge jauge = charge(nom_jauge, nom_cache);
    QVERIFY(!jauge.allumee.isNull() && !jauge.cache.isNull());
    const int hauteur = hauteur_cache - (pas * score + ecart * (score / groupe));
    const int bord = haut_cache + hauteur; // first row of the gauge below the cover

    QCOMPARE(compte_cellules(jauge.allumee, colonne, bord, jauge.allumee.height(), allumee), score);
    QCOMPARE(compte_cellules(jauge.allumee, colonne, haut_cache, bord, allumee), cellules - score);
    QCOMPARE(compte_cellules(jauge.cache, colonne - gauche_cache, 0, hauteur, eteinte), cellules - score);

    // The cover's edge falls on a separator: one dark row, then the highest
    // uncovered cell (after the gap that closes a group at every mark).
    QVERIFY(!allumee(jauge.allumee.pixel(colonne, bord - 1)));
    QVERIFY(separation(jauge.allumee.pixel(colonne, bord)));
    if (score > 0) {
        const int premiere_allumee = bord + 1 + (score % groupe == 0 ? ecart : 0);
        QVERIFY(separation(jauge.allumee.pixel(colonne, premiere_allumee - 1)));
        QVERIFY(allumee(jauge.allumee.pixel(colonne, premiere_allumee)));
    }
}

void tst_Jauges::cover_matches_gauge_row_for_row_data()
{
    QTest::addColumn<QString>("nom_jauge");
    QTest::addColumn<QString>("nom_cache");

    QTest::newRow("levels 1 and 2") << "bitmap_1" << "bitmap_2";
    QTest::newRow("level 3") << "bitmap_3" << "bitmap_4";
}

void tst_Jauges::cover_matches_gauge_row_for_row()
{
    QFETCH(QString, nom_jauge);
    QFETCH(QString, nom_cache);
    const Jauge jauge = charge(nom_jauge, nom_cache);
    QVERIFY(!jauge.allumee.isNull() && !jauge.cache.isNull());

    for (int y = 0; y < hauteur_cache; ++y) {
        const bool sous_le_cache = eteinte(jauge.cache.pixel(colonne - gauche_cache, y));
        QVERIFY2(sous_le_cache == allumee(jauge.allumee.pixel(colonne, haut_cache + y)),
                 qPrintable(QStringLiteral("row %1 of the cover").arg(y)));
    }

    // The cover hides whatever lies under it, and the lit cells stay within
    // the 33 columns of it that the window always shows.
    for (int y = 0; y < jauge.cache.height(); ++y)
        for (int x = 0; x < jauge.cache.width(); ++x)
            QCOMPARE(qAlpha(jauge.cache.pixel(x, y)), 255);
    for (int y = 0; y < jauge.allumee.height(); ++y)
        for (int x = 0; x < jauge.allumee.width(); ++x)
            if (x < gauche_cache || x >= gauche_cache + largeur_visible_cache || y < haut_cache
                || y >= haut_cache + hauteur_cache)
                QVERIFY2(!allumee(jauge.allumee.pixel(x, y)), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
}

QTEST_MAIN(tst_Jauges)
#include "tst_jauges.moc"
