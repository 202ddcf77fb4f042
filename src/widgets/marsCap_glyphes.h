// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "marsCap_disposition.h"

#include <QRect>

class QPainter;
class QPalette;

// The symbols of the caption buttons, drawn as shapes rather than taken
// from the style's pictures: the same strokes at every scale, dark on the
// button's face while enabled, embossed grey while disabled.
enum class Glyphe { Fermer, Reduire, Agrandir, Restaurer, Aide };

// The symbol a button shows in the window's state: minimise and maximise
// become restore while the window is in their state.
Glyphe glyphe_du_bouton(GenreBouton genre, Qt::WindowStates etat);

// Draws the symbol centred in the button's face `face` (device-independent
// pixels).
void dessine_glyphe(QPainter &p, const QRect &face, Glyphe glyphe, const QPalette &palette,
                    bool actif);
