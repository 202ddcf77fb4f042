// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire_scripte.h"
#include "etat_json.h"
#include "etat_partage.h"
#include "questionnaire.h"
#include "tables.h"

#include <QJsonArray>
#include <QTest>

// The shared state: its defaults, its short strings, what a level start
// resets and keeps, and its reading and writing by name.
class TestEtat : public QObject
{
    Q_OBJECT

private slots:
    void chaines_courtes_coupees_data();
    void chaines_courtes_coupees();
    void poids_par_defaut();
    void depart_charge_les_valeurs();
    void debut_de_niveau_data();
    void debut_de_niveau();
    void niveau3_remet_les_poids();
    void variables_par_nom_data();
    void variables_par_nom();
    void json_numerote_depuis_un();
};

void TestEtat::chaines_courtes_coupees_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("test");
    QTest::addColumn<QString>("operande");

    QTest::newRow("short stays whole") << "(-5)+(-18)" << "(-5)+(-18)" << "(-5)+(-18)" << "(-5)+";
    QTest::newRow("16 characters") << "(-19)+(-19)-(-1)" << "(-19)+(-19)-(-1" << "(-19)+(-19)-" << "(-19)";
    QTest::newRow("empty") << "" << "" << "" << "";
    QTest::newRow("accents count once") << "Félicitations!!!" << "Félicitations!!" << "Félicitation" << "Félic";
}

void TestEtat::chaines_courtes_coupees()
{
    QFETCH(QString, texte);
    QFETCH(QString, question);
    QFETCH(QString, test);
    QFETCH(QString, operande);

    ChaineCourte<15> q;
    q = texte;
    QCOMPARE(q.texte(), question);
    QCOMPARE(ChaineCourte<12>(texte).texte(), test);
    QCOMPARE(ChaineCourte<5>(texte).texte(), operande);
}

void TestEtat::poids_par_defaut()
{
    double additions = 0.0;
    double soustractions = 0.0;
    for (int t = 1; t <= 17; ++t)
        additions += tables::repartition_par_defaut[t];
    for (int t = 18; t <= 34; ++t)
        soustractions += tables::repartition_par_defaut[t];
    QCOMPARE(additions, 20.0);
    QVERIFY(std::abs(soustractions - 20.0) < 1e-12);
    int additions_test = 0;
    for (int t : tables::composition_test_par_defaut)
        additions_test += t <= 17 ? 1 : 0;
    QCOMPARE(additions_test, 20);
}

void TestEtat::depart_charge_les_valeurs()
{
    EtatPartage etat;
    QCOMPARE(etat.vitesse_ciblage, 0.0); // nothing before the start step
    AleatoireScripte hasard;
    prepare_etat_niveau(etat, hasard, 0);
    QCOMPARE(etat.repartition, tables::repartition_par_defaut);
    QCOMPARE(etat.composition_test, tables::composition_test_par_defaut);
    QCOMPARE(etat.max_avec_calcul, 9);
    QCOMPARE(etat.max_sans_calcul, 9);
    QCOMPARE(etat.avec_retenues, false);
    QCOMPARE(etat.vitesse_ciblage, 2.0);
    QCOMPARE(etat.panneau_actif.texte(), QString("panel2"));
    QCOMPARE(hasard.tirages(), 0); // no question yet, no draw
}

void TestEtat::debut_de_niveau_data()
{
    QTest::addColumn<int>("niveau");
    QTest::addColumn<QList<int>>("serie");

    QTest::newRow("level 1: the fixed additions")
        << 1 << QList<int>{8, 12, 15, 16, 17, 9, 10, 13, 14, 7, 8, 12, 14, 10, 17, 15, 16, 9, 10, 13};
    QTest::newRow("level 2: the fixed subtractions")
        << 2 << QList<int>{22, 25, 26, 27, 29, 30, 31, 32, 33, 34, 23, 22, 25, 26, 27, 30, 31, 32, 33, 24};
}

