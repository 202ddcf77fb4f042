// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the pupil finds it at start: the windows of the run,
// the controls' places, captions and fonts, the timers and the menu.

#include "client_scenario.h"

#include <QJsonArray>
#include <QRect>
#include <QtTest>

namespace {

constexpr quint64 graine = 77;

// What a geometry must be; -1 leaves a field unchecked (it follows the
// question's width and is checked by the layout test).
bool meme_geometrie(const QJsonObject &g, const QRect &attendu)
{
    const int lus[] = {g["x"].toInt(), g["y"].toInt(), g["w"].toInt(), g["h"].toInt()};
    const int voulus[] = {attendu.x(), attendu.y(), attendu.width(), attendu.height()};
    for (int i = 0; i < 4; ++i)
        if (voulus[i] != -1 && lus[i] != voulus[i])
            return false;
    return true;
}

QString en_texte(const QJsonObject &g)
{
    return QStringLiteral("(%1, %2) %3 x %4")
        .arg(g["x"].toInt())
        .arg(g["y"].toInt())
        .arg(g["w"].toInt())
        .arg(g["h"].toInt());
}

QRect rect(int x, int y, int w, int h)
{
    return QRect(x, y, w, h);
}

} // namespace

class TstScenarioFenetre : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void les_huit_fenetres_et_l_ecran();
    void les_controles_de_la_fenetre_principale_data();
    void les_controles_de_la_fenetre_principale();
    void la_ligne_de_la_question_suit_sa_largeur();
    void les_minuteries_data();
    void les_minuteries();
    void les_diodes_du_score();
    void le_menu_data();
    void le_menu();
    void le_menu_montre_sa_fenetre_data();
    void le_menu_montre_sa_fenetre();

private:
    std::unique_ptr<ClientScenario> m_client;
    QJsonObject m_general;

    QJsonObject controle(const QString &nom) const;
};

QJsonObject TstScenarioFenetre::controle(const QString &nom) const
{
    for (const QJsonValue c : m_general["controls"].toArray())
        if (c[u"objectName"].toString() == nom)
            return c.toObject();
    return {};
}

void TstScenarioFenetre::initTestCase()
{
    m_client = std::make_unique<ClientScenario>(graine);
    m_general = m_client->fenetre("general");
    QVERIFY2(m_client->pret(), qPrintable(m_client->erreur()));
}

void TstScenarioFenetre::les_huit_fenetres_et_l_ecran()
{
    const QJsonObject dump = m_client->commande("dump");
    QCOMPARE(dump["screen"].toObject(), (QJsonObject{{"x", 0}, {"y", 0}, {"w", 1280}, {"h", 1024}}));
    QCOMPARE(dump["activeWindow"].toString(), QStringLiteral("general"));

    const QStringList noms = {"general", "regle_add", "regle_soust", "erreur_addition",
                              "a_propos", "lecon", "test", "options"};
    const QJsonArray fenetres = dump["windows"].toArray();
    QCOMPARE(fenetres.size(), noms.size());
    for (int i = 0; i < noms.size(); ++i) {
        const QJsonObject f = fenetres[i].toObject();
        QCOMPARE(f["objectName"].toString(), noms[i]);
        QCOMPARE(f["class"].toString(), QStringLiteral("T") + noms[i]);
        // Only the main window is shown at start; the others stay on top of it.
        QCOMPARE(f["visible"].toBool(), i == 0);
        QCOMPARE(f["stayOnTop"].toBool(), i != 0);
    }
    QVERIFY(m_general["maximized"].toBool());
    QVERIFY(m_general["active"].toBool());
    // Maximised on the 1280 x 1024 screen: the frame takes at most a few
    // pixels on each side and the title bar at the top.
    const QJsonObject cadre = m_general["frame"].toObject();
    QCOMPARE(cadre["x"].toInt(), 0);
    QCOMPARE(cadre["w"].toInt(), 1280);
    QVERIFY2(m_general["geometry"][u"w"].toInt() >= 1260, qPrintable(en_texte(m_general["geometry"].toObject())));
    QCOMPARE(m_general["caption"].toString(), QStringLiteral("Premier niveau: l'addition"));
    QCOMPARE(m_general["font"][u"family"].toString(), QStringLiteral("Arial Narrow"));
    QCOMPARE(m_general["font"][u"pixelSize"].toInt(), 12);
}

