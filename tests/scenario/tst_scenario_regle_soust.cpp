// The subtraction rule window end to end: a rule error on a subtraction
// below a score of 10 opens it; the pupil goes through both stages of its
// exercise by clicks, and its last OK gives the drill back.

#include "client_scenario.h"

#include <QJsonArray>
#include <QtTest>

namespace {

// The second level of this run begins with 1 - 2, of type 22 (x-Y).
constexpr quint64 graine = 20240611;

bool visible(ClientScenario &client, const QString &controle)
{
    return client.controle(controle, QStringLiteral("regle_soust"))["visible"].toBool();
}

QString texte(ClientScenario &client, const QString &controle)
{
    return client.controle(controle, QStringLiteral("regle_soust"))["text"].toString();
}

} // namespace

class TstScenarioRegleSoust : public QObject
{
    Q_OBJECT

private slots:
    void une_erreur_de_regle_en_soustraction_ouvre_l_exercice_jusqu_a_la_reprise();
};

void TstScenarioRegleSoust::une_erreur_de_regle_en_soustraction_ouvre_l_exercice_jusqu_a_la_reprise()
{
    ClientScenario client(graine);
    QVERIFY2(client.pret(), qPrintable(client.erreur()));
    // Win the first level at once to reach the subtractions.
    client.commande(QStringLiteral("set score 19"));
    for (const QChar c : client.etat()["texte_resultat"].toString())
        client.commande(c == '-' ? QStringLiteral("key KP_Subtract") : QStringLiteral("key ") + c);
    client.commande(QStringLiteral("key Return"));
    QVERIFY(client.attend_que([&] { return client.etat()["niveau"].toInt() == 2; }, 8000, 100));
    QCOMPARE(client.etat()["texte_question"].toString(), QStringLiteral("1-2"));

    // 1 for 1 - 2: the sign is wrong, a rule error.
    client.commande(QStringLiteral("key 1"));
    client.commande(QStringLiteral("key Return"));
    const QJsonObject apres_erreur = client.etat();
    QCOMPARE(apres_erreur["etat_soustraction"].toInt(), 1);
    QCOMPARE(apres_erreur["erreurs"].toArray().at(21).toInt(), 1);
    const QJsonObject fenetre = client.fenetre(QStringLiteral("regle_soust"));
    QVERIFY(fenetre["visible"].toBool());
    QVERIFY(!client.controle(QStringLiteral("ButtonOK"))["enabled"].toBool());
    QCOMPARE(texte(client, "Label_app_1") + texte(client, "Label_app_2") + texte(client, "Label_app_3"),
             QStringLiteral("1-2"));
    QCOMPARE(texte(client, "Button_rep_3"), QStringLiteral("1 + -2"));

    // OK brings the exercise into view: the window grows by 76 pixels.
    QVERIFY(client.commande(QStringLiteral("click regle_soust.Button_OK1"))["ok"].toBool());
    QCOMPARE(client.fenetre(QStringLiteral("regle_soust"))["geometry"][u"h"].toInt(),
             fenetre["geometry"][u"h"].toInt() + 76);
    QVERIFY(!visible(client, "Button_OK1"));

    QVERIFY(client.commande(QStringLiteral("click regle_soust.Button_rep_3"))["ok"].toBool());
    QCOMPARE(texte(client, "Label_faux"), QStringLiteral("EXACT!"));
    QCOMPARE(client.etat()["etat_soustraction"].toInt(), 6);
    QVERIFY(client.commande(QStringLiteral("click regle_soust.Button_OK2"))["ok"].toBool());
    QCOMPARE(texte(client, "Button_rep_2"), QStringLiteral("-1"));
    QVERIFY(client.commande(QStringLiteral("click regle_soust.Button_rep_2"))["ok"].toBool());
    QCOMPARE(client.etat()["etat_soustraction"].toInt(), 9);
    QVERIFY(visible(client, "Button_OK2"));

    // The last OK closes the window and the drill poses its next question.
    QVERIFY(client.commande(QStringLiteral("click regle_soust.Button_OK2"))["ok"].toBool());
    QVERIFY(!client.fenetre(QStringLiteral("regle_soust"))["visible"].toBool());
    const QJsonObject reprise = client.etat();
    QCOMPARE(reprise["etat_soustraction"].toInt(), 0);
    QCOMPARE(reprise["type_question"].toInt(), 22);
    // A new question: the drill does not repeat one of its last twenty.
    QVERIFY(reprise["texte_question"].toString() != QStringLiteral("1-2"));
    QCOMPARE(client.texte(QStringLiteral("Label_question")), reprise["texte_question"].toString());
    QVERIFY(client.controle(QStringLiteral("ButtonOK"))["enabled"].toBool());
    QCOMPARE(reprise["score"].toInt(), apres_erreur["score"].toInt());
    QCOMPARE(reprise["erreurs"], apres_erreur["erreurs"]);
    QCOMPARE(reprise["reussites"], apres_erreur["reussites"]);
}

QTEST_GUILESS_MAIN(TstScenarioRegleSoust)
#include "tst_scenario_regle_soust.moc"
