// SPDX-License-Identifier: GPL-3.0-or-later
#include "barres_de_titre.h"

#include "marsCap.h"

#include <QWidget>

namespace {

struct BarreDeTitre
{
    const char *fenetre;
    QRgb debut;
    QRgb fin;
    QRgb texte;
    const char *police;
    int pixels;
    bool gras;
    bool taille_exterieure;
};

constexpr QRgb rouge = qRgb(255, 0, 0);
constexpr QRgb jaune = qRgb(255, 255, 0);
constexpr QRgb bleu = qRgb(0, 0, 255);
constexpr QRgb vert = qRgb(0, 255, 0);
constexpr QRgb cyan = qRgb(0, 255, 255);
constexpr QRgb fuchsia = qRgb(255, 0, 255);
constexpr QRgb blanc = qRgb(255, 255, 255);

constexpr BarreDeTitre barres[] = {
    {"general", rouge, jaune, jaune, "Arial", 15, true, false},
    {"a_propos", rouge, jaune, blanc, "MS Sans Serif", 11, false, true},
    {"regle_add", bleu, vert, blanc, "MS Sans Serif", 11, false, false},
    {"erreur_addition", bleu, cyan, blanc, "MS Sans Serif", 11, false, false},
    {"regle_soust", bleu, vert, blanc, "MS Sans Serif", 11, false, false},
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
    peintre->setActiveBeginColor(QColor(barre->debut));
    peintre->setActiveEndColor(QColor(barre->fin));
    peintre->setActiveFontColor(QColor(barre->texte));
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
