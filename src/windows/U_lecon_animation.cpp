// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson's animation steps, one per timer tick. Each blink decides its
// phase from the present colour or visibility of one reference label, which
// initialise leaves in a known state (labels exactly black, "+" hidden).

#include "U_lecon.h"
#include "teintes.h"

#include <QLabel>

namespace {

using namespace teintes;

} // namespace

// One half of the line blinks with its numbers and zero. The phase is read
// from the reference label's colour: black means the half lights up now.
// Gives the colour the half's numbers take.
QColor Tlecon::bascule_moitie(QLabel *reference, QLabel *moitie, const char *bitmap,
                              const QColor &allumee)
{
    const bool eteint = couleur(reference) != noir;
    if (eteint)
        moitie->hide();
    else
        montre_image(moitie, bitmap);
    const QColor c = eteint ? noir : allumee;
    colore(labl(QStringLiteral("label0")), c);
    return c;
}

// The negative half of the line, the negative numbers and zero blink blue.
void Tlecon::Timer_negatifTimer()
{
    const QColor c = bascule_moitie(labl(1, 'c'), m_images[1], "bitmap_11", bleu);
    colore(famille('c'), c);
    colore(famille('d'), c);
}

// The positive half, the positive numbers with their "+" and zero blink red.
void Tlecon::Timer_positifTimer()
{
    const QColor c = bascule_moitie(labl(1, 'b'), m_images[2], "bitmap_12", rouge);
    montre_signes_plus(c != noir);
    colore(famille('b'), c);
}

// The signs blink: "+" appears in front of the positive numbers while the
// minus signs turn yellow.
void Tlecon::Timer_signeTimer()
{
    const bool plus_montres = !labl(1, 'a')->isHidden();
    montre_signes_plus(!plus_montres);
    colore(famille('c'), plus_montres ? noir : jaune);
}

// The digits without their signs blink yellow.
void Tlecon::Timer_vaTimer()
{
    const QColor c = couleur(labl(1, 'b')) != noir ? noir : jaune;
    colore(famille('b'), c);
    colore(famille('d'), c);
}

// Highlights the pair -r and r and moves the arrows under it; the bars
// from the arrows to "opposés" grow outward with each pair and vanish when
// the sweep starts again from pair 1.
void Tlecon::Timer_opposeTimer()
{
    const int r = m_rang_oppose;
    const int precedent = r == 1 ? 5 : r - 1;
    for (const char partie : {'a', 'b', 'c', 'd'}) {
        colore(labl(precedent, partie), noir);
        colore(labl(r, partie), jaune);
    }

    if (r == 1) {
        for (QLabel *trait : m_traits)
            trait->hide();
    } else {
        m_traits[2 * r - 4]->show();
        m_traits[2 * r - 3]->show();
    }

    m_fleche1->move(260 - 50 * (r - 1), m_fleche1->y());
    m_fleche2->move(360 + 50 * (r - 1), m_fleche2->y());
    m_rang_oppose = r == 5 ? 1 : r + 1;
}
