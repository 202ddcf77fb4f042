// SPDX-License-Identifier: GPL-3.0-or-later
// The addition rule windows end to end: how they are opened by a rule
// error or the menu, and how closing them hands back to the drill.

#include "client_scenario.h"

#include <QtTest>

namespace {

constexpr quint64 graine = 20240611;

// Types an answer on the keyboard, the sign on the numeric pad.
void tape_reponse(ClientScenario &client, const QString &reponse)
{
    for (const QChar c : reponse)
        client.commande(c == '-' ? QStringLiteral("key KP_Subtract") : QStringLiteral("key ") + c);
}

bool visible(ClientScenario &client, const QString &fenetre)
{
    return client.fenetre(fenetre)["visible"].toBool();
}

// The drill has gone on: a fresh question of the same type (a wrong answer
// does not move the series), OK ready, FAUX! gone.
void verifie_question_suivante(ClientScenario &client, const QJsonObject &avant)
{
    const QJsonObject apres = client.etat();
    QCOMPARE(apres["type_question"], avant["type_question"]);
    QCOMPARE(apres["rang_question"], avant["rang_question"]);
    QVERIFY(apres["texte_question"] != avant["texte_question"]);
    QVERIFY(client.controle("ButtonOK")["enabled"].toBool());
    QVERIFY(!client.controle("Image_oui_faux")["visible"].toBool());
}

} // namespace

class TstScenarioReglesAddition : public QObject
{
    Q_OBJECT

private slots:
    void fermer_les_regles_data();
    void fermer_les_regles();
    void la_demonstration_puis_la_question_suivante();
};

void TstScenarioReglesAddition::fermer_les_regles_data()
{
    QTest::addColumn<QStringList>("ouverture");
    QTest::addColumn<QString>("fermeture");
    QTest::addColumn<bool>("reprise");
    // Without a resume, the control that still carries the drill on.
    QTest::addColumn<QString>("suite");

    // The first question is of type 8, x+(-x): any answer but 0 breaks rule 1.
    const QStringList erreur = {"key 1", "key Return"};
    const QStringList saisie = {"key 1", "menu Règle 1"};
    const QStringList correction = {"set score 10", "key 1", "key Return", "menu Règle 1"};
    QTest::newRow("OK after a rule error") << erreur << "click regle_add.Button3" << true << "";
    QTest::newRow("close box after a rule error") << erreur << "close regle_add" << true << "";
    QTest::newRow("OK from the menu while typing")
        << saisie << "click regle_add.Button3" << false << "ButtonOK";
    QTest::newRow("close box from the menu while typing")
        << saisie << "close regle_add" << false << "ButtonOK";
    QTest::newRow("close box from the menu after a correction line")
        << correction << "close regle_add" << false << "Button10";
}

void TstScenarioReglesAddition::fermer_les_regles()
{
    QFETCH(QStringList, ouverture);
    QFETCH(QString, fermeture);
    QFETCH(bool, reprise);
    QFETCH(QString, suite);

    ClientScenario client(graine);
    const QJsonObject avant = client.etat();
    for (const QString &commande : ouverture)
        QVERIFY2(client.commande(commande)["ok"].toBool(), qPrintable(commande));
    QVERIFY(visible(client, "regle_add"));
    QCOMPARE(client.fenetre("regle_add")["caption"].toString(),
             QStringLiteral("Première règle d'addition"));

    QVERIFY2(client.commande(fermeture)["ok"].toBool(), qPrintable(fermeture));
    QVERIFY(!visible(client, "regle_add"));
    if (reprise) {
        verifie_question_suivante(client, avant);
        return;
    }
    // No question skipped: the drill still waits on its own control, and
    // that control, not the closing, goes on.
    QCOMPARE(client.etat()["texte_question"], avant["texte_question"]);
    QVERIFY(client.controle(suite)["enabled"].toBool());
    QVERIFY(client.controle(suite)["visible"].toBool());
    if (suite == QLatin1String("Button10")) {
        client.commande("click general.Button10");
        verifie_question_suivante(client, avant);
    }
}

// Five right answers lead to slot 6 of the first series, type 9, Y+(-x); a
// result of the wrong sign breaks the rule and opens the demonstration.
void TstScenarioReglesAddition::la_demonstration_puis_la_question_suivante()
{
    ClientScenario client(graine);
    for (int reponse = 0; reponse < 5; ++reponse) {
        const QJsonObject etat = client.etat();
        tape_reponse(client, etat["texte_resultat"].toString());
        client.commande("key Return");
        QVERIFY(client.attend_que([&] { return client.etat()["texte_question"] != etat["texte_question"]; }, 2000));
    }
    const QJsonObject avant = client.etat();
    QCOMPARE(avant["type_question"].toInt(), 9);
    const int resultat = avant["texte_resultat"].toString().toInt();
    tape_reponse(client, QString::number(-resultat));
    client.commande("key Return");
    QVERIFY(visible(client, "erreur_addition"));
    QVERIFY(!client.controle("Button1", "erreur_addition")["visible"].toBool());
    QCOMPARE(client.etat()["score"].toInt(), 2);

    // Step 6, the result, comes at the sixth or seventh click.
    int clics = 0;
    while (!client.controle("Button1", "erreur_addition")["visible"].toBool() && clics < 7) {
        QVERIFY(client.commande("click erreur_addition.Image1")["ok"].toBool());
        ++clics;
    }
    QCOMPARE(client.controle("Label50", "erreur_addition")["text"].toString(),
             QString::number(resultat));
    QCOMPARE(clics, qMin(qAbs(avant["operande1"].toInt()), qAbs(avant["operande2"].toInt())) == 1 ? 6 : 7);

    QVERIFY(client.commande("click erreur_addition.Button1")["ok"].toBool());
    QVERIFY(!visible(client, "erreur_addition"));
    verifie_question_suivante(client, avant);
}

QTEST_GUILESS_MAIN(TstScenarioReglesAddition)
#include "tst_scenario_regles_addition.moc"
