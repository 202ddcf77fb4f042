// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The three levels of the drill: which type ids their series draw from,
// how long a series is, the score that ends the level and the pictures
// that show it.
struct Niveau
{
    int numero;
    const char *titre;        // the main window's caption during the level
    int premier_type;
    int dernier_type;
    int longueur_serie;
    int score_final;
    const char *jauge;        // lit gauge (Image1)
    const char *cache_jauge;  // unlit cover (Image2)
    const char *image7;       // NIVEAU 1 label
    const char *image8;       // NIVEAU 2 label
    const char *image9;       // NIVEAU 3 label
};

namespace niveaux {

constexpr int dernier = 3;

// n in 1..3.
const Niveau &niveau(int n);

} // namespace niveaux
