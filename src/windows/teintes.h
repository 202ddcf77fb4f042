// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "couleur.h"

#include <QColor>

// One of the program's colours (couleurs::) as Qt paints it.
inline QColor teinte(Couleur c)
{
    return QColor(c.r, c.g, c.b);
}
