// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Layout of a score gauge's column of cells. The cover over the column is
// shortened from the bottom by pas × s + ecart × (s div par_groupe) pixels
// for a score s, so each cell takes `pas` rows and each group of cells ends
// with `ecart` extra rows, where its mark sits. Within a cell's rows, from
// the top: one separator row, the lit rows, then `separation_basse` rows.
struct Graduation
{
    int cellules;
    int par_groupe;
    int pas;
    int ecart;
    int separation_basse;
};

inline constexpr Graduation graduation_sur_20{20, 5, 15, 5, 2};
inline constexpr Graduation graduation_sur_40{40, 10, 7, 10, 1};

// The whole gauge, 69 × 373: the dark LED window at the top, then the column
// of cells, lit or unlit, with the group marks beside it.
QImage dessine_jauge(const Graduation &graduation, bool allumee);

// The cover laid over the column, 36 × 320: the unlit gauge cut at (18, 39),
// so that it matches the lit gauge pixel for pixel wherever no cell is.
QImage dessine_cache(const Graduation &graduation);
