// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chaine_courte.h"
#include "tableau.h"

class SourceAleatoire;
struct EtatPartage;

// A question or answer text of a test: at most 12 characters.
using TexteTest = ChaineCourte<12>;

// The 40 questions of one test and their expected answers, numbered in
// the order they are laid out.
struct SujetTest
{
    Tableau<TexteTest, 40> questions;
    Tableau<TexteTest, 40> reponses;
};

// A question is drawn again while it repeats an earlier one of the test
// (parentheses of the first operand aside). A type asked for more often
// than it has distinct questions ("0+0:" twice) would repeat for ever, so
// after this many draws in a row the last one is kept, repeat or not.
inline constexpr int tirages_max_par_question = 1000;

// Builds a new test from the shared settings: shuffles composition_test in
// place (the new order stays), then draws one question per entry, in that
// order, with the given operand maxima. A negative first operand is written
// with or without its parentheses at even odds; a negative second operand
// always has them.
SujetTest compose_test(EtatPartage &etat, SourceAleatoire &hasard, int max_avec_calcul,
                       int max_sans_calcul);

// The same from a composition and a carry rule of one's own: shuffles that
// composition in place, then draws.
SujetTest compose_test(Tableau<int, 40> &composition, bool avec_retenues, SourceAleatoire &hasard,
                       int max_avec_calcul, int max_sans_calcul);
