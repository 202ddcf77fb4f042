// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_general.h"

#include "barres_de_titre.h"
#include "clavier_menu.h"
#include "exercice.h"
#include "fabrique_controles.h"
#include "fenetre_aide.h"
#include "fenetre_reimpression.h"
#include "impression_test.h"
#include "U_options.h"
#include "marsCap.h"
#include "touches.h"
#include "verrous_clavier.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

Tgeneral::Tgeneral(EtatPartage &etat, SourceAleatoire &hasard) : m_etat(etat), m_hasard(hasard)
{
    setObjectName(QStringLiteral("general"));
    setWindowTitle(QStringLiteral("TAVELO"));
    // System menu and minimise, no maximise button: the window opens
    // maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFont(fabrique::police("Arial Narrow", 12, false));

    cree_menu();
    cree_controles();
    const QMargins cadre = pose_barre_de_titre(*this)->marges();
    // Design size under the menu, centred on the screen: the window's
    // restored geometry.
    resize(QSize(646, 495 + menuBar()->sizeHint().height()).grownBy(cadre));
    if (const QScreen *ecran = screen())
        move(ecran->availableGeometry().center() - rect().center());

    m_exercice = std::make_unique<Exercice>(etat, *this, hasard);
    relie_exercice();
    qApp->installEventFilter(this);
    // The session's end may stop the program without closing its window.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Tgeneral::rend_clavier);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Tgeneral::rend_clavier);
}

Tgeneral::~Tgeneral()
{
    qApp->removeEventFilter(this);
}

void Tgeneral::associe_fenetres(FenetresAnnexes &fenetres)
{
    m_fenetres = &fenetres;
}

void Tgeneral::cree_menu()
{
    QMenuBar *barre = menuBar();
    barre->setAccessibleName(QStringLiteral("menu"));
    auto entree = [this](QWidget *menu, const char *nom, const QString &texte,
                         void (Tgeneral::*gestionnaire)()) {
        auto *action = new QAction(texte, menu);
        action->setObjectName(QString::fromLatin1(nom));
        menu->addAction(action);
        connect(action, &QAction::triggered, this, gestionnaire);
    };
    auto sous_menu = [barre](const char *nom, const QString &texte) {
        QMenu *menu = barre->addMenu(texte);
        menu->setObjectName(QString::fromLatin1(nom));
        menu->menuAction()->setObjectName(QString::fromLatin1(nom));
        menu->setAccessibleName(QString(texte).remove(QLatin1Char('&')));
        return menu;
    };

    // Each entry's underlined letter is its own within its menu.
    entree(barre, "m_lecon", QStringLiteral("&Leçon"), &Tgeneral::m_leconClick);
    entree(barre, "regle1", QStringLiteral("Règle &1"), &Tgeneral::regle1Click);
    entree(barre, "regle2", QStringLiteral("Règle &2"), &Tgeneral::regle2Click);
    entree(barre, "regle3", QStringLiteral("Règle &3"), &Tgeneral::regle3Click);
    QMenu *test = sous_menu("menu_test", QStringLiteral("&Test"));
    entree(test, "Imprimeruntest1", QStringLiteral("&Imprimer un test"),
           &Tgeneral::Imprimeruntest1Click);
    entree(test, "testlcran1", QStringLiteral("&test à l'écran"), &Tgeneral::testlcran1Click);
    entree(test, "Reimprimerunefeuille1", QStringLiteral("&Réimprimer une feuille…"),
           &Tgeneral::Reimprimerunefeuille1Click);
    entree(barre, "m_options", QStringLiteral("&Options"), &Tgeneral::m_optionsClick);
    QMenu *aide = sous_menu("m_A_propos", QStringLiteral("&Aide"));
    entree(aide, "lisezmoi1", QStringLiteral("&Aide de TAVELO"), &Tgeneral::lisezmoi1Click);
    entree(aide, "Apropos1", QStringLiteral("A &propos..."), &Tgeneral::Apropos1Click);
    new ClavierMenu(barre);
}

