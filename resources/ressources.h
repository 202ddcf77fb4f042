// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QUrl>

// The pictures, the icon and the help pages built into the program.

// The bitmap called `nom`, matched without regard to case: "bitmap_1" and
// "BITMAP_1" both give BITMAP_1. A name the program has no picture for gives
// a null pixmap. Needs a QGuiApplication.
// For `ratio` device pixels per pixel (the application's highest, unless
// given) above 1, the picture comes from its drawing at twice the size:
// as is from 2 up, smoothly reduced to the exact ratio below 2. Either way
// its device-independent size is the picture's own, so layouts do not
// change, and Qt never has to enlarge it.
QPixmap bitmap_programme(const QString &nom);
QPixmap bitmap_programme(const QString &nom, qreal ratio);

// The program's icon, at every size built in (16 to 512 pixels); each
// picture is decoded at its first use, once for the run.
QIcon icone_programme();
// The same at the sizes a window's bar, a task bar and a window switcher
// draw (16 to 64 pixels): the windows' icon. The window system takes
// every size a window's icon offers when the window is made; the desktop
// finds the larger ones in the installed icon theme. Asked for a pixmap at
// a scale above 1, it gives the pictures as drawn, unzoomed, which is what
// the desktop wants; painted (QIcon::paint), it is sharp at the painter's
// pixel density.
QIcon icone_fenetres();

// The contents page of the help, as a qrc: URL for a QTextBrowser.
QUrl page_aide();
