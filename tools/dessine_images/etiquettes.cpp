// SPDX-License-Identifier: GPL-3.0-or-later
#include "etiquettes.h"

#include "toile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

namespace {

// Every word is set at the size at which the widest one, FAUX!, fills the
// picture, so that OUI! and FAUX! share one letter height.
constexpr qreal taille_des_mots = 36;

} // namespace

QImage dessine_niveau(int niveau, bool courant)
{
    QImage image = toile_transparente(69, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor haut = courant ? QColor(246, 78, 64) : QColor(238, 240, 244);
    const QColor bas = courant ? QColor(192, 12, 16) : QColor(192, 197, 206);
    QLinearGradient fond(0, 0, 0, 20);
    fond.setColorAt(0, haut);
    fond.setColorAt(1, bas);
    const QRectF pastille(0.5, 0.5, 68, 19);
    p.setPen(QPen(courant ? QColor(120, 0, 0) : QColor(136, 142, 156), 1));
    p.setBrush(fond);
    p.drawRoundedRect(pastille, 9.5, 9.5);
    p.setPen(QPen(QColor(255, 255, 255, courant ? 90 : 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(pastille.adjusted(1, 1, -1, -1), 8.5, 8.5);

    const QString texte = QStringLiteral("NIVEAU %1").arg(niveau);
    p.setFont(police_grasse(13, false, true));
    p.setPen(courant ? QColor(110, 0, 0, 160) : QColor(255, 255, 255, 200));
    p.drawText(pastille.translated(0, 1), Qt::AlignCenter, texte);
    p.setPen(courant ? QColor(Qt::white) : QColor(110, 116, 130));
    p.drawText(pastille, Qt::AlignCenter, texte);
    return image;
}

QImage dessine_mot(const QString &mot, const QColor &clair, const QColor &fonce)
{
    QImage image = toile_transparente(88, 44);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath lettres;
    lettres.addText(0, 0, police_grasse(taille_des_mots, true, true), mot);
    const QRectF encombrement = lettres.boundingRect();
    lettres.translate(QRectF(QPointF(), image.deviceIndependentSize()).center() - encombrement.center());

    p.fillPath(lettres.translated(1.5, 1.5), QColor(0, 0, 40, 70));
    const QRectF cadre = lettres.boundingRect();
    QLinearGradient degrade(0, cadre.top(), 0, cadre.bottom());
    degrade.setColorAt(0, clair);
    degrade.setColorAt(1, fonce);
    p.setPen(QPen(nuance(fonce, -0.55), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(degrade);
    p.drawPath(lettres);
    return image;
}

QImage dessine_croix()
{
    QImage image = toile_transparente(80, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPathStroker trait;
    trait.setWidth(8);
    trait.setCapStyle(Qt::RoundCap);
    QPainterPath montante;
    montante.moveTo(8, 52);
    montante.lineTo(72, 8);
    QPainterPath descendante;
    descendante.moveTo(8, 8);
    descendante.lineTo(72, 52);
    const QPainterPath croix = trait.createStroke(montante).united(trait.createStroke(descendante));
    QLinearGradient rouge(0, 0, 0, 60);
    rouge.setColorAt(0, QColor(250, 40, 30));
    rouge.setColorAt(1, QColor(200, 0, 0));
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(rouge);
    p.drawPath(croix);
    return image;
}
