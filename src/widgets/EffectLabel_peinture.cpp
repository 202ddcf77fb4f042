// SPDX-License-Identifier: GPL-3.0-or-later
#include "EffectLabel.h"

#include <QPainter>

#include <cmath>

// A transparent label is not opaque to Qt, so what lies behind it (the
// window's background, a gradient, other widgets) is already painted when
// the passes draw over it; an opaque one fills its Color first.
void TEffectLabel::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    if (!m_transparent)
        peintre.fillRect(rect(), m_couleurFond);
    passe(peintre, m_profondeurOmbre, m_directionOmbre, m_couleurOmbre, m_optionOmbre, true);
    passe(peintre, m_profondeurSurbrillance, m_directionSurbrillance, m_couleurSurbrillance,
          m_optionSurbrillance, false);
    dessineTexte(peintre, QPoint(0, 0), m_couleurPolice);
}

void TEffectLabel::dessineTexte(QPainter &peintre, QPoint decalage, const QColor &couleur) const
{
    const Geometrie g = geometrie();
    peintre.setFont(font());
    peintre.setPen(couleur);
    peintre.drawText(rect().translated(decalage.x() - g.mn - g.decalage, decalage.y() - g.mn),
                     drapeauxTexte(), m_legende.left(255));
}

namespace {

QColor melange(const QColor &de, const QColor &vers, int numerateur, int denominateur)
{
    auto canal = [&](int a, int b) {
        return a + int(std::lround(double(b - a) * numerateur / denominateur));
    };
    return QColor(canal(de.red(), vers.red()), canal(de.green(), vers.green()),
                  canal(de.blue(), vers.blue()));
}

} // namespace

void TEffectLabel::passe(QPainter &peintre, int profondeur, TEffectDirection direction,
                         const QColor &couleur, TEffectOption option, bool assombrit) const
{
    const QPoint pas = unite(direction);
    switch (option) {
    case eoExtrude:
    case eoGraduated:
        if (profondeur > 1) {
            for (int k = profondeur; k >= 1; --k)
                dessineTexte(peintre, pas * k,
                             option == eoExtrude ? couleur
                                                 : melange(couleur, m_couleurPolice,
                                                           profondeur - k, profondeur - 1));
            return;
        }
        break;
    case eoReal:
        peintre.save();
        peintre.setCompositionMode(assombrit ? QPainter::CompositionMode_Multiply
                                             : QPainter::CompositionMode_Screen);
        peintre.drawImage(0, 0, masqueReel(pas * profondeur));
        peintre.restore();
        return;
    case eoNormal:
        break;
    }
    dessineTexte(peintre, pas * profondeur, couleur);
}

// The copy of the text as a mask composed once over what is already there:
// multiplying by 127/255 halves each channel (fraction dropped) and screening
// with 127 brings it half-way to white, both exactly, for every value.
// Antialiased edges count as marked when at least half covered.
QImage TEffectLabel::masqueReel(QPoint decalage) const
{
    QImage masque(size(), QImage::Format_RGB32);
    masque.fill(Qt::white);
    {
        QPainter peintre(&masque);
        dessineTexte(peintre, decalage, Qt::black);
    }
    QImage calque(size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb marque = qRgba(127, 127, 127, 255);
    for (int y = 0; y < masque.height(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(masque.constScanLine(y));
        auto *ligne = reinterpret_cast<QRgb *>(calque.scanLine(y));
        for (int x = 0; x < masque.width(); ++x)
            ligne[x] = qRed(source[x]) < 128 ? marque : 0;
    }
    return calque;
}
