// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

#include <array>
#include <optional>

// One zoom for the whole run: every window is shown that many times larger
// through the display's scale (QT_SCALE_FACTOR), so that every geometry in
// the program stays in the design's own units.
namespace zoom {

// The main window's outer size at 1x: its 646 x 495 client area, the menu,
// the painted caption bar and the frame.
inline constexpr QSize taille_principale{654, 541};
inline constexpr std::array<double, 7> paliers{1, 1.25, 1.5, 1.75, 2, 2.5, 3};
inline constexpr double minimum = 1;
inline constexpr double maximum = 3;

// What the user asks for: a factor, or none for the automatic choice.
struct Reglage
{
    std::optional<double> facteur;
};

// The largest step at which the main window fits in `disponible`, the
// screen's available area in logical pixels; 1 when even 1x does not fit.
double choisi(QSize disponible);

// "auto" (any case), or a number from 1 to 3 written with a point or a
// comma ("1.5", "1,5"); anything else gives nothing.
std::optional<Reglage> lit(const QString &texte);

// Scales the display of the running application before its first window:
// by the factor asked for, or for the automatic choice by the one that
// suits the primary screen's available area, read in logical pixels (after
// the desktop's own scaling and QT_SCALE_FACTOR); the factor multiplies
// the user's QT_SCALE_FACTOR. Returns the factor applied.
double applique(const Reglage &reglage);

} // namespace zoom
