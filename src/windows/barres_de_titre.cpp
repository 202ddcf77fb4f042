// SPDX-License-Identifier: GPL-3.0-or-later
#include "barres_de_titre.h"

#include "marsCap.h"
#include "teintes.h"

#include <QWidget>

namespace {

struct BarreDeTitre
{
    const char *fenetre;
    Couleur debut;
    Couleur fin;
    Couleur texte;
    const char *police;
    int pixels;
    bool gras;
    bool taille_exterieure;
};

using namespace couleurs;

constexpr BarreDeTitre barres[] = {
    {"general", rouge, jaune, jaune, "Arial", 15, true, false},
    {"a_propos", rouge, jaune, blanc, "MS Sans Serif", 11, false, true},
    {"regle_add", bleu, lime, blanc, "MS Sans Serif", 11, false, false},
    {"erreur_addition", bleu, cyan, blanc, "MS Sans Serif", 11, false, false},
    {"regle_soust", bleu, lime, blanc, "MS Sans Serif", 11, false, false},
    {"lecon", bleu, fuchsia, blanc, "Arial", 11, false, true},
    {"test", bleu, rouge, blanc, "MS Sans Serif", 11, false, true},
};

const BarreDeTitre *barre_de(const QWidget &fenetre)
{
    for (const BarreDeTitre &barre : barres)
        if (fenetre.objectName() == QLatin1String(barre.fenetre))
            return &barre;
    return nullptr;
}

} // namespace

TMarsCaption *pose_barre_de_titre(QWidget &fenetre)
{
    const BarreDeTitre *barre = barre_de(fenetre);
    if (!barre)
        return nullptr;
    auto *peintre = new TMarsCaption(&fenetre);
    peintre->setActiveBeginColor(teinte(barre->debut));
    peintre->setActiveEndColor(teinte(barre->fin));
    peintre->setActiveFontColor(teinte(barre->texte));
    QFont police{QString::fromLatin1(barre->police)};
    police.setPixelSize(barre->pixels);
    police.setBold(barre->gras);
    peintre->setCaptionFont(police);
    return peintre;
}

bool taille_exterieure(const QWidget &fenetre)
{
    const BarreDeTitre *barre = barre_de(fenetre);
    return barre && barre->taille_exterieure;
}
