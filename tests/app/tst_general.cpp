// SPDX-License-Identifier: GPL-3.0-or-later
#include "EffectLabel.h"
#include "LedMatrix.h"
#include "U_general.h"
#include "aleatoire.h"
#include "noms_general.h"
#include "panneau.h"
#include "programme.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The main window as designed, before its first show.
class tst_general : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controle_data();
    void controle();
    void fond_en_degrade();
    void panneaux_data();
    void panneaux();
    void clavier_data();
    void clavier();
    void minuteries_data();
    void minuteries();
    void afficheurs_led();
    void images_de_depart_data();
    void images_de_depart();
    void menu_data();
    void menu();
    void lettres_soulignees_distinctes();
    void recherche_sans_casse();
    void etiquette_suit_son_texte();
    void taille_en_points();

private:
    std::unique_ptr<Programme> m_programme;
    Tgeneral *m_general = nullptr;
};

void tst_general::init()
{
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(42));
    m_general = &m_programme->general();
}

void tst_general::cleanup()
{
    m_programme.reset();
    m_general = nullptr;
}

// A size of -1 x -1 marks an auto-sized label: its size is its text's.
void tst_general::controle_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QRect>("geometrie");
    QTest::addColumn<QString>("famille");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("gras");
    QTest::addColumn<QColor>("couleur");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("texte");

    const QString client = QStringLiteral("client");
    const QString arial = QStringLiteral("Arial");
    const QString etroite = QStringLiteral("Arial Narrow");
    const QColor noir(0, 0, 0);
    const QColor jaune(255, 255, 0);
    const QColor bleu(0, 0, 255);
    auto ligne = [&](const char *nom, const QString &parent, const char *classe, QRect r,
                     const QString &famille, int pixels, bool gras, QColor couleur, bool visible,
                     const QString &texte) {
        QTest::newRow(nom) << QString::fromLatin1(nom) << parent << QString::fromLatin1(classe)
                           << r << famille << pixels << gras << couleur << visible << texte;
    };
    const QRect auto_taille(0, 0, -1, -1);
    auto a = [&](int x, int y) { return QRect(x, y, -1, -1); };

    ligne("Panel1", client, "TPanneau", {66, 8, 205, 73}, etroite, 12, false, noir, true, "");
    ligne("Label_question", "Panel1", "EtiquetteAuto", a(15, 12), arial, 48, true, noir, true,
          "-5+(-18)");
    ligne("Label1", client, "EtiquetteAuto", a(279, 19), arial, 48, true, noir, true, "=");
    ligne("Panel2", client, "TPanneau", {320, 9, 89, 73}, arial, 48, true, noir, true, "-5");
    ligne("Image_faux2", "Panel2", "QLabel", {4, 8, 80, 60}, "", 0, false, QColor(), false, "");
    ligne("Image_oui_faux", client, "EtiquetteAuto", a(435, 23), "", 0, false, QColor(), true, "");
    ligne("Button_", client, "QPushButton", {66, 170, 45, 189}, arial, 43, true, noir, true, "(-)");
    const int colonnes[3] = {114, 162, 210};
    const int rangees[3] = {266, 218, 170};
    for (int chiffre = 1; chiffre <= 9; ++chiffre) {
        const QByteArray nom = "Button" + QByteArray::number(chiffre);
        ligne(nom.constData(), client, "QPushButton",
              {colonnes[(chiffre - 1) % 3], rangees[(chiffre - 1) / 3], 45, 45}, arial, 43, true,
              noir, true, QString::number(chiffre));
    }
    ligne("Button0", client, "QPushButton", {114, 314, 141, 45}, arial, 43, true, noir, true, "0");
    ligne("ButtonOK", client, "QPushButton", {258, 170, 93, 93}, arial, 43, true, noir, true, "OK");
    ligne("button_correction", client, "QPushButton", {258, 266, 93, 93}, arial, 19, true, noir,
          true, "effacer");
    ligne("Panel6", client, "TPanneau", {66, 94, 221, 69}, arial, 45, true, jaune, false, " ");
    ligne("Label4", "Panel6", "EtiquetteAuto", a(15, 8), arial, 45, true, jaune, true, "");
    ligne("Label5", "Panel6", "EtiquetteAuto", auto_taille, arial, 45, true, bleu, true, "");
    ligne("Label6", "Panel6", "EtiquetteAuto", auto_taille, arial, 45, true, jaune, true, "");
    ligne("Label7", "Panel6", "EtiquetteAuto", auto_taille, arial, 45, true, bleu, true, "");
    ligne("Label8", "Panel6", "EtiquetteAuto", auto_taille, arial, 45, true, jaune, true, "");
    ligne("EffectLabel9", client, "TEffectLabel", {104, 116, 441, 37}, arial, 24, true,
          QColor(128, 0, 0), false, "Tu dois maintenant effectuer un test.");
    ligne("EffectLabel10", client, "TEffectLabel", {295, 100, 193, 70}, arial, 24, true,
          QColor(255, 0, 0), false, "Zéro est neutre pour l'addition");
    ligne("Label17", client, "QLabel", {175, 395, 290, 33}, arial, 19, true, noir, false,
          "Clique sur OK pour continuer:");
    ligne("Button10", client, "QPushButton", {472, 391, 41, 36}, etroite, 12, false, noir, false,
          "OK");
    ligne("Image1", client, "QLabel", {555, 20, 69, 373}, "", 0, false, QColor(), true, "");
    ligne("Image2", client, "QLabel", {573, 59, 33, 240}, "", 0, false, QColor(), true, "");
    ligne("Image9", client, "QLabel", {425, 185, 69, 20}, "", 0, false, QColor(), true, "");
    ligne("Image8", client, "QLabel", {425, 205, 69, 20}, "", 0, false, QColor(), true, "");
    ligne("Image7", client, "QLabel", {425, 225, 69, 20}, "", 0, false, QColor(), true, "");
    ligne("LedMatrix1", client, "TLedMatrix", {573, 29, 18, 21}, "", 0, false, QColor(), true, "");
    ligne("LedMatrix2", client, "TLedMatrix", {591, 29, 18, 21}, "", 0, false, QColor(), true, "");
    ligne("LedMatrix3", client, "TLedMatrix", {591, 29, 15, 21}, "", 0, false, QColor(), true, "");
}

