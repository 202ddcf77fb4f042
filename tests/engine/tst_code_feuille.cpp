// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire.h"
#include "code_feuille.h"
#include "etat_partage.h"
#include "tables.h"

#include <QTest>

// The printed sheet's code: read back however it is typed, refused when
// miscopied, and drawing the same sheet again whatever the settings did
// since, as long as they can rebuild it.
class TestCodeFeuille : public QObject
{
    Q_OBJECT

private slots:
    void lecture_data();
    void lecture();
    void reimpression_data();
    void reimpression();
};

namespace {

const CodeFeuille exemple{123456, true, 777};

void compare_feuilles(const FeuilleCodee &a, const FeuilleCodee &b)
{
    QCOMPARE(a.code, b.code);
    QCOMPARE(a.ordre, b.ordre);
    QCOMPARE(a.sujet.questions, b.sujet.questions);
    QCOMPARE(a.sujet.reponses, b.sujet.reponses);
}

} // namespace

void TestCodeFeuille::lecture_data()
{
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<bool>("lu");
    QTest::addColumn<QString>("erreur"); // a part of the message
    const QString texte = exemple.texte();
    QTest::newRow("as printed") << texte << true << "";
    QTest::newRow("lower case, spaces, the word Feuille")
        << " feuille " + texte.toLower().replace('-', ' ') << true << "";
    QTest::newRow("empty") << "  " << false << "Tapez le code";
    QTest::newRow("one symbol short") << texte.chopped(1) << false << "a 7 caractères";
    QTest::newRow("a letter no code holds") << "4K7Q-2MU" << false << "« U »";
    QString faux = texte, permute = texte;
    faux[2] = faux[2] == 'A' ? 'B' : 'A';
    std::swap(permute[1], permute[2]);
    QTest::newRow("one symbol miscopied") << faux << false << "mal recopié";
    QTest::newRow("two neighbours swapped") << permute << false << "mal recopié";
    QTest::newRow("payload beyond the seeds") << "ZZZZ-ZZA" << false << "n'est le code d'aucune";
}

void TestCodeFeuille::lecture()
{
    QFETCH(QString, saisie);
    QFETCH(bool, lu);
    QFETCH(QString, erreur);
    const LectureCode lecture = lit_code_feuille(saisie);
    QCOMPARE(lecture.code.has_value(), lu);
    if (lu)
        QCOMPARE(*lecture.code, exemple);
    else
        QVERIFY2(lecture.erreur.contains(erreur), qPrintable(lecture.erreur));
}

void TestCodeFeuille::reimpression_data()
{
    QTest::addColumn<QList<int>>("composition"); // first entries; empty: default
    QTest::addColumn<bool>("retenues");
    QTest::addColumn<QList<int>>("composition_ensuite");
    QTest::addColumn<QString>("erreur"); // empty: reprinted identical

    const QList<int> autre{4, 4, 5, 6};
    QTest::newRow("default composition, then another one")
        << QList<int>() << false << autre << "";
    QTest::newRow("carries allowed, then avoided") << QList<int>() << true << QList<int>() << "";
    QTest::newRow("own composition, still in force") << autre << false << QList<int>() << "";
    QTest::newRow("own composition, since changed")
        << autre << false << QList<int>{5, 5} << "d'une autre composition du test";
}

// A sheet drawn again from its code has the same questions in the same
// places and the same answers, after the settings' order has been
// reshuffled by other tests and the carry rule changed; the composition
// must still be the one it was drawn from, unless it was the default.
void TestCodeFeuille::reimpression()
{
    QFETCH(QList<int>, composition);
    QFETCH(bool, retenues);
    QFETCH(QList<int>, composition_ensuite);
    QFETCH(QString, erreur);
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    std::copy(composition.begin(), composition.end(), etat.composition_test.begin());
    etat.avec_retenues = retenues;
    AleatoireHorloge hasard(42);

    const Tableau<int, 40> avant = etat.composition_test;
    const FeuilleCodee feuille = nouvelle_feuille(etat, hasard);
    QCOMPARE(etat.composition_test, feuille.ordre);
    QVERIFY(std::is_permutation(avant.begin(), avant.end(), feuille.ordre.begin()));

    compose_test(etat, hasard, 9, 9);
    etat.avec_retenues = !retenues;
    std::copy(composition_ensuite.begin(), composition_ensuite.end(), etat.composition_test.begin());
    const Tableau<int, 40> reglages = etat.composition_test;
    const Reimpression reimpression = feuille_du_code(etat, "Feuille " + feuille.code.texte());
    QCOMPARE(etat.composition_test, reglages);
    if (!erreur.isEmpty()) {
        QVERIFY(!reimpression.feuille);
        QVERIFY2(reimpression.erreur.contains(erreur), qPrintable(reimpression.erreur));
        return;
    }
    QVERIFY2(reimpression.feuille, qPrintable(reimpression.erreur));
    compare_feuilles(*reimpression.feuille, feuille);
}

QTEST_APPLESS_MAIN(TestCodeFeuille)
#include "tst_code_feuille.moc"
