// SPDX-License-Identifier: GPL-3.0-or-later
#include "marsCap_glyphes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

Glyphe glyphe_du_bouton(GenreBouton genre, Qt::WindowStates etat)
{
    switch (genre) {
    case GenreBouton::Fermer:
        return Glyphe::Fermer;
    case GenreBouton::Reduire:
        return etat.testFlag(Qt::WindowMinimized) ? Glyphe::Restaurer : Glyphe::Reduire;
    case GenreBouton::Agrandir:
        return etat.testFlag(Qt::WindowMaximized) ? Glyphe::Restaurer : Glyphe::Agrandir;
    case GenreBouton::Aide:
        return Glyphe::Aide;
    }
    return Glyphe::Fermer;
}

namespace {

// A window outline of side `cote` at `coin`: a thick top edge, as a title
// bar, and thin sides.
QPainterPath cadre_fenetre(QPointF coin, qreal cote, qreal trait)
{
    QPainterPath chemin;
    chemin.setFillRule(Qt::OddEvenFill);
    chemin.addRect(QRectF(coin, QSizeF(cote, cote)));
    chemin.addRect(QRectF(coin + QPointF(1, trait), QSizeF(cote - 2, cote - trait - 1)));
    return chemin;
}

// The symbol's outline in a square of side g at the origin, with strokes
// `trait` thick. Sides and strokes are whole pixels, so that the shapes
// fall on the pixel grid at every whole scale.
QPainterPath forme(Glyphe glyphe, qreal g, qreal trait, const QFont &police)
{
    QPainterPath chemin;
    switch (glyphe) {
    case Glyphe::Fermer:
        // Two crossed bars, each `trait` wide on every row.
        chemin.addPolygon(QPolygonF({{0, 0}, {trait, 0}, {g, g}, {g - trait, g}}));
        chemin.addPolygon(QPolygonF({{g - trait, 0}, {g, 0}, {trait, g}, {0, g}}));
        chemin.setFillRule(Qt::WindingFill);
        break;
    case Glyphe::Reduire:
        chemin.addRect(QRectF(1, g - trait, g - 3, trait));
        break;
    case Glyphe::Agrandir:
        chemin = cadre_fenetre({0, 0}, g, trait);
        break;
    case Glyphe::Restaurer: {
        // A window in front of another, up and to its right.
        const qreal cote = g - trait - 1;
        const QPainterPath devant = cadre_fenetre({0, g - cote}, cote, trait);
        QPainterPath derriere = cadre_fenetre({g - cote, 0}, cote, trait);
        QPainterPath cache;
        cache.addRect(QRectF(0, g - cote, cote, cote));
        chemin = derriere.subtracted(cache).united(devant);
        break;
    }
    case Glyphe::Aide:
        chemin.addText(0, 0, police, QStringLiteral("?"));
        chemin.translate(QPointF(g, g) / 2 - chemin.boundingRect().center());
        break;
    }
    return chemin;
}

} // namespace

void dessine_glyphe(QPainter &p, const QRect &face, Glyphe glyphe, const QPalette &palette,
                    bool actif)
{
    // The face less a pixel of margin on each side, an even number of
    // pixels; strokes a quarter of it.
    const int g = qMax(4, (qMin(face.width(), face.height()) - 2) & ~1);
    const qreal trait = qMax(1, g / 4);
    QFont police;
    police.setBold(true);
    police.setPixelSize(g + g / 2);
    QPainterPath chemin = forme(glyphe, g, trait, police);
    chemin.translate(face.left() + (face.width() - g) / 2, face.top() + (face.height() - g) / 2);

    p.save();
    p.setPen(Qt::NoPen);
    // At one device pixel per pixel the shapes stay sharp without smoothing;
    // above it, smoothing only rounds the diagonals' steps.
    p.setRenderHint(QPainter::Antialiasing, p.device() && p.device()->devicePixelRatioF() > 1);
    if (actif) {
        p.setBrush(palette.color(QPalette::Active, QPalette::ButtonText));
    } else {
        p.setBrush(palette.color(QPalette::Light));
        p.drawPath(chemin.translated(1, 1));
        p.setBrush(palette.color(QPalette::Dark));
    }
    p.drawPath(chemin);
    p.restore();
}