void TstScenarioFenetre::les_controles_de_la_fenetre_principale_data()
{
    QTest::addColumn<QRect>("geometrie");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("texte"); // null: not checked
    QTest::addColumn<int>("hauteur_police"); // 0: not checked
    QTest::addColumn<QString>("image");

    const QString non_lu;
    QTest::newRow("Panel1") << rect(66, 8, -1, 73) << true << non_lu << 0 << non_lu;
    QTest::newRow("Label_question") << rect(15, 12, -1, -1) << true << non_lu << 48 << non_lu;
    QTest::newRow("Label1") << rect(-1, 19, -1, -1) << true << "=" << 48 << non_lu;
    QTest::newRow("Panel2") << rect(-1, 9, 89, 73) << true << non_lu << 48 << non_lu;
    QTest::newRow("Image_faux2") << rect(4, 8, 80, 60) << false << non_lu << 0 << non_lu;
    QTest::newRow("Image_oui_faux") << rect(-1, 30, -1, -1) << false << non_lu << 0 << "bitmap_13";
    QTest::newRow("Button_") << rect(66, 170, 45, 189) << true << "(-)" << 43 << non_lu;
    const int colonnes[] = {114, 162, 210};
    const int rangees[] = {266, 218, 170};
    for (int chiffre = 1; chiffre <= 9; ++chiffre) {
        const QString nom = QStringLiteral("Button%1").arg(chiffre);
        QTest::newRow(qPrintable(nom))
            << rect(colonnes[(chiffre - 1) % 3], rangees[(chiffre - 1) / 3], 45, 45) << true
            << QString::number(chiffre) << 43 << non_lu;
    }
    QTest::newRow("Button0") << rect(114, 314, 141, 45) << true << "0" << 43 << non_lu;
    QTest::newRow("ButtonOK") << rect(258, 170, 93, 93) << true << "OK" << 43 << non_lu;
    QTest::newRow("button_correction") << rect(258, 266, 93, 93) << true << "effacer" << 19 << non_lu;
    QTest::newRow("Panel6") << rect(66, 94, 221, 69) << false << non_lu << 45 << non_lu;
    QTest::newRow("EffectLabel9") << rect(104, 116, 441, 37) << false
                                  << "Tu dois maintenant effectuer un test." << 24 << non_lu;
    QTest::newRow("EffectLabel10") << rect(295, 100, 193, 70) << false
                                   << "Zéro est neutre pour l'addition" << 24 << non_lu;
    QTest::newRow("Label17") << rect(175, 395, 290, 33) << false
                             << "Clique sur OK pour continuer:" << 19 << non_lu;
    QTest::newRow("Button10") << rect(472, 391, 41, 36) << false << "OK" << 0 << non_lu;
    QTest::newRow("Image1") << rect(555, 20, 69, 373) << true << non_lu << 0 << "bitmap_1";
    // The level start gives the cover its full height for a score of 0.
    QTest::newRow("Image2") << rect(573, 59, 33, 320) << true << non_lu << 0 << "bitmap_2";
    QTest::newRow("Image9") << rect(425, 185, 69, 20) << true << non_lu << 0 << "bitmap_18";
    QTest::newRow("Image8") << rect(425, 205, 69, 20) << true << non_lu << 0 << "bitmap_17";
    QTest::newRow("Image7") << rect(425, 225, 69, 20) << true << non_lu << 0 << "bitmap_19";
    // The level start moves the LED cells one pixel right of their design place.
    QTest::newRow("LedMatrix1") << rect(574, 29, 18, 21) << true << non_lu << 0 << non_lu;
    QTest::newRow("LedMatrix2") << rect(592, 29, 18, 21) << true << non_lu << 0 << non_lu;
    QTest::newRow("LedMatrix3") << rect(592, 29, 15, 21) << true << non_lu << 0 << non_lu;
}

