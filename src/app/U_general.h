// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aleatoire.h"
#include "etat_partage.h"
#include "fenetres_annexes.h"
#include "vue_exercice.h"

#include <QHash>
#include <QMainWindow>

#include <array>
#include <memory>

class Exercice;
class FenetreAide;
class FenetreReimpression;
class QKeyEvent;
class QPushButton;
class QTimer;
class TAnnonce;
class TGradient;

// The main window: the drill's question line, answer panel, keypad,
// correction line and score gauge, and the menu that opens the other
// windows. It is the drill's view: the engine names controls and timers as
// the window names them, and the window forwards its events to the engine.
class Tgeneral : public QMainWindow, public VueExercice
{
    Q_OBJECT

public:
    Tgeneral(EtatPartage &etat, SourceAleatoire &hasard);
    ~Tgeneral() override;

    // The secondary windows the menu and the drill show, made at their
    // first show.
    void associe_fenetres(FenetresAnnexes &fenetres);

    Exercice &exercice() { return *m_exercice; }

    // A control, image or timer of the window by its design name, matched
    // without regard to case; null when there is none.
    QObject *controle(const QString &nom) const;

    // VueExercice
    QString texte(const QString &controle) const override;
    void ecrit_texte(const QString &controle, const QString &texte) override;
    void montre(const QString &controle, bool visible) override;
    void active(const QString &controle, bool actif) override;
    QRect geometrie(const QString &controle) const override;
    void place(const QString &controle, const QRect &geometrie) override;
    void couleur_fond(const QString &controle, Couleur couleur) override;
    Couleur couleur_police(const QString &controle) const override;
    void fixe_couleur_police(const QString &controle, Couleur couleur) override;
    void taille_police(const QString &controle, int points) override;
    void centre_texte(const QString &controle) override;
    void donne_focus(const QString &controle) override;
    void met_devant(const QString &controle) override;
    void charge_image(const QString &controle, const QString &image) override;
    void demarre_minuterie(const QString &minuterie) override;
    void arrete_minuterie(const QString &minuterie) override;
    void intervalle_minuterie(const QString &minuterie, int millisecondes) override;
    void texte_led(const QString &led, const QString &texte) override;
    void defilement_led(const QString &led, bool defile) override;
    void nom_accessible(const QString &controle, const QString &nom) override;
    void annonce(const QString &texte) override;
    void titre_fenetre(const QString &titre) override;
    void ouvre_fenetre(FenetreRegle fenetre) override;
    void sauve_etat_clavier() override;
    void force_verrous_clavier() override;

signals:
    // The pupil closed the main window: the run ends.
    void fermee();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    // Layout (U_general_controles.cpp).
    void cree_controles();
    void cree_clavier(QWidget *client, TGradient &fond);
    void cree_legendes(QWidget *client);
    void cree_affichage_score(QWidget *client);
    void cree_minuteries();
    void indexe_controles();

    // The control a request of the drill names; one it lacks is a fault.
    QObject *cible(const QString &nom) const;

    // Menu and behaviour (U_general.cpp).
    void cree_menu();
    void relie_exercice();
    void montre_fenetre(Annexe annexe);
    void touche_relachee(const QKeyEvent &event);
    // Hands the keyboard state saved at the first show back, once.
    void rend_clavier();

    // Menu handlers.
    void m_leconClick();
    void regle1Click();
    void regle2Click();
    void regle3Click();
    void Imprimeruntest1Click();
    void Reimprimerunefeuille1Click();
    void testlcran1Click();
    void m_optionsClick();
    void lisezmoi1Click();
    void Apropos1Click();

    EtatPartage &m_etat;
    SourceAleatoire &m_hasard;
    FenetresAnnexes *m_fenetres = nullptr;
    QHash<QString, QObject *> m_controles; // by lower-case design name
    std::array<QPushButton *, 10> m_chiffres{};
    QPushButton *m_bouton_moins = nullptr;
    QPushButton *m_bouton_ok = nullptr;
    QPushButton *m_bouton_correction = nullptr;
    QPushButton *m_bouton10 = nullptr;
    QTimer *m_timer_oui = nullptr;
    QTimer *m_timer_couleur = nullptr;
    QTimer *m_timer_panel_actif = nullptr;
    QTimer *m_timer_fin_bravo = nullptr;
    FenetreAide *m_aide = nullptr;
    TAnnonce *m_annonce = nullptr; // speaks the drill to assistive technology
    FenetreReimpression *m_reimpression = nullptr;
    std::unique_ptr<Exercice> m_exercice;
    bool m_deja_montree = false;
    bool m_clavier_rendu = false;
};
