// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire.h"
#include "aleatoire_scripte.h"
#include "catalogue_types.h"
#include "generateur.h"

#include <QSet>
#include <QTest>

// The question generator: the exact order of its draws for each group, and
// over many real draws the shapes, maxima and no-carry/no-borrow rules.
class TestGenerateur : public QObject
{
    Q_OBJECT

private slots:
    void ordre_des_tirages_data();
    void ordre_des_tirages();
    void formes_et_maxima_data();
    void formes_et_maxima();
    void paires_possibles_ou_jamais_data();
    void paires_possibles_ou_jamais();
    void sans_regles_toutes_les_paires_sortent_data();
    void sans_regles_toutes_les_paires_sortent();
};

void TestGenerateur::ordre_des_tirages_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("avec_retenues");
    QTest::addColumn<int>("max_avec_calcul");
    QTest::addColumn<int>("max_sans_calcul");
    QTest::addColumn<QList<double>>("u");
    QTest::addColumn<int>("attendu1");
    QTest::addColumn<int>("attendu2");

    // S and Z: one draw of x in 1..max_sans_calcul.
    QTest::newRow("0+0 draws an x it does not use") << 1 << false << 9 << 19 << QList<double>{0.7} << 0 << 0;
    QTest::newRow("x+(-x) at max 19") << 8 << false << 9 << 19 << QList<double>{0.5} << 10 << -10;
    QTest::newRow("x+(-x) carries ignored") << 8 << true << 19 << 19 << QList<double>{0.99} << 19 << -19;
    QTest::newRow("(-x)-0 lowest draw") << 28 << false << 9 << 19 << QList<double>{0.0} << -1 << 0;

    // D and C without carries: x for doubles (units above 5 redrawn in
    // 0..5, 0 redrawn in 1..5), then Y, then a position in the no-carry list.
    const QList<double> doubles9{0.9, 0.0, 0.5, 0.99, 0.7};
    QTest::newRow("x+x: 9 becomes 0 then 3") << 4 << false << 9 << 19 << doubles9 << 3 << 3;
    QTest::newRow("(-x)+(-Y): only 1 goes with 9") << 16 << false << 9 << 19 << doubles9 << -1 << -9;
    const QList<double> doubles19{0.8, 0.5, 0.9, 0.5};
    QTest::newRow("x-(-x): 16 becomes 13") << 25 << false << 19 << 19 << doubles19 << 13 << -13;
    QTest::newRow("(-x)-Y: Y 18 keeps 1,2,10,11,12") << 30 << false << 19 << 19 << doubles19 << -10 << 18;

    // D and C with carries: Y, then x below Y, then x for doubles.
    const QList<double> libres{0.5, 0.5, 0.25};
    QTest::newRow("(-Y)+(-x) free") << 17 << true << 19 << 19 << libres << -11 << -6;
    QTest::newRow("(-x)+(-x) free") << 15 << true << 19 << 19 << libres << -5 << -5;

    // B without borrows: Y, then a position in the list of x whose units
    // digit is at most Y's.
    QTest::newRow("Y+(-x): Y 12 keeps 1,2,10,11") << 9 << false << 19 << 19 << QList<double>{0.6, 0.75} << 12 << -11;
    QTest::newRow("x-Y without borrow") << 22 << false << 19 << 19 << QList<double>{0.6, 0.0} << 1 << 12;
    QTest::newRow("Y 10 has no x without borrow: Y drawn again")
        << 9 << false << 10 << 19 << QList<double>{0.95, 0.0, 0.3} << 2 << -1;
    // B with borrows: Y, then x in 1..Y-1.
    QTest::newRow("(-Y)-(-x) free") << 34 << true << 19 << 19 << QList<double>{0.6, 0.5} << -12 << -6;
}

void TestGenerateur::ordre_des_tirages()
{
    QFETCH(int, type);
    QFETCH(bool, avec_retenues);
    QFETCH(int, max_avec_calcul);
    QFETCH(int, max_sans_calcul);
    QFETCH(QList<double>, u);
    QFETCH(int, attendu1);
    QFETCH(int, attendu2);

    AleatoireScripte hasard(u);
    const Tirage t = tire_au_sort(hasard, type, avec_retenues, max_avec_calcul, max_sans_calcul);
    QCOMPARE(t.operande1, attendu1);
    QCOMPARE(t.operande2, attendu2);
    QVERIFY2(hasard.epuise(), "every scripted value is drawn, and no more");
}

namespace {

int valeur_attendue_signe(Forme f)
{
    return (f == Forme::MoinsX || f == Forme::MoinsY) ? -1 : 1;
}

} // namespace

void TestGenerateur::formes_et_maxima_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("avec_retenues");
    QTest::addColumn<int>("max_avec_calcul");
    QTest::addColumn<int>("max_sans_calcul");

    struct Reglage { bool retenues; int avec; int sans; const char *nom; };
    const Reglage reglages[] = {{false, 9, 19, "beginner"}, {true, 19, 19, "from score 10"},
                                {false, 99, 99, "test maxima, no carries"}, {false, 10, 9, "max 10"}};
    for (int t = 1; t <= 34; ++t)
        for (const Reglage &r : reglages)
            QTest::addRow("type %d, %s", t, r.nom) << t << r.retenues << r.avec << r.sans;
}