void tst_general::controle()
{
    QFETCH(QString, nom);
    QFETCH(QString, parent);
    QFETCH(QString, classe);
    QFETCH(QRect, geometrie);
    QFETCH(QString, famille);
    QFETCH(int, pixels);
    QFETCH(bool, gras);
    QFETCH(QColor, couleur);
    QFETCH(bool, visible);
    QFETCH(QString, texte);

    auto *w = qobject_cast<QWidget *>(m_general->controle(nom));
    QVERIFY(w);
    QCOMPARE(w->objectName(), nom);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), classe);
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(!w->isHidden(), visible);

    if (geometrie.x() > 0 || geometrie.y() > 0)
        QCOMPARE(w->pos(), geometrie.topLeft());
    if (geometrie.width() >= 0)
        QCOMPARE(w->size(), geometrie.size());
    else
        QCOMPARE(w->size(), w->sizeHint());

    if (pixels > 0) {
        QCOMPARE(w->font().family(), famille);
        QCOMPARE(w->font().pixelSize(), pixels);
        QCOMPARE(w->font().bold(), gras);
        QCOMPARE(m_general->texte(nom), texte);
    }
    if (couleur.isValid()) {
        const Couleur c = m_general->couleur_police(nom);
        QCOMPARE(QColor(c.r, c.g, c.b), couleur);
    }
    if (qobject_cast<QLabel *>(w) || qobject_cast<TEffectLabel *>(w))
        QVERIFY(w->testAttribute(Qt::WA_TranslucentBackground) || qobject_cast<TEffectLabel *>(w));
}

void tst_general::fond_en_degrade()
{
    auto *fond = m_general->centralWidget()->findChild<QWidget *>(QStringLiteral("Gradient1"));
    QVERIFY(fond);
    QCOMPARE(QString::fromLatin1(fond->metaObject()->className()), QStringLiteral("TGradient"));
    QCOMPARE(fond->property("StartColor").value<QColor>(), QColor(0, 0, 255));
    QCOMPARE(fond->property("EndColor").value<QColor>(), QColor(255, 255, 255));
    QCOMPARE(fond->property("Style").toString(), QStringLiteral("gsVertical"));
    QCOMPARE(fond->property("Buffered").toBool(), true);
    // It fills the client area of the maximised window.
    m_programme->demarre();
    QVERIFY(QTest::qWaitForWindowExposed(m_general));
    QCOMPARE(fond->geometry(), m_general->centralWidget()->rect());
    QVERIFY(m_general->centralWidget()->width() > 646);
}

void tst_general::panneaux_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QColor>("fond");
    QTest::newRow("question frame") << "Panel1" << QColor(192, 192, 192);
    QTest::newRow("answer panel silver") << "Panel2" << QColor(192, 192, 192);
    QTest::newRow("correction line red") << "Panel6" << QColor(255, 0, 0);
}

