// SPDX-License-Identifier: GPL-3.0-or-later
// A session with the keyboard alone, through the real program: a
// correction line, the menu bar by F10, Alt and an underlined letter, a
// word of the lesson, the on-screen test filled and marked, the options.

#include "calcul_question.h"
#include "client_scenario.h"

#include <QtTest>

class TstScenarioClavier : public QObject
{
    Q_OBJECT

private slots:
    void seance_au_clavier_seul();
};

void TstScenarioClavier::seance_au_clavier_seul()
{
    ClientScenario client(1912);
    QVERIFY2(client.pret(), qPrintable(client.erreur()));
    const auto focus = [&] { return client.commande("dump general")["focus"].toString(); };
    const auto visible = [&](const char *f) { return client.fenetre(f)["visible"].toBool(); };

    // A wrong answer: the correction line's OK takes the keyboard.
    client.commande("set score 10");
    const QString question = client.etat()["texte_question"].toString();
    client.commande(client.etat()["texte_resultat"].toString() == u"1" ? "type 2" : "type 1");
    client.commande("key Return");
    QCOMPARE(focus(), QStringLiteral("Button10"));
    client.commande("key Return");
    QVERIFY(client.etat()["texte_question"].toString() != question);
    QCOMPARE(focus(), QStringLiteral("ButtonOK"));

    // F10 selects the bar and Escape leaves it; F10, Return: the lesson.
    client.commande("key F10");
    client.commande("key Escape");
    QCOMPARE(focus(), QStringLiteral("ButtonOK"));
    client.commande("key F10");
    client.commande("key Return");
    QCOMPARE(client.commande("dump")["activeWindow"].toString(), QStringLiteral("lecon"));
    client.commande("key Return");
    QCOMPARE(client.controle("Label12", "lecon")["text"].toString(), QStringLiteral("Nombres négatifs:"));
    QCOMPARE(focus(), QStringLiteral("Button7"));
    client.commande("key Return");
    QVERIFY(client.controle("Button1", "lecon")["visible"].toBool());
    client.commande("key Escape");
    QVERIFY(!visible("lecon"));

    // A tap of Alt, the arrows into "Test": forty answers typed in tab
    // order, marked by Return, the window closed by Return.
    client.commande("key Alt");
    for (const char *touche : {"Right", "Right", "Right", "Right", "Down", "Down", "Return"})
        client.commande(QStringLiteral("key ") + touche);
    QCOMPARE(focus(), QStringLiteral("Edit_nom"));
    client.commande("key Tab");
    for (int n = 1; n <= 40; ++n) {
        client.commande("key Tab");
        client.commande("type " + calcule_question(client.controle(QStringLiteral("Label%1").arg(n),
                                                                   "test")["text"].toString()));
    }
    client.commande("key Tab");
    client.commande("key Return");
    QCOMPARE(client.controle("EffectLabel_note", "test")["text"].toString(), QStringLiteral("20/20"));
    client.commande("key Return");
    QVERIFY(!visible("test"));

    // Alt+O: a speed typed, level 2 chosen by the arrows, "Appliquer" by
    // Return, Escape; the main window answers the keys again.
    client.commande("key Alt+O");
    for (int i = 0; i < 60 && focus() != u"Edit37"; ++i)
        client.commande("key Tab");
    for (const char *touche : {"End", "Backspace", "Backspace", "5", "5", "Tab", "Down", "Down",
                               "Tab", "Return", "Escape"})
        client.commande(QStringLiteral("key ") + touche);
    QCOMPARE(client.etat()["niveau"].toInt(), 2);
    QCOMPARE(client.etat()["vitesse_ciblage"].toDouble(), 5.5);
    QVERIFY(!visible("options"));
    client.commande("key 4");
    QCOMPARE(client.texte("Panel2"), QStringLiteral("4"));
    QCOMPARE(client.termine(), 0);
}

QTEST_GUILESS_MAIN(TstScenarioClavier)
#include "tst_scenario_clavier.moc"
