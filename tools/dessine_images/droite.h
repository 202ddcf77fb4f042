#pragma once

#include <QColor>
#include <QImage>

// Which part of the number line a picture holds.
enum class PartieDroite { entiere, gauche, droite };

// The number line, 600 × 15 design pixels, in one colour: a line through
// the middle, a thick full-height tick every 50 px (one unit; zero at x 300,
// which the lesson places at x 316 of its window, under its labels) and a
// small tick every 5 px. The lesson lays its coloured halves, 300 × 15, over
// the black line, so the halves are cut from the same drawing and their
// ticks cover the black ones exactly. `echelle` multiplies every design pixel.
QImage dessine_droite(const QColor &couleur, PartieDroite partie = PartieDroite::entiere, int echelle = 1);

// A curly brace of the given design size and colour, drawn `echelle` times
// larger. Its two ends and its point face opposite ways: with
// `pointe_en_haut` the point is at the top and the ends curl down.
QImage dessine_accolade(int largeur, int hauteur, const QColor &couleur, bool pointe_en_haut, int echelle = 1);
