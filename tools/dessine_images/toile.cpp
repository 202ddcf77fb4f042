// SPDX-License-Identifier: GPL-3.0-or-later
#include "toile.h"

namespace {

int echelle_courante = 1;

} // namespace

Echelle::Echelle(int facteur) : m_precedente(echelle_courante)
{
    echelle_courante = facteur;
}

Echelle::~Echelle()
{
    echelle_courante = m_precedente;
}

int Echelle::courante()
{
    return echelle_courante;
}

QImage toile_transparente(int largeur, int hauteur)
{
    QImage image(largeur * echelle_courante, hauteur * echelle_courante, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(echelle_courante);
    image.fill(Qt::transparent);
    return image;
}

QImage decoupe(const QImage &image, const QRect &zone)
{
    const int facteur = qRound(image.devicePixelRatio());
    QImage morceau = image.copy(QRect(zone.topLeft() * facteur, zone.size() * facteur));
    morceau.setDevicePixelRatio(facteur);
    return morceau;
}

QFont police_grasse(qreal taille_pixels, bool italique, bool etroite)
{
    QFont police(etroite ? QStringLiteral("Liberation Sans Narrow") : QStringLiteral("Liberation Sans"));
    police.setPixelSize(qRound(taille_pixels));
    police.setBold(true);
    police.setItalic(italique);
    police.setHintingPreference(QFont::PreferFullHinting);
    return police;
}

QColor nuance(const QColor &c, qreal facteur)
{
    const QColor cible = facteur >= 0 ? QColor(Qt::white) : QColor(Qt::black);
    const qreal f = qAbs(facteur);
    return QColor::fromRgbF(c.redF() + (cible.redF() - c.redF()) * f,
                            c.greenF() + (cible.greenF() - c.greenF()) * f,
                            c.blueF() + (cible.blueF() - c.blueF()) * f, c.alphaF());
}
