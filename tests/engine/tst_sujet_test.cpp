// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire_scripte.h"
#include "calcul_question.h"
#include "correction_test.h"
#include "etat_partage.h"

#include <QMap>
#include <QTest>

// The tests' core: choosing the 40 questions, marking the answers and the
// typing rule of the answer fields.
class TestSujetTest : public QObject
{
    Q_OBJECT

private slots:
    void tirages_scriptes();
    void sujets_tires_data();
    void sujets_tires();
    void correction_data();
    void correction();
    void filtre_data();
    void filtre();
};

// The shuffle's u values, then per question the generator's draw and the
// one that decides the first operand's parentheses; a repeat is redrawn.
void TestSujetTest::tirages_scriptes()
{
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    etat.composition_test.remplit(12); // (-x)+x: one u for x
    AleatoireScripte hasard(QList<double>(40, 0.0));
    hasard.ajoute({0.5 / 99, 0.25, 0.5 / 99, 0.75}); // -1+1, then (-1)+1: a repeat
    for (int n = 2; n <= 40; ++n)
        hasard.ajoute({(n - 0.5) / 99, 0.75});
    const SujetTest sujet = compose_test(etat, hasard, 9, 99);
    QVERIFY(hasard.epuise());
    QCOMPARE(sujet.questions[1].texte(), QStringLiteral("-1+1"));
    QCOMPARE(sujet.questions[2].texte(), QStringLiteral("(-2)+2"));
    QCOMPARE(sujet.reponses[2].texte(), QStringLiteral("0"));
}

void TestSujetTest::sujets_tires_data()
{
    QTest::addColumn<QList<int>>("types"); // the first entries of the composition
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("longueur_max");
    QTest::newRow("default composition") << QList<int>() << 9 << 3;
    QTest::newRow("maxima 99 with carries") << QList<int>() << 99 << 4;
    QTest::newRow("0+0 twice ends") << QList<int>{1, 1} << 9 << 3;
    QTest::newRow("40 times 0-0 ends") << QList<int>(40, 18) << 9 << 3;
}

// Each test reorders the same ids and leaves the order in the shared state;
// answers are the questions' results; no question repeats another but for
// the parentheses of its first operand, save the types with one question.
void TestSujetTest::sujets_tires()
{
    QFETCH(QList<int>, types);
    QFETCH(int, maximum);
    QFETCH(int, longueur_max);
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    std::copy(types.begin(), types.end(), etat.composition_test.begin());
    etat.avec_retenues = maximum > 9;
    AleatoireHorloge hasard(1234);

    int longueur = 0;
    for (int essai = 0; essai < 50; ++essai) {
        const Tableau<int, 40> avant = etat.composition_test;
        const SujetTest sujet = compose_test(etat, hasard, maximum, maximum);
        QVERIFY(etat.composition_test != avant || types.size() == 40);
        QVERIFY(std::is_permutation(avant.begin(), avant.end(), etat.composition_test.begin()));
        QSet<QString> cles;
        for (int n = 1; n <= 40; ++n) {
            const QString q = sujet.questions[n];
            const int type = etat.composition_test[n];
            QCOMPARE(q.contains(QLatin1Char('+')), type <= 17);
            QCOMPARE(calcule_question(q), sujet.reponses[n].texte());
            const QString cle = q.startsWith('(') ? QString(q).remove(q.indexOf(')'), 1).mid(1) : q;
            QVERIFY2(!cles.contains(cle) || type == 1 || type == 18, qPrintable(q));
            cles.insert(cle);
        }
        longueur = std::max(longueur, longueur_des_reponses(sujet.reponses));
    }
    QCOMPARE(longueur, longueur_max);
}

