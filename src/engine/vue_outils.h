// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vue_exercice.h"

// Moving or resizing one side of a control keeps the others as they are.
namespace vue_outils {

inline void fixe_gauche(VueExercice &vue, const QString &controle, int gauche)
{
    QRect r = vue.geometrie(controle);
    r.moveLeft(gauche);
    vue.place(controle, r);
}

inline void fixe_largeur(VueExercice &vue, const QString &controle, int largeur)
{
    QRect r = vue.geometrie(controle);
    r.setWidth(largeur);
    vue.place(controle, r);
}

inline void fixe_hauteur(VueExercice &vue, const QString &controle, int hauteur)
{
    QRect r = vue.geometrie(controle);
    r.setHeight(hauteur);
    vue.place(controle, r);
}

// The first column right of the control: left + width.
inline int bord_droit(const QRect &r)
{
    return r.x() + r.width();
}

} // namespace vue_outils
