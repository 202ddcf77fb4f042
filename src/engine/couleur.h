// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A colour as red, green and blue, compared as a whole value.
struct Couleur
{
    int r = 0;
    int g = 0;
    int b = 0;

    friend constexpr bool operator==(const Couleur &, const Couleur &) = default;
};

namespace couleurs {
constexpr Couleur noir{0, 0, 0};
constexpr Couleur rouge{255, 0, 0};
constexpr Couleur jaune{255, 255, 0};
constexpr Couleur marron{128, 0, 0};
constexpr Couleur orange{255, 128, 0};
constexpr Couleur bleu{0, 0, 255};
constexpr Couleur argent{192, 192, 192};
} // namespace couleurs
