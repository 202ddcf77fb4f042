// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

// The scale pictures are drawn at while one of these lives: 2 for the
// @2x twins of the pictures, 1 (the default) otherwise.
class Echelle
{
public:
    explicit Echelle(int facteur);
    ~Echelle();
    Echelle(const Echelle &) = delete;
    Echelle &operator=(const Echelle &) = delete;

    static int courante();

private:
    int m_precedente;
};

// A blank ARGB picture of the given logical size, fully transparent, with
// Echelle::courante() device pixels per logical pixel: a painter on it
// works in logical pixels whatever the scale.
QImage toile_transparente(int largeur, int hauteur);

// The part of a picture inside a rectangle given in logical pixels.
QImage decoupe(const QImage &image, const QRect &zone);

// The sans face the pictures are lettered with, bold, at a pixel size.
QFont police_grasse(qreal taille_pixels, bool italique = false, bool etroite = false);

// The colour c lightened (facteur > 0) or darkened (facteur < 0) by a share of 0..1.
QColor nuance(const QColor &c, qreal facteur);
