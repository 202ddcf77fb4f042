// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

// The number line, 600 × 15, in one colour: a line through the middle, a
// thick full-height tick every 50 px (one unit; zero at x 300) and a small
// tick every 5 px. The coloured halves of the lesson are cut from it.
QImage dessine_droite(const QColor &couleur);

// A curly brace of the given size and colour. Its two ends and its point
// face opposite ways: with `pointe_en_haut` the point is at the top and the
// ends curl down.
QImage dessine_accolade(int largeur, int hauteur, const QColor &couleur, bool pointe_en_haut);
