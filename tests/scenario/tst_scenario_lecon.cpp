// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson end to end: opened from the menu of the real program, its
// sweep left to tick on its own timer, closed by its close box, reopened at
// home and closed by OK.

#include "client_scenario.h"

#include <QJsonArray>
#include <QtTest>

class tst_scenario_lecon : public QObject
{
    Q_OBJECT

private slots:
    void une_lecon_du_menu_a_la_fermeture();
};

void tst_scenario_lecon::une_lecon_du_menu_a_la_fermeture()
{
    ClientScenario client(5);
    auto controle = [&](const char *nom) { return client.controle(nom, QStringLiteral("lecon")); };
    auto ouverte = [&] { return client.fenetre(QStringLiteral("lecon"))["visible"].toBool(); };
    QVERIFY2(client.pret(), qPrintable(client.erreur()));
    QVERIFY(client.commande(QStringLiteral("menu Leçon"))["ok"].toBool());
    QVERIFY(ouverte());

    QVERIFY(client.commande(QStringLiteral("click lecon.Button6"))["ok"].toBool());
    QVERIFY(client.attend_que([&] { return controle("Label2b")["color"] == "#ffff00"; }, 3000));
    QCOMPARE(controle("fleche1")["geometry"][u"x"].toInt(), 210);
    QCOMPARE(controle("fleche2")["geometry"][u"x"].toInt(), 410);
    QVERIFY(controle("trait2")["visible"].toBool());

    QVERIFY(client.commande(QStringLiteral("close lecon"))["ok"].toBool());
    QVERIFY(!ouverte());
    // Closed, the window runs no timer: not the sweep, nor any other.
    int minuteries = 0;
    for (const QJsonValue c : client.fenetre(QStringLiteral("lecon"))["controls"].toArray())
        if (c[u"class"].toString() == u"QTimer") {
            ++minuteries;
            QVERIFY2(!c[u"active"].toBool(), qPrintable(c[u"objectName"].toString()));
        }
    QVERIFY(minuteries >= 5);
    QVERIFY(client.commande(QStringLiteral("menu Leçon"))["ok"].toBool());
    QVERIFY(controle("Button1")["visible"].toBool());
    QVERIFY(!controle("Timer_oppose")["active"].toBool());
    QCOMPARE(controle("Label2b")["color"].toString(), QStringLiteral("#000000"));

    QVERIFY(client.commande(QStringLiteral("click lecon.Button7"))["ok"].toBool());
    QVERIFY(!ouverte());
}

QTEST_MAIN(tst_scenario_lecon)
#include "tst_scenario_lecon.moc"
