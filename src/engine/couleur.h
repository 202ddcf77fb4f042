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

// The program's colours, as the windows' designs name them.
namespace couleurs {
constexpr Couleur noir{0, 0, 0};
constexpr Couleur blanc{255, 255, 255};
constexpr Couleur gris{128, 128, 128};
constexpr Couleur argent{192, 192, 192};
// The lesson's arrows lie on it, one step off the windows' own grey.
constexpr Couleur gris_fleches{191, 191, 191};
constexpr Couleur rouge{255, 0, 0};
constexpr Couleur marron{128, 0, 0};
constexpr Couleur orange{255, 128, 0};
constexpr Couleur jaune{255, 255, 0};
constexpr Couleur lime{0, 255, 0};
constexpr Couleur bleu{0, 0, 255};
constexpr Couleur bleu_marine{0, 0, 128};
constexpr Couleur violet{128, 0, 255};
constexpr Couleur cyan{0, 255, 255};
constexpr Couleur fuchsia{255, 0, 255};
// The LED cells' dots, lit and unlit.
constexpr Couleur led_allumee{128, 255, 0};
constexpr Couleur led_eteinte{0, 83, 0};
} // namespace couleurs
