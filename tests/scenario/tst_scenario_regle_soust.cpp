// SPDX-License-Identifier: GPL-3.0-or-later
// The subtraction rule window end to end: a rule error on a subtraction
// below a score of 10 opens it; the pupil goes through both stages of its
// exercise by clicks, and its last OK gives the drill back.

#include "client_scenario.h"

#include <QJsonArray>
#include <QtTest>

class TstScenarioRegleSoust : public QObject
{
    Q_OBJECT

private slots:
    void une_erreur_de_regle_en_soustraction_ouvre_l_exercice_jusqu_a_la_reprise();
};

void TstScenarioRegleSoust::une_erreur_de_regle_en_soustraction_ouvre_l_exercice_jusqu_a_la_reprise()
{
    // The second level of this run begins with 1 - 2, of type 22 (x-Y).
    ClientScenario client(20240611);
    QVERIFY2(client.pret(), qPrintable(client.erreur()));
    const auto texte = [&client](const char *nom) {
        return client.controle(QString::fromLatin1(nom), QStringLiteral("regle_soust"))["text"].toString();
    };
    const auto clique = [&client](const char *nom) {
        return client.commande(QStringLiteral("click regle_soust.") + QString::fromLatin1(nom))["ok"].toBool();
    };
    // Win the first level at once to reach the subtractions.
    client.commande(QStringLiteral("set score 19"));
    client.commande(QStringLiteral("key ") + client.etat()["texte_resultat"].toString());
    client.commande(QStringLiteral("key Return"));
    QVERIFY(client.attend_que([&] { return client.etat()["niveau"].toInt() == 2; }, 8000, 100));
    QCOMPARE(client.etat()["texte_question"].toString(), QStringLiteral("1-2"));

    // 1 for 1 - 2: the sign is wrong, a rule error.
    client.commande(QStringLiteral("key 1"));
    client.commande(QStringLiteral("key Return"));
    const QJsonObject apres_erreur = client.etat();
    QCOMPARE(apres_erreur["etat_soustraction"].toInt(), 1);
    const QJsonObject fenetre = client.fenetre(QStringLiteral("regle_soust"));
    QVERIFY(fenetre["visible"].toBool());
    QVERIFY(!client.controle(QStringLiteral("ButtonOK"))["enabled"].toBool());
    QCOMPARE(texte("Button_rep_3"), QStringLiteral("1 + -2"));

    // OK brings the exercise into view: the window grows by 76 pixels.
    QVERIFY(clique("Button_OK1"));
    QCOMPARE(client.fenetre(QStringLiteral("regle_soust"))["geometry"][u"h"].toInt(),
             fenetre["geometry"][u"h"].toInt() + 76);
    QVERIFY(clique("Button_rep_3"));
    QCOMPARE(texte("Label_faux"), QStringLiteral("EXACT!"));
    QVERIFY(clique("Button_OK2"));
    QCOMPARE(texte("Button_rep_2"), QStringLiteral("-1"));
    QVERIFY(clique("Button_rep_2"));
    QCOMPARE(client.etat()["etat_soustraction"].toInt(), 9);

    // The last OK closes the window and the drill poses its next question.
    QVERIFY(clique("Button_OK2"));
    QVERIFY(!client.fenetre(QStringLiteral("regle_soust"))["visible"].toBool());
    const QJsonObject reprise = client.etat();
    QCOMPARE(reprise["etat_soustraction"].toInt(), 0);
    QCOMPARE(reprise["type_question"].toInt(), 22);
    // A new question: the drill does not repeat one of its last twenty.
    QVERIFY(reprise["texte_question"].toString() != QStringLiteral("1-2"));
    QCOMPARE(client.texte(QStringLiteral("Label_question")), reprise["texte_question"].toString());
    QVERIFY(client.controle(QStringLiteral("ButtonOK"))["enabled"].toBool());
    for (const char *inchange : {"score", "erreurs", "reussites"})
        QCOMPARE(reprise[inchange], apres_erreur[inchange]);
}

QTEST_GUILESS_MAIN(TstScenarioRegleSoust)
#include "tst_scenario_regle_soust.moc"
