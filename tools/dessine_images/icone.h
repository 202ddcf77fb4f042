#pragma once

#include <QImage>

// The program's emblem at a square size: a disc cut along its diagonal, a
// white minus on the blue (negative) half, a white plus on the red
// (positive) half, the colours of the lesson's number line.
QImage dessine_icone(int taille);
