// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario driver itself: what it refuses, how its mouse treats hidden
// and disabled controls, and its window pictures.

#include "client_scenario.h"

#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr quint64 graine = 5;
}

class TstScenarioPilote : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void les_commandes_impossibles_sont_refusees_data();
    void les_commandes_impossibles_sont_refusees();
    void un_nom_de_deux_fenetres_se_precise();
    void un_controle_cache_laisse_le_clic_a_ce_qui_est_dessous();
    void un_controle_desactive_ne_recoit_rien();
    void la_photographie_a_la_taille_de_la_fenetre();
    void les_barres_et_leur_case_de_fermeture();
    void une_meme_graine_rejoue_les_memes_questions();

private:
    std::unique_ptr<ClientScenario> m_client;
};

void TstScenarioPilote::initTestCase()
{
    m_client = std::make_unique<ClientScenario>(graine);
    QVERIFY2(m_client->commande("state")["ok"].toBool(), qPrintable(m_client->erreur()));
}

void TstScenarioPilote::les_commandes_impossibles_sont_refusees_data()
{
    QTest::addColumn<QString>("commande");
    QTest::newRow("commande inconnue") << "jump 3";
    QTest::newRow("ligne vide") << "";
    QTest::newRow("contrôle inconnu") << "click Button42";
    QTest::newRow("fenêtre inconnue") << "click nulle_part.Button1";
    QTest::newRow("touche inconnue") << "key Pomme";
    QTest::newRow("AZERTY hors des chiffres") << "key Q@azerty";
    QTest::newRow("entrée de menu inconnue") << "menu Fichier";
    QTest::newRow("sous-menu inconnu") << "menu Test/Corriger";
    QTest::newRow("variable inconnue") << "set age 7";
    QTest::newRow("tableau") << "set questionnaire 3";
    QTest::newRow("valeur illisible") << "set score neuf";
    QTest::newRow("type hors du catalogue") << "set type_question 99";
    QTest::newRow("score qui déborderait") << "set score 2147483647";
    QTest::newRow("texte plus long que 15") << "set texte_resultat 1234567890123456";
    QTest::newRow("clic sans nom") << "click ";
    QTest::newRow("clic sans contrôle") << "click general.";
    QTest::newRow("clic sans fenêtre") << "click .Button1";
    QTest::newRow("attente illisible") << "wait longtemps";
    QTest::newRow("photo sans fichier") << "shot general";
    QTest::newRow("dump d'une fenêtre inconnue") << "dump nulle_part";
}

void TstScenarioPilote::les_commandes_impossibles_sont_refusees()
{
    QFETCH(QString, commande);
    const QJsonObject reponse = m_client->commande(commande);
    QCOMPARE(reponse["ok"].toBool(), false);
    QVERIFY(!reponse["error"].toString().isEmpty());
    // The driver goes on answering.
    QVERIFY(m_client->commande("state")["ok"].toBool());
}

void TstScenarioPilote::un_nom_de_deux_fenetres_se_precise()
{
    // Panel1 frames the question and the about box's text.
    const QJsonObject ambigu = m_client->commande("click Panel1");
    QCOMPARE(ambigu["ok"].toBool(), false);
    QVERIFY2(ambigu["error"].toString().contains("general.Panel1"), qPrintable(ambigu["error"].toString()));

    const QJsonObject precis = m_client->commande("click general.panel1");
    QVERIFY(precis["ok"].toBool());
    QCOMPARE(precis["window"].toString(), QStringLiteral("general"));
    // The about box is hidden: a mouse cannot reach its controls.
    const QJsonObject cache = m_client->commande("click a_propos.Panel1");
    QVERIFY(cache["ok"].toBool());
    QVERIFY(cache["target"].isNull());
}

void TstScenarioPilote::un_controle_cache_laisse_le_clic_a_ce_qui_est_dessous()
{
    // Button10 shows only under a correction line.
    const QJsonObject reponse = m_client->commande("click Button10");
    QVERIFY(reponse["ok"].toBool());
    QVERIFY(!reponse["target"].toString().isEmpty());
    QVERIFY(reponse["target"].toString() != QLatin1String("Button10"));
}

