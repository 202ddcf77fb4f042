// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "couleur.h"

#include <QString>

#include <array>

// The unit-counting demonstration of a sum of two terms of opposite signs,
// as the addition-error window shows it: each term becomes a column of unit
// terms (-1 or 1), the opposite pairs are framed and cancel to 0, the units
// left over are framed and give the result. Each click of the window's arrow
// runs one step of a seven-step cycle. This class says what is shown after a
// step; the window applies it to its controls.
//
// Labels are numbered as the window numbers them: 2..9 the first column's
// plus signs, 10 the first term, 11..19 its units, 20 and 21 the operators,
// 22..29 the second column's plus signs, 30 the second term, 31..39 its
// units, 40 the equals sign, 41 the zero of the pairs, 42 the sum of the
// units left over, 50 the result on the top line.
class DemonstrationUnites
{
public:
    static constexpr int derniere_etiquette = 50;
    static constexpr int rangees = 9;
    // Font sizes of the zero of the pairs, in points.
    static constexpr int points_premier_zero = 20;
    static constexpr int points_grand = 35;
    static constexpr int haut_premier_zero = 51;

    // A frame of the demonstration: Shape1 frames the pairs of opposite
    // units, Shape2 the units left over. Left and width never change.
    struct Cadre
    {
        static constexpr int gauche = 272;
        static constexpr int largeur = 113;
        bool visible = false;
        int haut = 55;
        int hauteur = 0;
    };

    // FormShow: a new sum, back to step 0 with nothing of the
    // demonstration shown.
    void commence(int operande1, int operande2);
    // Image1Click: runs the current step and moves to the next.
    void clique();

    bool visible(int etiquette) const;
    // The text and colour a label has for the current sum.
    QString texte(int etiquette) const;
    Couleur couleur(int etiquette) const;

    const Cadre &cadre_paires() const { return m_cadre_paires; }
    const Cadre &cadre_reste() const { return m_cadre_reste; }
    // The zero of the pairs: its size, and whether it stands centred beside
    // all the pairs (else at haut_premier_zero, beside the first one).
    int points_zero() const { return m_points_zero; }
    bool zero_centre() const { return m_zero_centre; }
    // The OK button, shown from the first time the result has been shown.
    bool bouton_visible() const { return m_bouton_visible; }

    int etape_erreur() const { return m_etape_erreur; }
    int plus_petit() const { return m_plus_petit; }
    int plus_grand() const { return m_plus_grand; }

    // Top of a label of the given height centred on a frame, truncated.
    static int haut_centre(const Cadre &cadre, int hauteur_etiquette);
    // Top of row 1..9: 22 pixels apart, with 12 more between rows 5 and 6.
    static int haut_rangee(int rangee);

private:
    void montre(int premiere, int derniere, bool visible);
    void montre_colonne(int base, int valeur);

    int m_operande1 = 0;
    int m_operande2 = 0;
    int m_etape_erreur = 0;
    int m_plus_petit = 0;
    int m_plus_grand = 0;
    std::array<bool, derniere_etiquette + 1> m_visible{};
    Cadre m_cadre_paires;
    Cadre m_cadre_reste;
    int m_points_zero = points_premier_zero;
    bool m_zero_centre = false;
    bool m_bouton_visible = false;
};
