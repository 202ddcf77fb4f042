// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SourceAleatoire;

// The two operands of a drawn question.
struct Tirage
{
    int operande1 = 0;
    int operande2 = 0;

    friend constexpr bool operator==(const Tirage &, const Tirage &) = default;
};

// Draws the operands of a question of type 1..34. With avec_retenues false
// the pairs spare the pupil any carry (growing types) and any borrow
// (shrinking types). max_avec_calcul bounds x and Y of the types that need a
// computation (2..100), max_sans_calcul the x of the types with a zero or
// with opposites (at least 1). The order of the draws is fixed for each type.
Tirage tire_au_sort(SourceAleatoire &hasard, int type_question, bool avec_retenues,
                    int max_avec_calcul, int max_sans_calcul);
