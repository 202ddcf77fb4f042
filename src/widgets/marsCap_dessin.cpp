// SPDX-License-Identifier: GPL-3.0-or-later
#include "marsCap.h"

#include "marsCap_glyphes.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace {

// Writes one line vertically centred in its box, cut with an ellipsis when
// it does not fit; returns the text as written.
QString ecrit_ligne(QPainter &p, const QRect &boite, const QString &texte, const QFont &police)
{
    const QString coupe = QFontMetrics(police).elidedText(texte, Qt::ElideRight, boite.width());
    p.setFont(police);
    p.drawText(boite, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, coupe);
    return coupe;
}

} // namespace

QString TMarsCaption::legendeAffichee() const
{
    const DispositionBarre d = disposition();
    int largeur = d.texte.width();
    if (!m_nom_application.isEmpty())
        largeur -= QFontMetrics(m_police_application).horizontalAdvance(m_nom_application);
    return QFontMetrics(m_police_legende).elidedText(m_legende, Qt::ElideRight, qMax(0, largeur));
}

// Paints only what the event asks for: a pressed button repaints itself
// alone, not the bar around it.
void TMarsCaption::paintEvent(QPaintEvent *event)
{
    const DispositionBarre d = disposition();
    const QRegion &zone = event->region();
    QPainter p(this);
    if (!zone.subtracted(d.barre).isEmpty())
        dessine_cadre(p, d);
    if (d.hauteur <= 0 || !zone.intersects(d.barre))
        return;
    m_actif_dessine = actif();
    for (const Bande &bande : bandes_degrade(d.barre, couleurDebut(), couleurFin(), m_nb_couleurs))
        if (zone.intersects(bande.rect))
            p.fillRect(bande.rect, bande.couleur);
    if (zone.intersects(d.icone))
        dessine_icone(p, d);
    if (zone.intersects(d.texte))
        dessine_textes(p, d);
    for (const TMarsCaptionSystemButton &b : m_boutons)
        if (b.visible() && zone.intersects(b.rect()))
            dessine_bouton(p, b);
}

// The frame around the client area, raised as the window system draws it.
void TMarsCaption::dessine_cadre(QPainter &p, const DispositionBarre &d) const
{
    if (d.cadre <= 0)
        return;
    p.save();
    p.setClipRegion(zone_peinte(d));
    qDrawWinPanel(&p, rect(), palette(), false, &palette().brush(QPalette::Button));
    p.restore();
}

// The icon is scaled once for its box and the screen's pixel density, not
// at every painting.
void TMarsCaption::dessine_icone(QPainter &p, const DispositionBarre &d)
{
    if (d.icone.width() <= 0)
        return;
    const QRect cible(QPoint(d.icone.left() + 2, d.barre.top() + 1),
                      QPoint(d.icone.left() + d.icone.width() - 1,
                             d.barre.top() + d.barre.height() - 2));
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(cible.size()) * ratio).toSize();
    if (m_image_icone.size() != pixels || m_image_icone.devicePixelRatio() != ratio) {
        QIcon icone = fenetre()->windowIcon();
        if (icone.isNull())
            icone = style()->standardIcon(QStyle::SP_TitleBarMenuButton, nullptr, this);
        // Painted rather than asked for a pixmap: an icon may give the
        // desktop's pictures for a pixmap, and paint sharp at any density.
        m_image_icone = QPixmap(pixels);
        m_image_icone.setDevicePixelRatio(ratio);
        m_image_icone.fill(Qt::transparent);
        QPainter peintre(&m_image_icone);
        icone.paint(&peintre, QRect(QPoint(), cible.size()));
    }
    p.drawPixmap(cible, m_image_icone);
}

void TMarsCaption::dessine_textes(QPainter &p, const DispositionBarre &d) const
{
    p.setPen(actif() ? m_actif_texte : m_inactif_texte);
    QRect boite = d.texte;
    if (!m_nom_application.isEmpty()) {
        ecrit_ligne(p, boite, m_nom_application, m_police_application);
        boite.setLeft(boite.left()
                      + QFontMetrics(m_police_application).horizontalAdvance(m_nom_application));
    }
    if (boite.width() > 0)
        ecrit_ligne(p, boite, m_legende, m_police_legende);
}

// A caption button with the classic raised bevel, sunken while pressed,
// its symbol shifted by a pixel when pressed and embossed when disabled.
void TMarsCaption::dessine_bouton(QPainter &p, const TMarsCaptionSystemButton &b) const
{
    qDrawWinButton(&p, b.rect(), palette(), b.pressed(), &palette().brush(QPalette::Button));
    const int decalage = b.pressed() ? 1 : 0;
    dessine_glyphe(p, b.rect().adjusted(2, 2, -2, -2).translated(decalage, decalage),
                   glyphe_du_bouton(b.genre(), fenetre()->windowState()), palette(), b.enabled());
}
