// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the drill writes numbers and questions, and the values of the score
// display. Pure functions: the window only shows what they give.
namespace presentation {

// A whole number: its digits, a leading minus when negative, no plus sign.
QString nombre(int n);

// An operand inside a question: a negative one stands in parentheses.
QString operande(int n);

// The question of type 1..34 with its two operands: "(-5)+(-18)", "7-(-3)".
// With premier_nu a negative first operand loses its parentheses:
// "-5+(-18)". The second operand always keeps them.
QString question(int type, int operande1, int operande2, bool premier_nu = false);

// Height of the gauge's cover (Image2) for a score at a level: 320 at 0,
// 0 at the level's target (20 at levels 1 and 2, 40 at level 3).
int hauteur_cache_jauge(int score, int niveau);

// The three characters given to the first LED cell: tens, units, and the
// units again for the third cell lying over the second (7 gives "077").
QString texte_led_score(int score);

} // namespace presentation