void Tgeneral::relie_exercice()
{
    Exercice *e = m_exercice.get();
    for (int chiffre = 0; chiffre < 10; ++chiffre) {
        const QChar c(u'0' + chiffre);
        connect(m_chiffres[chiffre], &QPushButton::clicked, this,
                [e, c] { e->Button_chiffreClick(c); });
    }
    connect(m_bouton_moins, &QPushButton::clicked, this, [e] { e->Button_Click(); });
    connect(m_bouton_ok, &QPushButton::clicked, this, [e] { e->ButtonOKClick(); });
    connect(m_bouton_correction, &QPushButton::clicked, this,
            [e] { e->button_correctionClick(); });
    connect(m_bouton10, &QPushButton::clicked, this, [e] { e->Button10Click(); });

    connect(m_timer_oui, &QTimer::timeout, this, [e] { e->timer_ouiTimer(); });
    connect(m_timer_couleur, &QTimer::timeout, this, [e] { e->timer_couleurTimer(); });
    connect(m_timer_panel_actif, &QTimer::timeout, this, [e] { e->Timer_panel_actifTimer(); });
    connect(m_timer_fin_bravo, &QTimer::timeout, this, [e] { e->Timer_fin_bravoTimer(); });
}

void Tgeneral::montre_fenetre(Annexe annexe)
{
    QWidget *fenetre = m_fenetres ? m_fenetres->fenetre(annexe) : nullptr;
    if (!fenetre)
        return;
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

void Tgeneral::m_leconClick()
{
    montre_fenetre(Annexe::lecon);
}

void Tgeneral::regle1Click()
{
    m_exercice->regle1Click();
}

void Tgeneral::regle2Click()
{
    m_exercice->regle2Click();
}

void Tgeneral::regle3Click()
{
    m_exercice->regle3Click();
}

void Tgeneral::Imprimeruntest1Click()
{
    // The dialog not made yet shows its box checked, as at every start.
    const auto *options = m_fenetres ? qobject_cast<const Toptions *>(
                                           m_fenetres->si_creee(Annexe::options))
                                     : nullptr;
    imprime_et_informe(nouvelle_feuille(m_etat, m_hasard), !options || options->imprime_corrige(),
                       this);
}

void Tgeneral::Reimprimerunefeuille1Click()
{
    if (!m_reimpression)
        m_reimpression = new FenetreReimpression(m_etat, this);
    m_reimpression->ouvre();
}

void Tgeneral::testlcran1Click()
{
    montre_fenetre(Annexe::test);
}

void Tgeneral::m_optionsClick()
{
    montre_fenetre(Annexe::options);
}

void Tgeneral::lisezmoi1Click()
{
    if (!m_aide)
        m_aide = new FenetreAide(this);
    m_aide->ouvre_sommaire();
}

void Tgeneral::Apropos1Click()
{
    montre_fenetre(Annexe::a_propos);
}

void Tgeneral::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_deja_montree || event->spontaneous())
        return;
    m_deja_montree = true;
    m_exercice->initialise_niveau(0);
    m_exercice->initialise_niveau(1);
}

void Tgeneral::rend_clavier()
{
    if (!m_deja_montree || m_clavier_rendu)
        return;
    m_clavier_rendu = true;
    verrous_clavier::ecrit(m_etat.etat_clavier);
}

void Tgeneral::closeEvent(QCloseEvent *event)
{
    rend_clavier();
    QMainWindow::closeEvent(event);
    emit fermee();
}

// Key releases reach the window before the focused control: the event
// filter sees those sent to a control of this window, keyReleaseEvent
// those sent to the window itself when no control has the focus.
bool Tgeneral::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease && objet != this) {
        auto *w = qobject_cast<QWidget *>(objet);
        if (w && w->window() == this && w == QApplication::focusWidget())
            touche_relachee(*static_cast<QKeyEvent *>(event));
    }
    return QMainWindow::eventFilter(objet, event);
}

void Tgeneral::keyReleaseEvent(QKeyEvent *event)
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || focus == this)
        touche_relachee(*event);
    QMainWindow::keyReleaseEvent(event);
}

void Tgeneral::touche_relachee(const QKeyEvent &event)
{
    if (event.isAutoRepeat())
        return;
    const int code = touches::code_virtuel(event.key(), event.modifiers(),
                                           event.nativeScanCode(),
                                           touches::codes_xkb_de_la_plateforme());
    m_exercice->FormKeyUp(code);
    if (m_bouton_ok->hasFocus())
        m_exercice->ButtonOKKeyUp(code);
}
