// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire.h"
#include "aleatoire_scripte.h"
#include "etat_partage.h"
#include "questionnaire.h"
#include "tables.h"

#include <QTest>

#include <numeric>

using Poids = Tableau<double, 34>;
using Serie = Tableau<int, 40>;
Q_DECLARE_METATYPE(Poids)
Q_DECLARE_METATYPE(Serie)

namespace {

// u = 0.999 makes every swap of the shuffle a swap of a slot with itself.
QList<double> melange_neutre(int n)
{
    return QList<double>(n, 0.999);
}

QList<int> premiers(const Serie &s, int n)
{
    QList<int> l;
    for (int i = 1; i <= n; ++i)
        l.append(s[i]);
    return l;
}

Poids poids(std::initializer_list<std::pair<int, double>> valeurs)
{
    Poids p;
    for (auto [type, w] : valeurs)
        p[type] = w;
    return p;
}

} // namespace

// Series built from weights (stratified extra slots, shuffle from the top)
// and the adaptation of the weights to the pupil's record.
class TestQuestionnaire : public QObject
{
    Q_OBJECT

private slots:
    void serie_scriptee_data();
    void serie_scriptee();
    void melange_depuis_le_haut();
    void niveau3_par_defaut_compte_les_types();
    void serie_toujours_dans_la_plage();
    void adaptation_data();
    void adaptation();
    void adaptation_garde_le_total();
};

void TestQuestionnaire::serie_scriptee_data()
{
    QTest::addColumn<Poids>("repartition");
    QTest::addColumn<int>("niveau");
    QTest::addColumn<QList<double>>("tirages");
    QTest::addColumn<QList<int>>("attendu");

    // The default weights at level 3: 29 whole slots in id order, then one
    // draw per stratum r = j + 0.5 of the fractional running sum.
    QTest::newRow("default weights, level 3")
        << tables::repartition_par_defaut << 3
        << QList<double>(11, 0.5) + melange_neutre(40)
        << QList<int>{8, 8, 9, 9, 10, 10, 10, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16, 17, 17,
                      22, 25, 26, 27, 29, 30, 31, 32, 33, 34,
                      7, 20, 22, 24, 26, 27, 29, 30, 31, 33, 34};
    QTest::newRow("u = 0 draws the first id whose running sum is positive")
        << poids({{9, 17.5}, {10, 1.5}, {13, 1.0}}) << 1
        << QList<double>{0.0} + melange_neutre(20)
        << QList<int>{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 10, 13, 9};
    // Fractions adding up to 1.6 give two strata; the second can reach past
    // the sum and goes to the id that ends it.
    QTest::newRow("last stratum past the running sum")
        << poids({{9, 18.4}, {10, 0.6}, {13, 0.6}}) << 1
        << QList<double>{0.5, 0.9} + melange_neutre(20)
        << QList<int>{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 10, 13};
    // Weight moved to the other operation leaves the level short: the
    // missing slots are drawn in proportion to the weights.
    QTest::newRow("short level filled by weighted draws")
        << poids({{9, 10.0}, {10, 8.0}, {22, 2.0}}) << 1
        << QList<double>{0.1, 0.9} + melange_neutre(20)
        << QList<int>{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 10, 10, 10, 10, 10, 10, 10, 10, 9, 10};
    QTest::newRow("level 2 takes the subtraction ids only")
        << poids({{9, 5.0}, {22, 19.0}, {33, 1.0}}) << 2
        << melange_neutre(20)
        << QList<int>{22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 33};
}

void TestQuestionnaire::serie_scriptee()
{
    QFETCH(Poids, repartition);
    QFETCH(int, niveau);
    QFETCH(QList<double>, tirages);
    QFETCH(QList<int>, attendu);

    EtatPartage etat;
    AleatoireScripte hasard(tirages);
    const Serie s = elabore_questionnaire(etat, hasard, repartition, niveau);
    QCOMPARE(premiers(s, attendu.size()), attendu);
    QCOMPARE(etat.niveau, niveau);
    QVERIFY2(hasard.epuise(), "one draw per stratum, per missing slot and per shuffle step");
}

void TestQuestionnaire::melange_depuis_le_haut()
{
    // With u = 0 every step m swaps slot m with slot 1: walking from the
    // top, the series turns by one place.
    EtatPartage etat;
    AleatoireScripte hasard(QList<double>(11, 0.5) + QList<double>(40, 0.0));
    const Serie s = elabore_questionnaire(etat, hasard, tables::repartition_par_defaut, 3);
    const QList<int> avant{8, 8, 9, 9, 10, 10, 10, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16, 17, 17,
                           22, 25, 26, 27, 29, 30, 31, 32, 33, 34,
                           7, 20, 22, 24, 26, 27, 29, 30, 31, 33, 34};
    QList<int> tourne = avant.mid(1);
    tourne.append(avant.first());
    QCOMPARE(premiers(s, 40), tourne);
}

void TestQuestionnaire::niveau3_par_defaut_compte_les_types()
{
    AleatoireHorloge hasard(7u);
    for (int essai = 0; essai < 500; ++essai) {
        EtatPartage etat;
        const Serie s = elabore_questionnaire(etat, hasard, tables::repartition_par_defaut, 3);
        Tableau<int, 34> compte;
        for (int t : s) {
            QVERIFY(t >= 1 && t <= 34);
            ++compte[t];
        }
        for (int t = 1; t <= 34; ++t) {
            const double w = tables::repartition_par_defaut[t];
            if (w == 2.0 || w == 3.0)
                QCOMPARE(compte[t], int(w)); // whole weights, no fraction: exactly
            else if (w == 0.0)
                QCOMPARE(compte[t], 0);
            else
                QVERIFY(compte[t] >= int(w) && compte[t] <= int(w) + 2);
        }
    }
}

