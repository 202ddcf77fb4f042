// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFlags>
#include <QList>
#include <QRect>

#include <array>

// The geometry of a painted caption bar, free of any widget: what a window's
// border style and border icons make of its frame, bar, icon, buttons and
// text, and the colour bands of the gradient. Coordinates are relative to
// the window's outer top-left corner; right and bottom edges are exclusive.

// The frame metrics of a classic desktop at 96 dpi, the look the windows
// were designed for; the caption bar is laid out from them on every
// platform.
namespace metriques {
constexpr int cadre_redimensionnable = 4; // sizing frame, each side
constexpr int cadre_fixe = 3;             // dialog and fixed frame
constexpr int hauteur_legende = 19;       // caption and its bottom line
constexpr int hauteur_petite_legende = 15;
constexpr int largeur_bouton = 18;
constexpr int hauteur_bouton = 18;
constexpr int largeur_petit_bouton = 12;
} // namespace metriques

enum class StyleBordure { Aucune, Simple, Redimensionnable, Dialogue, Outil, OutilRedimensionnable };

enum class IconeBordure { MenuSysteme = 1, Reduire = 2, Agrandir = 4, Aide = 8 };
Q_DECLARE_FLAGS(IconesBordure, IconeBordure)
Q_DECLARE_OPERATORS_FOR_FLAGS(IconesBordure)

// In drawing order, right to left.
enum class GenreBouton { Fermer, Agrandir, Reduire, Aide };
constexpr std::array<GenreBouton, 4> genres_boutons{GenreBouton::Fermer, GenreBouton::Agrandir,
                                                    GenreBouton::Reduire, GenreBouton::Aide};
inline int indice(GenreBouton genre)
{
    return static_cast<int>(genre);
}

struct DispositionBarre
{
    int cadre = 0;       // frame thickness
    int hauteur = 0;     // bar height; the bar's bottom line lies below it
    QRect barre;
    QRect icone;         // empty when the window shows no icon
    QRect boutons;       // the box of the buttons, empty at the right edge when none
    QRect texte;
    std::array<QRect, 4> rect_bouton{};  // by indice(genre)
    std::array<bool, 4> montre{};
    std::array<bool, 4> actif{};

    bool bouton_montre(GenreBouton g) const { return montre[indice(g)]; }
    bool bouton_actif(GenreBouton g) const { return montre[indice(g)] && actif[indice(g)]; }
    // The margins that leave the client area inside the frame and under
    // the bar.
    int marge_haute() const { return cadre + (hauteur > 0 ? hauteur + 1 : 0); }
};

// Recomputed before every drawing from the window's present outer width,
// border style and icons, and whether it is minimised.
DispositionBarre dispose_barre(int largeur, StyleBordure style, IconesBordure icones,
                               bool minimisee);

// a × b / c rounded to the nearest integer, halves away from zero.
int muldiv(int a, int b, int c);

struct Bande
{
    QRect rect;
    QColor couleur;
};

// The gradient of the bar in n bands, left to right from debut to fin.
QList<Bande> bandes_degrade(const QRect &barre, const QColor &debut, const QColor &fin, int n);

// The system menu's entries, set before each opening.
struct EtatsMenuSysteme
{
    bool restaurer = true;
    bool deplacer = true;
    bool taille = true;
    bool reduire = true;
    bool agrandir = true;
    bool restaurer_par_defaut = false; // otherwise close is the default entry
};

EtatsMenuSysteme etats_menu_systeme(Qt::WindowStates etat, bool reduire_possible,
                                    bool agrandir_possible);
