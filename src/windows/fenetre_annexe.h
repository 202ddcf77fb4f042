// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>

class QWidget;

// The title-bar buttons a secondary window keeps.
enum class Cadre {
    Normal,           // system menu, minimise, maximise, close
    Dialogue,         // fixed size, close box only
    FermetureSeule,   // resizable frame, close box only
    SansBoutons       // fixed size, no title-bar button at all
};

// Gives a secondary window its design name, caption, size, frame and the
// stay-on-top flag every window but the main one carries, and its painted
// caption bar (see barres_de_titre.h). Such a window is a top-level window
// parented to the main window, so it stays above it and is shown without
// blocking it. The size is that of the client area, or the outer size for
// the windows designed by their outer size; either way the window's own
// size is its outer size afterwards, so resizing it later sets the outer
// size.
//
// Returns the window's client area, on which the window places its controls
// at their design coordinates. It fills the window, inside the frame and
// under the bar, through a layout.
//
// Every such window answers the keyboard alike: Return and Enter press the
// focused push button, as the space bar does, and Escape closes the window
// (a close its closeEvent may refuse).
QWidget *prepare_fenetre(QWidget &fenetre, const char *nom, const QString &titre, QSize taille,
                         Cadre cadre);

// The same, at a design position on the screen.
QWidget *prepare_fenetre(QWidget &fenetre, const char *nom, const QString &titre, QSize taille,
                         Cadre cadre, QPoint position);

// Escape closes the window only while `fermable` says so: a window without
// a close box whose button to close it is not always there.
void echap_ferme_si(QWidget &fenetre, std::function<bool()> fermable);
