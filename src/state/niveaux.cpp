// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux.h"

#include <QtGlobal>

#include <array>

namespace {

constexpr std::array<Niveau, 3> table{{
    {1, "Premier niveau: l'addition", 1, 17, 20, 20,
     "bitmap_1", "bitmap_2", "bitmap_19", "bitmap_17", "bitmap_18"},
    {2, "Second niveau: la soustraction", 18, 34, 20, 20,
     "bitmap_1", "bitmap_2", "bitmap_16", "bitmap_20", "bitmap_18"},
    {3, "Troisième niveau: addition et soustraction", 1, 34, 40, 40,
     "bitmap_3", "bitmap_4", "bitmap_16", "bitmap_17", "bitmap_21"},
}};

} // namespace

namespace niveaux {

const Niveau &niveau(int n)
{
    Q_ASSERT(n >= 1 && n <= dernier);
    return table[n - 1];
}

} // namespace niveaux