void TestGenerateur::formes_et_maxima()
{
    QFETCH(int, type);
    QFETCH(bool, avec_retenues);
    QFETCH(int, max_avec_calcul);
    QFETCH(int, max_sans_calcul);

    const TypeQuestion &forme = catalogue::type(type);
    const bool calcul = forme.groupe == Groupe::D || forme.groupe == Groupe::C || forme.groupe == Groupe::B;
    const int max = calcul ? max_avec_calcul : max_sans_calcul;
    AleatoireHorloge hasard(quint64(type) * 7919u);
    for (int i = 0; i < 3000; ++i) {
        const Tirage t = tire_au_sort(hasard, type, avec_retenues, max_avec_calcul, max_sans_calcul);
        const int ops[2] = {t.operande1, t.operande2};
        const Forme formes[2] = {forme.premier, forme.second};
        int x = 0;
        int y = 0;
        for (int k = 0; k < 2; ++k) {
            if (formes[k] == Forme::Zero) {
                QCOMPARE(ops[k], 0);
                continue;
            }
            QVERIFY2(ops[k] * valeur_attendue_signe(formes[k]) > 0, "operand sign follows the shape");
            const int grandeur = std::abs(ops[k]);
            QVERIFY(grandeur <= max);
            if (formes[k] == Forme::X || formes[k] == Forme::MoinsX) {
                if (x != 0)
                    QCOMPARE(grandeur, x); // x+x, x+(-x)...: the same x twice
                x = grandeur;
            } else {
                y = grandeur;
            }
        }
        if (y != 0)
            QVERIFY2(x < y, qPrintable(QString("x %1 below Y %2").arg(x).arg(y)));
        if (avec_retenues)
            continue;
        if (forme.groupe == Groupe::D)
            QVERIFY2(x % 10 <= 5, "doubling carries no unit");
        if (forme.groupe == Groupe::C)
            QVERIFY2(x % 10 + y % 10 <= 10 && x / 10 + y / 10 <= 10, "adding carries nothing");
        if (forme.groupe == Groupe::B)
            QVERIFY2(x % 10 <= y % 10, "subtracting borrows nothing");
    }
}

void TestGenerateur::paires_possibles_ou_jamais_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("max_avec_calcul");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("possible");

    QTest::newRow("7 and 14 carry a unit") << 5 << 19 << 7 << 14 << false;
    QTest::newRow("3 and 17 make exactly ten units") << 5 << 19 << 3 << 17 << true;
    QTest::newRow("12 and 15 borrow nothing") << 22 << 19 << 12 << 15 << true;
    QTest::newRow("16 and 23 borrow") << 22 << 99 << 16 << 23 << false;
    QTest::newRow("2 and 12 have equal units: no borrow") << 22 << 19 << 2 << 12 << true;
    QTest::newRow("x+x never doubles 6") << 4 << 9 << 6 << 0 << false;
    QTest::newRow("x+x doubles 5") << 4 << 9 << 5 << 0 << true;
    QTest::newRow("x+x at 19 never doubles 16") << 4 << 19 << 16 << 0 << false;
    QTest::newRow("x+x at 19 doubles 15") << 4 << 19 << 15 << 0 << true;
}

void TestGenerateur::paires_possibles_ou_jamais()
{
    QFETCH(int, type);
    QFETCH(int, max_avec_calcul);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, possible);

    const TypeQuestion &forme = catalogue::type(type);
    AleatoireHorloge hasard(20261208u);
    bool vue = false;
    for (int i = 0; i < 40000 && !vue; ++i) {
        const Tirage t = tire_au_sort(hasard, type, false, max_avec_calcul, 19);
        const int a = std::abs(t.operande1);
        const int b = std::abs(t.operande2);
        const int tx = (forme.premier == Forme::X || forme.premier == Forme::MoinsX) ? a : b;
        const int ty = forme.groupe == Groupe::D ? 0 : (tx == a ? b : a);
        vue = tx == x && ty == y;
    }
    QCOMPARE(vue, possible);
}

void TestGenerateur::sans_regles_toutes_les_paires_sortent_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("max");
    QTest::newRow("x+Y up to 9") << 5 << 9;
    QTest::newRow("x-Y up to 19") << 22 << 19;
    QTest::newRow("(-Y)-x up to 19") << 31 << 19;
}

void TestGenerateur::sans_regles_toutes_les_paires_sortent()
{
    QFETCH(int, type);
    QFETCH(int, max);

    QSet<QPair<int, int>> vues;
    AleatoireHorloge hasard(42u);
    for (int i = 0; i < 60000; ++i) {
        const Tirage t = tire_au_sort(hasard, type, true, max, max);
        const int a = std::abs(t.operande1);
        const int b = std::abs(t.operande2);
        vues.insert({std::min(a, b), std::max(a, b)});
    }
    QCOMPARE(vues.size(), max * (max - 1) / 2); // every 1 <= x < Y <= max
}

QTEST_APPLESS_MAIN(TestGenerateur)
#include "tst_generateur.moc"
