// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "couleur.h"
#include "vue_exercice.h"

#include <optional>
#include <span>

// The correction line a wrong answer writes in the red panel (Panel6).
enum class Ligne {
    Aucune,
    Addition,     // the question, "=", the right result
    Soustraction, // a-b rewritten as a+(opposite of b)
};

// The captions that name a rule beside a correction line.
enum class Legende { Aucune, Regle1, Regle2, ZeroNeutre, OpposeDeZero, CalculMental };

// Every caption is written at this size, in points.
constexpr int taille_legende = 18;

// One effect label of a caption. Its left is absolute or counted from the
// correction panel's right edge; its top absolute or counted from the
// panel's top.
struct PieceLegende
{
    const QString *controle; // general::EffectLabel9 or EffectLabel10
    bool gauche_depuis_panneau;
    int gauche;
    bool haut_depuis_panneau;
    int haut;
    int largeur;
    int hauteur;
    Couleur couleur;
    const char *texte; // UTF-8
    bool centre = false; // text centred in the label
    bool devant = false; // raised above the caption's other label
};

// The labels of a caption, in the order they are placed (empty for Aucune).
std::span<const PieceLegende> pieces(Legende legende);

// What a rule error on a type brings. A type with a window opens it while
// the score is below 10, in place of its line; otherwise the line is shown
// with its caption.
struct IssueErreurRegle
{
    Ligne ligne = Ligne::Aucune;
    Legende legende = Legende::Aucune;
    std::optional<FenetreRegle> fenetre;
    int regle_choisie = 0; // which rule the addition rules window shows
};

// type 1..34.
const IssueErreurRegle &issue_erreur_regle(int type);
