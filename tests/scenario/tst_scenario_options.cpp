// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog end to end: restarting a level from it, from
// the middle of a level, from a correction line and after the end of the
// drill, then its defaults, through the real program under tavelo-scenario.

#include "client_scenario.h"

#include <QJsonArray>
#include <QtTest>

namespace {

constexpr quint64 graine = 314;

double poids_du_type_8(const QJsonObject &etat)
{
    return etat["repartition"].toArray().at(7).toDouble();
}

// Answers on the main window's keypad, with the mouse, and sends.
void repond(ClientScenario &client, const QString &reponse)
{
    for (const QChar c : reponse)
        client.commande(c == u'-' ? QStringLiteral("click general.Button_")
                                  : QStringLiteral("click general.Button") + c);
    client.commande(QStringLiteral("click general.ButtonOK"));
}

// Waits for the next question once a right answer has gone through.
bool repond_juste(ClientScenario &client)
{
    const int rang = client.etat()["rang_question"].toInt();
    repond(client, client.etat()["texte_resultat"].toString());
    return client.attend_que([&] { return client.etat()["rang_question"].toInt() != rang
                                          && client.controle("ButtonOK")["enabled"].toBool(); },
                             2000);
}

} // namespace

class TstScenarioOptions : public QObject
{
    Q_OBJECT

private slots:
    void redemarrer_un_niveau_puis_par_defaut();

private:
    // Presses "Appliquer" and checks for a fresh first question of the
    // level, the counters kept, the weights kept or back at their start.
    void redemarre(ClientScenario &client, int niveau, int type, const QString &titre,
                   bool poids_de_depart);
};

void TstScenarioOptions::redemarre(ClientScenario &client, int niveau, int type,
                                   const QString &titre, bool poids_de_depart)
{
    const QJsonObject avant = client.etat();
    client.commande("click options.Button4");
    const QJsonObject etat = client.etat();
    QCOMPARE(etat["niveau"].toInt(), niveau);
    QCOMPARE(etat["score"].toInt(), 0);
    QCOMPARE(etat["rang_question"].toInt(), 1);
    QVERIFY(type == 0 || etat["type_question"].toInt() == type);
    QCOMPARE(etat["reussites"], avant["reussites"]);
    QCOMPARE(etat["erreurs"], avant["erreurs"]);
    QCOMPARE(poids_du_type_8(etat), poids_de_depart ? 2.0 : poids_du_type_8(avant));
    QCOMPARE(client.fenetre("general")["caption"].toString(), titre);
    QCOMPARE(client.texte("Label_question"), etat["texte_question"].toString());
    for (const char *visible : {"Label1", "Panel2", "ButtonOK", "Button0"})
        QVERIFY2(client.controle(visible)["visible"].toBool(), visible);
    for (const char *cache : {"Panel6", "EffectLabel10"})
        QVERIFY2(!client.controle(cache)["visible"].toBool(), cache);
}

void TstScenarioOptions::redemarrer_un_niveau_puis_par_defaut()
{
    ClientScenario client(graine);
    QVERIFY2(client.pret(), qPrintable(client.erreur()));

    // The counters and the weights away from their start: type 8 right,
    // type 12 wrong then right as the last slot of the series, after which
    // the weights adapt (type 8 loses half of its 2).
    QVERIFY(repond_juste(client));
    QCOMPARE(client.etat()["type_question"].toInt(), 12);
    client.commande("set score 10");
    repond(client, QStringLiteral("1"));
    client.commande("click general.Button10");
    client.commande("set rang_question 20");
    QVERIFY(repond_juste(client));
    QCOMPARE(poids_du_type_8(client.etat()), 1.0);

    // Level 2 from the middle of level 1, the choice taken by its caption.
    QVERIFY(client.commande("menu Options")["triggered"].toBool());
    client.commande("click options.Label48");
    QVERIFY(client.controle("RadioButton2", "options")["checked"].toBool());
    QVERIFY(!client.controle("RadioButton4", "options")["checked"].toBool());
    redemarre(client, 2, 22, QStringLiteral("Second niveau: la soustraction"), false);

    // Level 1 while a correction line is up.
    client.commande("set score 10");
    repond(client, QStringLiteral("0"));
    QVERIFY(client.controle("Panel6")["visible"].toBool());
    client.commande("click options.RadioButton1");
    redemarre(client, 1, 8, QStringLiteral("Premier niveau: l'addition"), false);

    // Level 3 after "Félicitations!!!": its weights start again.
    client.commande("set niveau 3");
    client.commande("set score 39");
    repond(client, client.etat()["texte_resultat"].toString());
    QVERIFY(client.attend_que([&] { return client.texte("Label_question") == u"Félicitations!!!"; },
                              2000));
    QVERIFY(!client.controle("ButtonOK")["visible"].toBool());
    client.commande("click options.Label49");
    redemarre(client, 3, 0, QStringLiteral("Troisième niveau: addition et soustraction"), true);

    // The caption of "Eviter les retenues" acts at once; "Par défaut" puts
    // the defaults in force at once and restarts nothing.
    client.commande("click options.Label42");
    QVERIFY(client.etat()["avec_retenues"].toBool());
    client.commande("set max_avec_calcul 30");
    client.commande("set vitesse_ciblage 5.5");
    QJsonObject attendu = client.etat();
    client.commande("click options.Button5");
    attendu["avec_retenues"] = false;
    attendu["max_avec_calcul"] = 9;
    attendu["vitesse_ciblage"] = 2.0;
    QCOMPARE(client.etat(), attendu);
    QVERIFY(client.controle("RadioButton4", "options")["checked"].toBool());
    QVERIFY(client.controle("CheckBox1", "options")["checked"].toBool());
}

QTEST_GUILESS_MAIN(TstScenarioOptions)
#include "tst_scenario_options.moc"
