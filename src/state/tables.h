// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tableau.h"

// The three constant tables the run starts from.
namespace tables {

// Weight of each type id in a series: additions add up to 20, subtractions
// to 20 (the level-1 and level-2 series lengths), all 34 to 40.
extern const Tableau<double, 34> repartition_par_defaut;

// The fixed first series: slots 1..20 for level 1, 21..40 for level 2.
extern const Tableau<int, 40> questionnaire_par_defaut;

// The 40 type ids of a test: 20 additions and 20 subtractions.
extern const Tableau<int, 40> composition_test_par_defaut;

} // namespace tables
