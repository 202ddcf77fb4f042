// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "couleur.h"

#include <QRect>
#include <QString>

// The rule windows a rule error can open. Which addition rule the rules
// window shows is read from the shared state (regle_choisie).
enum class FenetreRegle { ReglesAddition, ErreurAddition, RegleSoustraction };

// What the drill needs of the main window. Controls and timers are named as
// the window names them (Label_question, Panel2, timer_oui...), matched
// without regard to case. The main window implements it with Qt widgets;
// the tests implement it with a fake that records every control's state.
class VueExercice
{
public:
    virtual ~VueExercice() = default;

    // Text or caption of a label, panel, button or effect label.
    virtual QString texte(const QString &controle) const = 0;
    virtual void ecrit_texte(const QString &controle, const QString &texte) = 0;

    virtual void montre(const QString &controle, bool visible) = 0;
    virtual void active(const QString &controle, bool actif) = 0;

    // Position and size relative to the parent. An auto-sized label's size
    // follows its text or font at once, so it can be read back right after.
    virtual QRect geometrie(const QString &controle) const = 0;
    virtual void place(const QString &controle, const QRect &geometrie) = 0;

    virtual void couleur_fond(const QString &controle, Couleur couleur) = 0;
    virtual Couleur couleur_police(const QString &controle) const = 0;
    virtual void fixe_couleur_police(const QString &controle, Couleur couleur) = 0;
    virtual void taille_police(const QString &controle, int points) = 0;
    // Centres the control's text horizontally; it stays centred.
    virtual void centre_texte(const QString &controle) = 0;

    virtual void donne_focus(const QString &controle) = 0;
    // Raises the control above its siblings.
    virtual void met_devant(const QString &controle) = 0;

    // Loads a picture of the program by name ("bitmap_13") into an image.
    virtual void charge_image(const QString &controle, const QString &image) = 0;

    virtual void demarre_minuterie(const QString &minuterie) = 0;
    virtual void arrete_minuterie(const QString &minuterie) = 0;
    virtual void intervalle_minuterie(const QString &minuterie, int millisecondes) = 0;

    // The LED digits: text (passed down the chain) and scrolling.
    virtual void texte_led(const QString &led, const QString &texte) = 0;
    virtual void defilement_led(const QString &led, bool defile) = 0;

    // For assistive technology, nothing on screen changes: the name a
    // screen reader gives a control whose look alone tells what it shows
    // (the gauge's score), and a text it says at once (the question posed,
    // the verdict and its correction).
    virtual void nom_accessible(const QString &controle, const QString &nom) = 0;
    virtual void annonce(const QString &texte) = 0;

    virtual void titre_fenetre(const QString &titre) = 0;
    virtual void ouvre_fenetre(FenetreRegle fenetre) = 0;

    // The keyboard's lock toggles, where the platform has them: the start
    // step saves the state and forces Num Lock and Caps Lock on; the
    // release of Num Lock or Shift forces them on again.
    virtual void sauve_etat_clavier() = 0;
    virtual void force_verrous_clavier() = 0;
};