void tst_general::panneaux()
{
    QFETCH(QString, nom);
    QFETCH(QColor, fond);
    auto *p = qobject_cast<TPanneau *>(m_general->controle(nom));
    QVERIFY(p);
    QCOMPARE(p->couleur(), fond);
    QCOMPARE(p->largeurBiseau(), 4);
    QCOMPARE(p->releve(), false);
}

void tst_general::clavier_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("nom_accessible");
    QTest::addColumn<bool>("prend_le_focus");
    QTest::newRow("minus key") << "Button_" << "signe moins" << false;
    for (int chiffre = 0; chiffre <= 9; ++chiffre)
        QTest::addRow("digit %d", chiffre) << QStringLiteral("Button%1").arg(chiffre)
                                           << QStringLiteral("chiffre %1").arg(chiffre) << false;
    QTest::newRow("OK keeps the focus") << "ButtonOK" << "valider la réponse" << true;
    QTest::newRow("erase") << "button_correction" << "effacer le dernier caractère" << false;
    // Shown when OK is disabled, it takes the keyboard: Return goes on.
    QTest::newRow("continue after a correction") << "Button10" << "continuer" << true;
}

void tst_general::clavier()
{
    QFETCH(QString, nom);
    QFETCH(QString, nom_accessible);
    QFETCH(bool, prend_le_focus);
    auto *b = qobject_cast<QPushButton *>(m_general->controle(nom));
    QVERIFY(b);
    QCOMPARE(b->accessibleName(), nom_accessible);
    QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(b->focusPolicy() != Qt::NoFocus, prend_le_focus);
    if (nom == QLatin1String("button_correction"))
        QCOMPARE(b->toolTip(), QStringLiteral("efface le dernier caractère tapé"));
}

void tst_general::minuteries_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("intervalle");
    QTest::addColumn<bool>("actif");
    QTest::newRow("pause after a right answer") << "timer_oui" << 300 << false;
    QTest::newRow("correction line blink") << "timer_couleur" << 1000 << false;
    QTest::newRow("answer cursor blink") << "Timer_panel_actif" << 500 << true;
    QTest::newRow("next level") << "Timer_fin_bravo" << 5000 << true;
}

void tst_general::minuteries()
{
    QFETCH(QString, nom);
    QFETCH(int, intervalle);
    QFETCH(bool, actif);
    auto *t = qobject_cast<QTimer *>(m_general->controle(nom));
    QVERIFY(t);
    QCOMPARE(t->objectName(), nom);
    QCOMPARE(t->parent(), m_general);
    QCOMPARE(t->interval(), intervalle);
    QCOMPARE(t->isActive(), actif);
}

void tst_general::afficheurs_led()
{
    auto led = [this](const char *nom) {
        return qobject_cast<TLedMatrix *>(m_general->controle(QString::fromLatin1(nom)));
    };
    TLedMatrix *leds[3] = {led("LedMatrix1"), led("LedMatrix2"), led("LedMatrix3")};
    auto *jeu = qobject_cast<TLedCharset *>(m_general->controle(QStringLiteral("LedCharset1")));
    QVERIFY(jeu);
    for (TLedMatrix *l : leds) {
        QVERIFY(l);
        QCOMPARE(l->charSet(), jeu);
        QCOMPARE(l->backgroundColor(), QColor(0, 0, 0));
        QCOMPARE(l->dotOnColor(), QColor(128, 255, 0));
        QCOMPARE(l->dotOffColor(), QColor(0, 83, 0));
        QCOMPARE(l->marquee(), false);
        QCOMPARE(l->marqueeSpeed(), 300);
        QCOMPARE(l->blink(), false);
    }
    QCOMPARE(leds[0]->nextLed(), leds[1]);
    QCOMPARE(leds[1]->nextLed(), leds[2]);
    QCOMPARE(leds[2]->nextLed(), nullptr);
    QCOMPARE(leds[0]->addSpace(), true);
    QCOMPARE(leds[1]->addSpace(), true);
    QCOMPARE(leds[2]->addSpace(), false);
}

void tst_general::images_de_depart_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("image");
    QTest::newRow("lit gauge") << "Image1" << "bitmap_1";
    QTest::newRow("gauge cover") << "Image2" << "bitmap_2";
    QTest::newRow("red NIVEAU 1") << "Image7" << "bitmap_19";
    QTest::newRow("grey NIVEAU 2") << "Image8" << "bitmap_17";
    QTest::newRow("grey NIVEAU 3") << "Image9" << "bitmap_18";
}

void tst_general::images_de_depart()
{
    QFETCH(QString, nom);
    QFETCH(QString, image);
    auto *l = qobject_cast<QLabel *>(m_general->controle(nom));
    QVERIFY(l);
    QCOMPARE(l->property("image").toString(), image);
    QVERIFY(!l->pixmap().isNull());
}

