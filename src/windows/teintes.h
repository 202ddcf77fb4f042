// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "couleur.h"

#include <QColor>

// One of the program's colours (couleurs::) as Qt paints it.
constexpr QColor teinte(Couleur c)
{
    return QColor(c.r, c.g, c.b);
}

// The same set as Qt colours, for the windows that paint with them.
namespace teintes {
inline constexpr QColor noir = teinte(couleurs::noir);
inline constexpr QColor blanc = teinte(couleurs::blanc);
inline constexpr QColor gris = teinte(couleurs::gris);
inline constexpr QColor argent = teinte(couleurs::argent);
inline constexpr QColor gris_fleches = teinte(couleurs::gris_fleches);
inline constexpr QColor rouge = teinte(couleurs::rouge);
inline constexpr QColor marron = teinte(couleurs::marron);
inline constexpr QColor orange = teinte(couleurs::orange);
inline constexpr QColor jaune = teinte(couleurs::jaune);
inline constexpr QColor lime = teinte(couleurs::lime);
inline constexpr QColor bleu = teinte(couleurs::bleu);
inline constexpr QColor bleu_marine = teinte(couleurs::bleu_marine);
inline constexpr QColor violet = teinte(couleurs::violet);
inline constexpr QColor cyan = teinte(couleurs::cyan);
inline constexpr QColor fuchsia = teinte(couleurs::fuchsia);
inline constexpr QColor led_allumee = teinte(couleurs::led_allumee);
inline constexpr QColor led_eteinte = teinte(couleurs::led_eteinte);
} // namespace teintes
