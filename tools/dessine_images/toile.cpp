#include "toile.h"

QImage toile_transparente(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
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
