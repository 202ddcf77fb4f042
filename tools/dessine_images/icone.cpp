// SPDX-License-Identifier: GPL-3.0-or-later
#include "icone.h"

#include "toile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace {

// Drawn on a 256-unit square, scaled to the requested size.
constexpr qreal cote = 256;
constexpr qreal rayon = 116;
const QPointF centre(cote / 2, cote / 2);

void dessine_barre(QPainter &p, const QPointF &milieu, bool verticale)
{
    const QSizeF taille = verticale ? QSizeF(27, 84) : QSizeF(84, 27);
    QRectF barre(QPointF(), taille);
    barre.moveCenter(milieu);
    p.drawRoundedRect(barre, 6, 6);
}

} // namespace

QImage dessine_icone(int taille)
{
    QImage image = toile_transparente(taille, taille);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille / cote, taille / cote);
    peins_icone(p);
    return image;
}

void peins_icone(QPainter &p)
{
    QRadialGradient ombre(centre + QPointF(0, 6), rayon + 10);
    ombre.setColorAt(0.85, QColor(0, 0, 40, 90));
    ombre.setColorAt(1, QColor(0, 0, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ombre);
    p.drawEllipse(centre + QPointF(0, 6), rayon + 10, rayon + 10);

    QPainterPath disque;
    disque.addEllipse(centre, rayon, rayon);
    QPainterPath moitie_haute;
    moitie_haute.moveTo(0, 0);
    moitie_haute.lineTo(cote, 0);
    moitie_haute.lineTo(0, cote);
    moitie_haute.closeSubpath();

    QLinearGradient bleu(0, 0, cote, cote);
    bleu.setColorAt(0, QColor(70, 140, 255));
    bleu.setColorAt(0.5, QColor(0, 44, 200));
    QLinearGradient rouge(0, 0, cote, cote);
    rouge.setColorAt(0.5, QColor(255, 70, 56));
    rouge.setColorAt(1, QColor(180, 0, 16));
    p.fillPath(disque.subtracted(moitie_haute), rouge);
    p.fillPath(disque.intersected(moitie_haute), bleu);

    // The white diagonal, cut to the disc by a path rather than a clip,
    // which an SVG drawing would not keep.
    QPainterPath diagonale;
    diagonale.moveTo(0, cote);
    diagonale.lineTo(cote, 0);
    QPainterPathStroker trait;
    trait.setWidth(7);
    trait.setCapStyle(Qt::FlatCap);
    p.fillPath(trait.createStroke(diagonale).intersected(disque), Qt::white);

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    dessine_barre(p, QPointF(88, 92), false);
    dessine_barre(p, QPointF(168, 164), false);
    dessine_barre(p, QPointF(168, 164), true);

    QLinearGradient reflet(0, centre.y() - rayon, 0, centre.y());
    reflet.setColorAt(0, QColor(255, 255, 255, 110));
    reflet.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(reflet);
    p.drawEllipse(QRectF(centre.x() - rayon * 0.78, centre.y() - rayon * 0.96, rayon * 1.56, rayon * 1.0));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 24, 60), 5));
    p.drawEllipse(centre, rayon, rayon);
}
