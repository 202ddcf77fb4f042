#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

// A blank ARGB picture of the given size, fully transparent.
QImage toile_transparente(int largeur, int hauteur);

// The sans face the pictures are lettered with, bold, at a pixel size.
QFont police_grasse(qreal taille_pixels, bool italique = false, bool etroite = false);

// The colour c lightened (facteur > 0) or darkened (facteur < 0) by a share of 0..1.
QColor nuance(const QColor &c, qreal facteur);
