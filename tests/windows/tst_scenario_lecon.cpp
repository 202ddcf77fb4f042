// The lesson end to end: opened from the menu of the real program, its
// words clicked, its timers left to tick, closed by its close box and by OK.

#include "client_scenario.h"

#include <QtTest>

class tst_scenario_lecon : public QObject
{
    Q_OBJECT

private slots:
    void une_lecon_du_menu_a_la_fermeture();

private:
    QJsonObject controle(const QString &nom)
    {
        return m_client->controle(nom, QStringLiteral("lecon"));
    }
    QString couleur(const QString &nom) { return controle(nom)["color"].toString(); }
    bool visible(const QString &nom) { return controle(nom)["visible"].toBool(); }
    bool clique(const QString &nom)
    {
        return m_client->commande(QStringLiteral("click lecon.") + nom)["ok"].toBool();
    }
    void verifie_accueil();

    std::unique_ptr<ClientScenario> m_client;
};

void tst_scenario_lecon::verifie_accueil()
{
    QVERIFY(m_client->fenetre(QStringLiteral("lecon"))["visible"].toBool());
    QCOMPARE(controle(QStringLiteral("Label12"))["text"].toString(),
             QStringLiteral("clique sur un mot"));
    QVERIFY(visible(QStringLiteral("Button1")));
    QVERIFY(!visible(QStringLiteral("EffectLabel1")));
    for (const char *nom :
         {"Timer_negatif", "Timer_positif", "Timer_signe", "Timer_va", "Timer_oppose"})
        QVERIFY2(!controle(QString::fromLatin1(nom))["active"].toBool(), nom);
}

void tst_scenario_lecon::une_lecon_du_menu_a_la_fermeture()
{
    m_client = std::make_unique<ClientScenario>(5);
    QVERIFY2(m_client->pret(), qPrintable(m_client->erreur()));
    QVERIFY(m_client->commande(QStringLiteral("menu Leçon"))["ok"].toBool());
    verifie_accueil();

    // The first tick of "nombre négatif" turns the negative side blue.
    QVERIFY(clique(QStringLiteral("Button1")));
    QVERIFY(m_client->attend_que(
        [&] { return couleur(QStringLiteral("Label5d")) == "#0000ff"; }, 3000));
    QVERIFY(visible(QStringLiteral("Image2")));

    // Back home, then "signe" keeps the blue the last word left.
    QVERIFY(clique(QStringLiteral("Button7")));
    verifie_accueil();
    QVERIFY(clique(QStringLiteral("Button4")));
    QCOMPARE(controle(QStringLiteral("EffectLabel2"))["properties"][u"FontColor"].toString(),
             QStringLiteral("#0000ff"));

    // "opposé" sweeps outward: after one tick the arrows stand under -2 and 2.
    QVERIFY(clique(QStringLiteral("Button7")));
    QVERIFY(clique(QStringLiteral("Button6")));
    QCOMPARE(controle(QStringLiteral("Timer_oppose"))["interval"].toInt(), 800);
    QVERIFY(m_client->attend_que(
        [&] { return couleur(QStringLiteral("Label2b")) == "#ffff00"; }, 3000));
    QCOMPARE(controle(QStringLiteral("fleche1"))["geometry"][u"x"].toInt(), 210);
    QCOMPARE(controle(QStringLiteral("fleche2"))["geometry"][u"x"].toInt(), 410);
    QVERIFY(visible(QStringLiteral("trait2")));

    // Closed by its close box mid-sweep, reopened at home.
    QVERIFY(m_client->commande(QStringLiteral("close lecon"))["ok"].toBool());
    QVERIFY(!m_client->fenetre(QStringLiteral("lecon"))["visible"].toBool());
    QVERIFY(m_client->commande(QStringLiteral("menu Leçon"))["ok"].toBool());
    verifie_accueil();

    // OK at home closes the window.
    QVERIFY(clique(QStringLiteral("Button7")));
    QVERIFY(!m_client->fenetre(QStringLiteral("lecon"))["visible"].toBool());
}

QTEST_MAIN(tst_scenario_lecon)
#include "tst_scenario_lecon.moc"
