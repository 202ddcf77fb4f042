// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "saisie.h"
#include "sujet_test.h"

#include <QString>

// What marking a test gives: which answers are shown corrected, the two
// count lines and the mark, as the test window shows them.
struct BilanTest
{
    // Wrong or blank: the field turns red and its expected answer shows.
    Tableau<bool, 40> a_corriger;
    int erreurs = 0;
    int non_reponses = 0;
    QString ligne_erreurs;
    bool ligne_erreurs_visible = true;
    QString ligne_non_reponses;
    bool ligne_non_reponses_visible = false;
    int note = 0; // out of 20, never below 0
    QString texte_note;
};

// Marks the pupil's answers against the expected ones, compared as exact
// texts ("05" and "+5" are not "5"); an empty answer is a non-answer. Each
// fault of either kind costs 2 points.
BilanTest corrige_test(const Tableau<TexteTest, 40> &attendues, const Tableau<QString, 40> &saisies);

// The typing rule of the answer fields, applied after each change: the
// character just before the caret must be a digit, or a minus sign in
// first place; any other is taken out at once, and the rule looks again at
// the character its deletion brought before the caret.
Saisie filtre_saisie(Saisie champ);

// How many characters an answer field takes: 3, or more when an expected
// answer of the test is longer ("-110"), so that every answer can be typed.
int longueur_des_reponses(const Tableau<TexteTest, 40> &attendues);