void tst_general::menu_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("dans");
    // The captions with their underlined letter.
    QTest::newRow("lesson") << "m_lecon" << "&Leçon" << "";
    QTest::newRow("rule 1") << "regle1" << "Règle &1" << "";
    QTest::newRow("rule 2") << "regle2" << "Règle &2" << "";
    QTest::newRow("rule 3") << "regle3" << "Règle &3" << "";
    QTest::newRow("test submenu") << "menu_test" << "&Test" << "";
    QTest::newRow("print a test") << "Imprimeruntest1" << "&Imprimer un test" << "menu_test";
    QTest::newRow("on-screen test") << "testlcran1" << "&test à l'écran" << "menu_test";
    QTest::newRow("reprint a sheet") << "Reimprimerunefeuille1" << "&Réimprimer une feuille…" << "menu_test";
    QTest::newRow("options") << "m_options" << "&Options" << "";
    QTest::newRow("help submenu") << "m_A_propos" << "&Aide" << "";
    QTest::newRow("help") << "lisezmoi1" << "&Aide de TAVELO" << "m_A_propos";
    QTest::newRow("about") << "Apropos1" << "A &propos..." << "m_A_propos";
}

void tst_general::menu()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(QString, dans);

    QWidget *conteneur = m_general->menuBar();
    if (!dans.isEmpty())
        conteneur = m_general->menuBar()->findChild<QMenu *>(dans);
    QVERIFY(conteneur);
    const auto actions = conteneur->actions();
    const auto it = std::find_if(actions.begin(), actions.end(),
                                 [&](QAction *a) { return a->objectName() == nom; });
    QVERIFY2(it != actions.end(), qPrintable(nom));
    QCOMPARE((*it)->text(), texte);
}

// Within the bar and within each menu, no two entries share a letter.
void tst_general::lettres_soulignees_distinctes()
{
    QList<QWidget *> menus{m_general->menuBar()};
    for (QMenu *menu : m_general->menuBar()->findChildren<QMenu *>())
        menus.append(menu);
    for (const QWidget *menu : menus) {
        QList<QKeySequence> lettres;
        for (const QAction *entree : menu->actions()) {
            const QKeySequence lettre = QKeySequence::mnemonic(entree->text());
            QVERIFY2(!lettre.isEmpty(), qPrintable(entree->objectName()));
            QVERIFY2(!lettres.contains(lettre), qPrintable(entree->objectName()));
            lettres.append(lettre);
        }
    }
}

void tst_general::recherche_sans_casse()
{
    QObject *panneau = m_general->controle(QStringLiteral("Panel2"));
    QVERIFY(panneau);
    QCOMPARE(m_general->controle(QStringLiteral("panel2")), panneau);
    QCOMPARE(m_general->controle(QStringLiteral("PANEL2")), panneau);
    QCOMPARE(m_general->controle(QStringLiteral("timer_OUI"))->objectName(),
             QStringLiteral("timer_oui"));
    QCOMPARE(m_general->controle(QStringLiteral("Panel99")), nullptr);
    // Controls of the other windows are not the main window's.
    QCOMPARE(m_general->controle(QStringLiteral("OKButton")), nullptr);
    // Every name the drill may address finds its control, exactly spelt.
    for (const QString &nom : general::tous()) {
        const QObject *o = m_general->controle(nom);
        QVERIFY2(o && o->objectName() == nom, qPrintable(nom));
    }
}

void tst_general::etiquette_suit_son_texte()
{
    const QString nom = QStringLiteral("Label_question");
    const int avant = m_general->geometrie(nom).width();
    m_general->ecrit_texte(nom, QStringLiteral("(-19)-(-19)"));
    const QRect apres = m_general->geometrie(nom);
    QVERIFY(apres.width() > avant);
    QCOMPARE(apres.size(), qobject_cast<QWidget *>(m_general->controle(nom))->sizeHint());
    QCOMPARE(apres.topLeft(), QPoint(15, 12));
}

void tst_general::taille_en_points()
{
    m_general->taille_police(QStringLiteral("EffectLabel10"), 18);
    auto *e = qobject_cast<QWidget *>(m_general->controle(QStringLiteral("EffectLabel10")));
    QCOMPARE(e->font().pixelSize(), 24);
    m_general->taille_police(QStringLiteral("Label1"), 36);
    auto *l = qobject_cast<QWidget *>(m_general->controle(QStringLiteral("Label1")));
    QCOMPARE(l->font().pixelSize(), 48);
    QCOMPARE(l->size(), l->sizeHint());
}

QTEST_MAIN(tst_general)
#include "tst_general.moc"
