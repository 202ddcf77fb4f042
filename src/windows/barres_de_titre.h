// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class TMarsCaption;

// The painted caption bars of the program's windows: every window but the
// configuration dialog, which keeps the platform's bar. Each bar runs from
// its window's own colour to a second one while the window is active, and
// from grey to silver with silver text while it is not.
//
// Gives the window (found by its design name) its bar, or returns null for a
// window that keeps the platform's bar.
TMarsCaption *pose_barre_de_titre(QWidget &fenetre);

// Whether the window's design size is its outer size, bar and frame
// included; otherwise it is the size of its client area.
bool taille_exterieure(const QWidget &fenetre);