void TestEtat::debut_de_niveau()
{
    QFETCH(int, niveau);
    QFETCH(QList<int>, serie);

    EtatPartage etat;
    AleatoireScripte hasard;
    prepare_etat_niveau(etat, hasard, 0);
    etat.score = 13;
    etat.rang_question = 17;
    etat.etat_soustraction = EtatSoustraction::AdditionEncoreFausse;
    etat.panneau_actif = QStringLiteral("panel9");
    etat.questionnaire[21] = 99; // level 2 leaves the slots it never asks
    etat.reussites[8] = 5;
    etat.repartition[8] = 1.25;
    prepare_etat_niveau(etat, hasard, niveau);

    QCOMPARE(etat.niveau, niveau);
    QCOMPARE(etat.score, 0);
    QCOMPARE(etat.rang_question, 1);
    QCOMPARE(etat.etat_soustraction, EtatSoustraction::Aucun);
    QCOMPARE(etat.panneau_actif.texte(), QString("panel2"));
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(etat.questionnaire[i], serie[i - 1]);
    QCOMPARE(etat.questionnaire[21], niveau == 1 ? 22 : 99);
    QCOMPARE(etat.reussites[8], 5);
    QCOMPARE(etat.repartition[8], 1.25);
}

void TestEtat::niveau3_remet_les_poids()
{
    EtatPartage etat;
    AleatoireHorloge hasard(3u);
    prepare_etat_niveau(etat, hasard, 0);
    etat.repartition[8] = 0.5;
    etat.repartition[10] = 4.5;
    etat.erreurs[10] = 3;
    prepare_etat_niveau(etat, hasard, 3);
    QCOMPARE(etat.repartition, tables::repartition_par_defaut);
    QCOMPARE(etat.erreurs[10], 3);
    QCOMPARE(etat.niveau, 3);
    int dix = 0;
    for (int t : etat.questionnaire)
        dix += t == 10 ? 1 : 0;
    QCOMPARE(dix, 3);
}

void TestEtat::variables_par_nom_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<bool>("accepte");
    QTest::addColumn<QString>("cle");
    QTest::addColumn<double>("lu");

    QTest::newRow("score") << "score" << "10" << true << "score" << 10.0;
    QTest::newRow("case ignored") << "Rang_Question" << "7" << true << "rang_question" << 7.0;
    QTest::newRow("real") << "vitesse_ciblage" << "3.5" << true << "vitesse_ciblage" << 3.5;
    QTest::newRow("not a number") << "score" << "dix" << false << "score" << 0.0;
    QTest::newRow("unknown") << "points" << "3" << false << "score" << 0.0;
    QTest::newRow("array refused") << "questionnaire" << "3" << false << "score" << 0.0;
    QTest::newRow("type id above 34") << "type_question" << "35" << false << "type_question" << 0.0;
    QTest::newRow("type id 34") << "type_question" << "34" << true << "type_question" << 34.0;
    QTest::newRow("score above 40") << "score" << "2147483647" << false << "score" << 0.0;
    QTest::newRow("negative score") << "score" << "-1" << false << "score" << 0.0;
    QTest::newRow("speed below 1") << "vitesse_ciblage" << "0.5" << false << "vitesse_ciblage" << 0.0;
    QTest::newRow("speed not finite") << "vitesse_ciblage" << "inf" << false << "vitesse_ciblage" << 0.0;
    QTest::newRow("max above 100") << "max_avec_calcul" << "101" << false << "max_avec_calcul" << 0.0;
}

void TestEtat::variables_par_nom()
{
    QFETCH(QString, nom);
    QFETCH(QString, valeur);
    QFETCH(bool, accepte);
    QFETCH(QString, cle);
    QFETCH(double, lu);

    EtatPartage etat;
    const QString refus = fixe_variable(etat, nom, valeur);
    QVERIFY2(refus.isEmpty() == accepte, qPrintable(refus));
    QCOMPARE(etat_en_json(etat).value(cle).toDouble(), lu);
}

void TestEtat::json_numerote_depuis_un()
{
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    etat.questionnaire = tables::questionnaire_par_defaut;
    etat.dernieres_questions[1] = QStringLiteral("(-5)+(-18)");
    const QJsonObject j = etat_en_json(etat);
    QCOMPARE(j.value("questionnaire").toArray().first().toInt(), 8);
    QCOMPARE(j.value("questionnaire").toArray().size(), 40);
    QCOMPARE(j.value("repartition").toArray().at(9).toDouble(), 3.0); // element 10
    QCOMPARE(j.value("dernieres_questions").toArray().first().toString(), QString("(-5)+(-18)"));
    QCOMPARE(j.value("etat_clavier").toArray().size(), 256);
}

QTEST_APPLESS_MAIN(TestEtat)
#include "tst_etat.moc"
