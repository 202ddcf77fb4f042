// A whole session with the keyboard alone, through the real program: a
// correction line, the menu bar opened by F10, by Alt and by its underlined
// letters, a word of the lesson, a rule window, the about box, the
// on-screen test filled and marked, and the configuration dialog.

#include "calcul_question.h"
#include "client_scenario.h"

#include <QtTest>

namespace {

constexpr quint64 graine = 1912;

bool visible(ClientScenario &client, const char *fenetre)
{
    return client.fenetre(QString::fromLatin1(fenetre))["visible"].toBool();
}

QString active(ClientScenario &client)
{
    return client.commande("dump general")["activeWindow"].toString();
}

QString focus(ClientScenario &client)
{
    return client.commande("dump general")["focus"].toString();
}

// Tab until the control has the keyboard; false after `au_plus` strokes.
bool tabule_jusqu_a(ClientScenario &client, const QString &controle, int au_plus)
{
    for (int i = 0; i < au_plus && focus(client) != controle; ++i)
        client.commande("key Tab");
    return focus(client) == controle;
}

} // namespace

class TstScenarioClavier : public QObject
{
    Q_OBJECT

private slots:
    void seance_au_clavier_seul();
};

void TstScenarioClavier::seance_au_clavier_seul()
{
    ClientScenario client(graine);
    QVERIFY2(client.pret(), qPrintable(client.erreur()));
    QCOMPARE(focus(client), QStringLiteral("ButtonOK"));

    // F10 selects the bar, Escape leaves it: the answer keys work again.
    client.commande("key F10");
    QVERIFY(focus(client) != QLatin1String("ButtonOK"));
    client.commande("key Escape");
    QCOMPARE(focus(client), QStringLiteral("ButtonOK"));
    client.commande("key 7");
    QCOMPARE(client.texte("Panel2"), QStringLiteral("7"));
    client.commande("key Delete");

    // A wrong answer sent by Return: the correction line's OK takes the
    // keyboard, and Return goes on to the next question.
    client.commande("set score 10");
    const QString question = client.etat()["texte_question"].toString();
    const QString juste = client.etat()["texte_resultat"].toString();
    client.commande(juste == u"1" ? "type 2" : "type 1");
    client.commande("key Return");
    QVERIFY(client.controle("Panel6")["visible"].toBool());
    QCOMPARE(focus(client), QStringLiteral("Button10"));
    client.commande("key Return");
    QVERIFY(!client.controle("Panel6")["visible"].toBool());
    QVERIFY(client.etat()["texte_question"].toString() != question);
    QCOMPARE(focus(client), QStringLiteral("ButtonOK"));

    // F10 then Return: the lesson, its first word, OK back home, Escape.
    client.commande("key F10");
    client.commande("key Return");
    QVERIFY(visible(client, "lecon"));
    QCOMPARE(active(client), QStringLiteral("lecon"));
    QCOMPARE(focus(client), QStringLiteral("Button1"));
    client.commande("key Return");
    QCOMPARE(client.controle("Label12", "lecon")["text"].toString(), QStringLiteral("Nombres négatifs:"));
    QCOMPARE(focus(client), QStringLiteral("Button7"));
    client.commande("key Space");
    QVERIFY(client.controle("Button1", "lecon")["visible"].toBool());
    client.commande("key Escape");
    QVERIFY(!visible(client, "lecon"));

    // A tap of Alt, the arrow to "Règle 1", Return; Return on its OK.
    client.commande("key Alt");
    client.commande("key Right");
    client.commande("key Return");
    QVERIFY(visible(client, "regle_add"));
    QCOMPARE(client.etat()["regle_choisie"].toInt(), 1);
    client.commande("key Return");
    QVERIFY(!visible(client, "regle_add"));

    // The about box by its letters; Return on its OK.
    client.commande("key Alt+A");
    client.commande("key P");
    QVERIFY(visible(client, "a_propos"));
    client.commande("key Return");
    QVERIFY(!visible(client, "a_propos"));

    // The on-screen test through the arrows into the "Test" menu: names and
    // forty answers typed in tab order, marked by Return, closed by Return.
    client.commande("key F10");
    for (int i = 0; i < 4; ++i)
        client.commande("key Right");
    client.commande("key Down");
    client.commande("key Down");
    client.commande("key Return");
    QVERIFY(visible(client, "test"));
    QCOMPARE(focus(client), QStringLiteral("Edit_nom"));
    client.commande("type Dupont");
    client.commande("key Tab");
    client.commande("type Marie");
    for (int n = 1; n <= 40; ++n) {
        client.commande("key Tab");
        const QString question =
            client.controle(QStringLiteral("Label%1").arg(n), "test")["text"].toString();
        client.commande("type " + calcule_question(question));
    }
    client.commande("key Tab");
    QCOMPARE(focus(client), QStringLiteral("Button1"));
    client.commande("key Return");
    QCOMPARE(client.controle("EffectLabel_note", "test")["text"].toString(), QStringLiteral("20/20"));
    client.commande("key Return");
    QVERIFY(!visible(client, "test"));

    // The configuration dialog: a speed typed, level 2 chosen by the
    // arrows, "Appliquer" pressed by Return, Escape.
    client.commande("key Alt+O");
    QVERIFY(visible(client, "options"));
    QVERIFY(tabule_jusqu_a(client, QStringLiteral("Edit37"), 60));
    client.commande("key End");
    client.commande("key Backspace");
    client.commande("key Backspace");
    client.commande("type 55");
    QVERIFY(tabule_jusqu_a(client, QStringLiteral("RadioButton4"), 5));
    client.commande("key Down");
    client.commande("key Down");
    QVERIFY(client.controle("RadioButton2", "options")["checked"].toBool());
    QVERIFY(tabule_jusqu_a(client, QStringLiteral("Button4"), 1));
    client.commande("key Return");
    QCOMPARE(client.etat()["niveau"].toInt(), 2);
    QCOMPARE(client.etat()["vitesse_ciblage"].toDouble(), 5.5);
    client.commande("key Escape");
    QVERIFY(!visible(client, "options"));
    // Back in the main window (handed back as a window manager does), the
    // keys answer the question again.
    client.commande("key 4");
    QCOMPARE(client.texte("Panel2"), QStringLiteral("4"));
    QCOMPARE(client.termine(), 0);
}

QTEST_GUILESS_MAIN(TstScenarioClavier)
#include "tst_scenario_clavier.moc"