void TstScenarioFenetre::les_controles_de_la_fenetre_principale()
{
    QFETCH(QRect, geometrie);
    QFETCH(bool, visible);
    QFETCH(QString, texte);
    QFETCH(int, hauteur_police);
    QFETCH(QString, image);

    const QJsonObject c = controle(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(!c.isEmpty(), "no such control");
    QVERIFY2(meme_geometrie(c["geometry"].toObject(), geometrie),
             qPrintable(en_texte(c["geometry"].toObject())));
    QCOMPARE(c["visible"].toBool(), visible);
    if (!texte.isNull())
        QCOMPARE(c["text"].toString(), texte);
    if (hauteur_police != 0) {
        const QJsonObject police = c["font"].toObject();
        QCOMPARE(police["family"].toString(), QStringLiteral("Arial"));
        QVERIFY(police["bold"].toBool());
        QCOMPARE(police["pixelSize"].toInt(), hauteur_police);
    }
    if (!image.isNull())
        QCOMPARE(c["properties"][u"image"].toString(), image);
}

void TstScenarioFenetre::la_ligne_de_la_question_suit_sa_largeur()
{
    const auto g = [this](const char *nom) { return controle(QLatin1String(nom))["geometry"].toObject(); };
    const QJsonObject question = g("Label_question");
    const QJsonObject cadre = g("Panel1");
    const QJsonObject egal = g("Label1");
    const QJsonObject reponse = g("Panel2");
    QCOMPARE(controle("Label_question")["text"].toString(),
             m_client->etat()["texte_question"].toString());
    QCOMPARE(cadre["w"].toInt(), question["w"].toInt() + 30);
    QCOMPARE(egal["x"].toInt(), cadre["x"].toInt() + cadre["w"].toInt() + 10);
    QCOMPARE(reponse["x"].toInt(), egal["x"].toInt() + egal["w"].toInt() + 10);
    QCOMPARE(g("Image_oui_faux")["x"].toInt(), reponse["x"].toInt() + reponse["w"].toInt() + 30);
    QCOMPARE(controle("button_correction")["hint"].toString(),
             QStringLiteral("efface le dernier caractère tapé"));
}

void TstScenarioFenetre::les_minuteries_data()
{
    QTest::addColumn<int>("intervalle");
    QTest::addColumn<bool>("active");
    QTest::newRow("timer_oui") << 300 << false;
    QTest::newRow("timer_couleur") << 1000 << false;
    QTest::newRow("Timer_panel_actif") << 500 << true;
    // Running at creation, stopped by the start step.
    QTest::newRow("Timer_fin_bravo") << 5000 << false;
}

void TstScenarioFenetre::les_minuteries()
{
    QFETCH(int, intervalle);
    QFETCH(bool, active);
    const QJsonObject minuterie = controle(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(minuterie["class"].toString(), QStringLiteral("QTimer"));
    QCOMPARE(minuterie["interval"].toInt(), intervalle);
    QCOMPARE(minuterie["active"].toBool(), active);
}

void TstScenarioFenetre::les_diodes_du_score()
{
    const QString noms[] = {"LedMatrix1", "LedMatrix2", "LedMatrix3"};
    const QString suivantes[] = {"LedMatrix2", "LedMatrix3", ""};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject p = controle(noms[i])["properties"].toObject();
        QCOMPARE(p["BackgroundColor"].toString(), QStringLiteral("#000000"));
        QCOMPARE(p["DotOnColor"].toString(), QStringLiteral("#80ff00"));
        QCOMPARE(p["DotOffColor"].toString(), QStringLiteral("#005300"));
        QCOMPARE(p["MarqueeSpeed"].toInt(), 300);
        QVERIFY(!p["Marquee"].toBool());
        QVERIFY(!p["Blink"].toBool());
        QCOMPARE(p["NextLed"].toString(), suivantes[i]);
    }
    QCOMPARE(controle("LedMatrix1")["properties"][u"DisplayText"].toString(), QStringLiteral("000"));
}

void TstScenarioFenetre::le_menu_data()
{
    QTest::addColumn<QString>("legende");
    QTest::addColumn<QString>("menu"); // objectName of the submenu holding it; "" for the bar
    QTest::newRow("m_lecon") << "Leçon" << "";
    QTest::newRow("regle1") << "Règle 1" << "";
    QTest::newRow("regle2") << "Règle 2" << "";
    QTest::newRow("regle3") << "Règle 3" << "";
    QTest::newRow("menu_test") << "Test" << "";
    QTest::newRow("Imprimeruntest1") << "Imprimer un test" << "menu_test";
    QTest::newRow("testlcran1") << "test à l'écran" << "menu_test";
    QTest::newRow("m_options") << "Options" << "";
    QTest::newRow("m_A_propos") << "Aide" << "";
    QTest::newRow("lisezmoi1") << "Aide de TAVELO" << "m_A_propos";
    QTest::newRow("Apropos1") << "A propos..." << "m_A_propos";
}

void TstScenarioFenetre::le_menu()
{
    QFETCH(QString, legende);
    QFETCH(QString, menu);
    const QString nom = QString::fromLatin1(QTest::currentDataTag());
    QJsonObject entree;
    for (const QJsonValue c : m_general["controls"].toArray())
        if (c[u"objectName"].toString() == nom && c[u"class"].toString() == QLatin1String("QAction"))
            entree = c.toObject();
    QVERIFY2(!entree.isEmpty(), "no such menu entry");
    QCOMPARE(entree["text"].toString().remove(QLatin1Char('&')), legende);
    QVERIFY(entree["enabled"].toBool());
    if (!menu.isEmpty())
        QCOMPARE(entree["parent"].toString(), menu);
}

void TstScenarioFenetre::le_menu_montre_sa_fenetre_data()
{
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<int>("regle_choisie"); // -1: not checked
    QTest::newRow("Leçon") << "Leçon" << "lecon" << -1;
    QTest::newRow("Règle 1") << "Règle 1" << "regle_add" << 1;
    QTest::newRow("Règle 2") << "Règle 2" << "regle_add" << 2;
    QTest::newRow("Règle 3") << "Règle 3" << "regle_soust" << -1;
    QTest::newRow("test à l'écran") << "Test/test à l'écran" << "test" << -1;
    QTest::newRow("Options") << "Options" << "options" << -1;
    QTest::newRow("A propos") << "Aide/A propos..." << "a_propos" << -1;
}

void TstScenarioFenetre::le_menu_montre_sa_fenetre()
{
    QFETCH(QString, chemin);
    QFETCH(QString, fenetre);
    QFETCH(int, regle_choisie);

    ClientScenario client(graine);
    const QJsonObject avant = client.etat();
    const QJsonObject reponse = client.commande("menu " + chemin);
    QVERIFY2(reponse["triggered"].toBool(), qPrintable(reponse["error"].toString()));
    QVERIFY(client.fenetre(fenetre)["visible"].toBool());
    QVERIFY(client.fenetre("general")["visible"].toBool());
    const QJsonObject apres = client.etat();
    if (regle_choisie != -1)
        QCOMPARE(apres["regle_choisie"].toInt(), regle_choisie);
    // Opening a window from the menu leaves the drill where it was.
    QCOMPARE(apres["texte_question"], avant["texte_question"]);
    QCOMPARE(apres["score"], avant["score"]);
    QCOMPARE(apres["etat_soustraction"].toInt(), 0);
}

QTEST_GUILESS_MAIN(TstScenarioFenetre)
#include "tst_scenario_fenetre.moc"
