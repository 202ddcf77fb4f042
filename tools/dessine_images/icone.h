// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QPainter;

// The program's emblem at a square size: a disc cut along its diagonal, a
// white minus on the blue (negative) half, a white plus on the red
// (positive) half, the colours of the lesson's number line.
QImage dessine_icone(int taille);

// The same emblem painted on a 256-unit square from the painter's origin:
// the one drawing behind the PNGs and the scalable (SVG) icon.
void peins_icone(QPainter &p);