void TstScenarioPilote::un_controle_desactive_ne_recoit_rien()
{
    ClientScenario client(graine);
    client.commande("key 7");
    client.commande("key Return");
    // The answer is judged; OK is disabled until the next question.
    QVERIFY(!client.controle("ButtonOK")["enabled"].toBool());
    const QJsonObject avant = client.etat();
    QCOMPARE(client.commande("click ButtonOK")["target"].toString(), QStringLiteral("ButtonOK"));
    const QJsonObject apres = client.etat();
    QCOMPARE(apres["score"], avant["score"]);
    QCOMPARE(apres["erreurs"], avant["erreurs"]);
    QCOMPARE(apres["reussites"], avant["reussites"]);
}

void TstScenarioPilote::la_photographie_a_la_taille_de_la_fenetre()
{
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const QString fichier = dossier.filePath("general.png");
    QVERIFY(m_client->commande("shot general " + fichier)["ok"].toBool());
    const QImage image(fichier);
    QVERIFY(!image.isNull());
    const QJsonObject g = m_client->fenetre("general")["geometry"].toObject();
    QCOMPARE(image.size(), QSize(g["w"].toInt(), g["h"].toInt()));

    // A rectangle of the window: its top left corner is the window's.
    const QString coin = dossier.filePath("coin.png");
    QVERIFY(m_client->commande("shot general 0,0,120,80 " + coin)["ok"].toBool());
    const QImage partie(coin);
    QCOMPARE(partie.size(), QSize(120, 80));
    QCOMPARE(partie, image.copy(0, 0, 120, 80));
}

// The dump reports the painted bars; "close" clicks a bar's close button,
// and asks a window without one to close.
void TstScenarioPilote::les_barres_et_leur_case_de_fermeture()
{
    ClientScenario client(graine);
    const QJsonObject barre = client.fenetre("general")["bar"].toObject();
    QCOMPARE(barre["caption"].toString(), QStringLiteral("Premier niveau: l'addition"));
    QVERIFY(barre["active"].toBool());
    QCOMPARE(barre["colors"].toArray(), (QJsonArray{"#ff0000", "#ffff00"}));
    QCOMPARE(barre["buttons"].toArray(),
             (QJsonArray{QJsonObject{{"kind", "close"}, {"enabled", true}},
                         QJsonObject{{"kind", "maximize"}, {"enabled", false}},
                         QJsonObject{{"kind", "minimize"}, {"enabled", true}}}));
    QVERIFY(barre["icon"].toBool());
    QVERIFY(!client.fenetre("options").contains("bar"));

    client.commande("menu Leçon");
    const QJsonObject fermee = client.commande("close lecon");
    QCOMPARE(fermee["through"].toString(), QStringLiteral("bar"));
    QVERIFY(fermee["closed"].toBool());
    QVERIFY(!client.fenetre("lecon")["visible"].toBool());

    client.commande("menu Aide/A propos...");
    QVERIFY(client.fenetre("a_propos")["bar"][u"buttons"].toArray().isEmpty());
    const QJsonObject demandee = client.commande("close a_propos");
    QVERIFY(!demandee.contains("through"));
    QVERIFY(demandee["closed"].toBool());
}

void TstScenarioPilote::une_meme_graine_rejoue_les_memes_questions()
{
    // Three questions, each answered right, in two runs with one seed.
    QList<QJsonValue> parties;
    for (int run = 0; run < 2; ++run) {
        ClientScenario client(graine);
        for (int rang = 1; rang <= 3; ++rang) {
            // The sign from the pad; the main minus key does not type it.
            const QString resultat = client.etat()["texte_resultat"].toString();
            if (resultat.startsWith('-'))
                client.commande("key KP_Subtract");
            client.commande("type " + resultat.mid(resultat.startsWith('-') ? 1 : 0));
            client.commande("click ButtonOK");
            QVERIFY(client.attend_que([&] { return client.etat()["rang_question"].toInt() == rang + 1
                                                   && client.controle("ButtonOK")["enabled"].toBool(); },
                                      2000));
        }
        parties.append(client.etat()["dernieres_questions"]);
    }
    QCOMPARE(parties[0], parties[1]);
    QVERIFY(!parties[0].toArray().at(3).toString().isEmpty());
}

QTEST_GUILESS_MAIN(TstScenarioPilote)
#include "tst_scenario_pilote.moc"
