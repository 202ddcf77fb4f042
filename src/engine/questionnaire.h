// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tableau.h"

class SourceAleatoire;
struct EtatPartage;

// Builds a series of 40 slots for the level from the weights: each type id
// gets the whole part of its weight as slots, the fractional parts share
// the remaining slots by stratified draws, and the level's slots are
// shuffled. Also stores the level in etat.niveau. Every slot that the level
// asks (1..its series length) holds a type id of the level's range.
Tableau<int, 40> elabore_questionnaire(EtatPartage &etat, SourceAleatoire &hasard,
                                       const Tableau<double, 34> &repartition, int niveau);

// Adapts etat.repartition to the pupil's record: weight moves from the
// types with the lowest rule-error rate to those above the middle rate, in
// proportion to their distance above it, at the speed etat.vitesse_ciblage.
// The total weight is kept.
void modifie_repartition(EtatPartage &etat);

// The state side of a level start. Level 0 is the start step of the run
// (clock seed and defaults); 1..3 reset the score, the position and the
// panels' state, and lay down the level's first series.
void prepare_etat_niveau(EtatPartage &etat, SourceAleatoire &hasard, int niveau);
