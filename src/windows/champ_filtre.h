// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "saisie.h"

#include <QLineEdit>

// Puts a field's text and caret through its typing rule, `regle` (a Saisie
// in, the Saisie kept out), and writes them back only when the rule changed
// the text. Returns the text kept.
template <typename Regle>
QString filtre_champ(QLineEdit &champ, Regle regle)
{
    const Saisie gardee = regle(Saisie{champ.text(), champ.cursorPosition()});
    if (gardee.texte != champ.text()) {
        champ.setText(gardee.texte);
        champ.setCursorPosition(gardee.curseur);
    }
    return gardee.texte;
}