void TestQuestionnaire::serie_toujours_dans_la_plage()
{
    // Any non-negative weights, whole or not in a level's range: every slot
    // the level asks holds a type id of that range.
    AleatoireHorloge hasard(2026u);
    for (int essai = 0; essai < 3000; ++essai) {
        Poids p;
        for (int t = 1; t <= 34; ++t)
            p[t] = hasard.u() < 0.4 ? 0.0 : hasard.u() * 2.4;
        p[1 + int(hasard.u() * 17)] += 0.3;  // never an empty range
        p[18 + int(hasard.u() * 17)] += 0.3;
        const int niveau = 1 + essai % 3;
        EtatPartage etat;
        const Serie s = elabore_questionnaire(etat, hasard, p, niveau);
        const int premier = niveau == 2 ? 18 : 1;
        const int dernier = niveau == 1 ? 17 : 34;
        const int n = niveau == 3 ? 40 : 20;
        for (int i = 1; i <= n; ++i)
            QVERIFY2(s[i] >= premier && s[i] <= dernier && p[s[i]] > 0.0,
                     qPrintable(QString("level %1 slot %2 holds %3").arg(niveau).arg(i).arg(s[i])));
    }
}

void TestQuestionnaire::adaptation_data()
{
    QTest::addColumn<QList<int>>("reussites"); // pairs: type, count
    QTest::addColumn<QList<int>>("erreurs");
    QTest::addColumn<double>("vitesse");
    QTest::addColumn<Poids>("attendu");

    Poids exemple = tables::repartition_par_defaut;
    exemple[8] = 1.0;
    exemple[9] = 3.0;
    QTest::newRow("rates 0 and 0.5: one loses 1, the other gains 1")
        << QList<int>{8, 4, 9, 2} << QList<int>{9, 2} << 2.0 << exemple;
    QTest::newRow("no answers: no change") << QList<int>{} << QList<int>{} << 2.0 << tables::repartition_par_defaut;
    QTest::newRow("equal rates: no change")
        << QList<int>{8, 3, 9, 3, 22, 6} << QList<int>{8, 1, 9, 1, 22, 2} << 2.0 << tables::repartition_par_defaut;
    QTest::newRow("speed 1: no change")
        << QList<int>{8, 4, 9, 2} << QList<int>{9, 2} << 1.0 << tables::repartition_par_defaut;
    Poids trois = tables::repartition_par_defaut;
    // rates 0, 0.5, 1 at speed 4: mid 0.5; id 8 gives 2 × 3/4 = 1.5, id 10 at
    // the middle keeps its weight, id 22 takes all.
    trois[8] = 0.5;
    trois[22] = 1.8 + 1.5;
    Poids sans_zero = tables::repartition_par_defaut;
    // rates 0.5 and 1 at speed 2: mid 0.75, the lowest rate is 0.5, not 0.
    sans_zero[8] = 1.0;
    sans_zero[9] = 3.0;
    QTest::newRow("rates 0.5 and 1: one loses 1, the other gains 1")
        << QList<int>{8, 1} << QList<int>{8, 1, 9, 2} << 2.0 << sans_zero;
    QTest::newRow("three rates at speed 4")
        << QList<int>{8, 5, 10, 1} << QList<int>{10, 1, 22, 3} << 4.0 << trois;
}

void TestQuestionnaire::adaptation()
{
    QFETCH(QList<int>, reussites);
    QFETCH(QList<int>, erreurs);
    QFETCH(double, vitesse);
    QFETCH(Poids, attendu);

    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    etat.vitesse_ciblage = vitesse;
    for (int i = 0; i < reussites.size(); i += 2)
        etat.reussites[reussites[i]] = reussites[i + 1];
    for (int i = 0; i < erreurs.size(); i += 2)
        etat.erreurs[erreurs[i]] = erreurs[i + 1];
    modifie_repartition(etat);
    for (int t = 1; t <= 34; ++t)
        QVERIFY2(qFuzzyCompare(1.0 + etat.repartition[t], 1.0 + attendu[t]),
                 qPrintable(QString("type %1: %2 instead of %3").arg(t).arg(etat.repartition[t]).arg(attendu[t])));
}

void TestQuestionnaire::adaptation_garde_le_total()
{
    AleatoireHorloge hasard(99u);
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    for (int tour = 0; tour < 300; ++tour) {
        etat.vitesse_ciblage = 1.0 + hasard.u() * 9.0;
        for (int t = 1; t <= 34; ++t) {
            etat.reussites[t] += hasard.entier(0, 3);
            etat.erreurs[t] += hasard.entier(0, 2);
        }
        modifie_repartition(etat);
        const double total = std::accumulate(etat.repartition.begin(), etat.repartition.end(), 0.0);
        QVERIFY(std::abs(total - 40.0) < 1e-9);
        for (double w : etat.repartition)
            QVERIFY(w >= 0.0);
    }
}

QTEST_APPLESS_MAIN(TestQuestionnaire)
#include "tst_questionnaire.moc"
