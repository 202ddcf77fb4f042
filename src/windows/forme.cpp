// SPDX-License-Identifier: GPL-3.0-or-later
#include "forme.h"

#include <QPainter>

#include <algorithm>

TForme::TForme(QWidget *parent, const QColor &brosse, const QColor &stylo, bool inverse)
    : QWidget(parent), m_brosse(brosse), m_stylo(stylo), m_inverse(inverse)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

TForme::TForme(QWidget *parent, Contour contour, const QColor &brosse)
    : QWidget(parent), m_contour(contour), m_brosse(brosse), m_stylo(Qt::transparent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TForme::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.setBrush(m_brosse);
    if (m_contour != Cadre) {
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setPen(Qt::NoPen);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (m_contour == CercleSurligne)
            peintre.drawEllipse(r);
        else
            peintre.drawRoundedRect(r, 8, 8);
        return;
    }
    if (m_inverse)
        peintre.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
    peintre.setPen(QPen(m_stylo, 1));
    // The corners are rounded by an eighth of the shorter side.
    const qreal rayon = std::min(width(), height()) / 8.0;
    peintre.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), rayon, rayon);
}