void TestSujetTest::correction_data()
{
    using Saisies = QMap<int, QString>;
    QTest::addColumn<bool>("tout_juste"); // else no answer at all
    QTest::addColumn<Saisies>("changees"); // answers that differ from that
    QTest::addColumn<QString>("ligne_erreurs"); // empty: hidden
    QTest::addColumn<QString>("ligne_non_reponses"); // empty: hidden
    QTest::addColumn<QString>("note");
    QTest::newRow("no answer at all") << false << Saisies{} << "" << "pas de réponse" << "0/20";
    QTest::newRow("all right") << true << Saisies{} << "BRAVO!!" << "" << "20/20";
    QTest::newRow("three errors and two blanks")
        << true << Saisies{{1, "4"}, {7, "-4"}, {40, "1"}, {2, ""}, {39, ""}} << "3 erreurs"
        << "2 non-réponses" << "10/20";
    QTest::newRow("one error and one blank") << true << Saisies{{3, "1"}, {4, ""}} << "1 erreur"
                                             << "1 non-reponse" << "16/20";
    QTest::newRow("05 and +5 for 5") << true << Saisies{{5, "05"}, {14, "+5"}} << "2 erreurs" << ""
                                     << "16/20";
    QTest::newRow("eleven faults: 0, not below") << false << Saisies{{1, "9"}} << "1 erreur"
                                                 << "39 non-réponses" << "0/20";
}

void TestSujetTest::correction()
{
    using Saisies = QMap<int, QString>;
    QFETCH(bool, tout_juste);
    QFETCH(Saisies, changees);
    QFETCH(QString, ligne_erreurs);
    QFETCH(QString, ligne_non_reponses);
    QFETCH(QString, note);
    Tableau<TexteTest, 40> attendues;
    Tableau<QString, 40> saisies;
    for (int n = 1; n <= 40; ++n) {
        attendues[n] = QString::number(5 * (n % 3) - 5); // -5, 0 or 5
        saisies[n] = changees.value(n, tout_juste ? attendues[n].texte() : QString());
    }
    const BilanTest bilan = corrige_test(attendues, saisies);
    QCOMPARE(bilan.ligne_erreurs_visible ? bilan.ligne_erreurs : QString(), ligne_erreurs);
    QCOMPARE(bilan.ligne_non_reponses_visible ? bilan.ligne_non_reponses : QString(),
             ligne_non_reponses);
    QCOMPARE(bilan.texte_note, note);
    for (int n = 1; n <= 40; ++n)
        QCOMPARE(bilan.a_corriger[n], saisies[n] != attendues[n].texte());
}

void TestSujetTest::filtre_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("curseur");
    QTest::addColumn<QString>("reste"); // what the field keeps
    QTest::addColumn<int>("curseur_apres");
    QTest::newRow("letter into an empty field") << "a" << 1 << "" << 0;
    QTest::newRow("plus sign into an empty field") << "+" << 1 << "" << 0;
    QTest::newRow("-12 kept") << "-12" << 3 << "-12" << 3;
    QTest::newRow("minus after a digit") << "1-" << 2 << "1" << 1;
    QTest::newRow("letter typed in the middle") << "1a2" << 2 << "12" << 1;
    QTest::newRow("non-latin digit") << QString::fromUtf8("1٣") << 2 << "1" << 1;
    QTest::newRow("caret at the start") << "x" << 0 << "x" << 0;
    // The rule looks again at what its own deletion leaves before the caret.
    QTest::newRow("x after -, Home, -, End") << "--x" << 3 << "-" << 1;
    QTest::newRow("AB pasted into an empty field") << "AB" << 2 << "" << 0;
}

void TestSujetTest::filtre()
{
    QFETCH(QString, texte);
    QFETCH(int, curseur);
    QFETCH(QString, reste);
    QFETCH(int, curseur_apres);
    const Saisie filtree = filtre_saisie({texte, curseur});
    QCOMPARE(filtree.texte, reste);
    QCOMPARE(filtree.curseur, curseur_apres);
}

QTEST_APPLESS_MAIN(TestSujetTest)
#include "tst_sujet_test.moc"
