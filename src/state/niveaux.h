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

// From this score on the pupil is past the beginner's stage: operands up
// to 19 with carries, a negative first operand written bare one time in
// two, and a rule error shows its correction line instead of a rule window.
constexpr int score_confirme = 10;

// What an error leaves of the score: a mental-calculation error (right
// sign, wrong count) costs a quarter of it, a broken sign rule half.
constexpr int score_apres_erreur_de_calcul(int score)
{
    return 3 * score / 4;
}
constexpr int score_apres_erreur_de_regle(int score)
{
    return score / 2;
}

// n in 1..3.
const Niveau &niveau(int n);

} // namespace niveaux
