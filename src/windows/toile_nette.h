// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>

// A pixmap of `taille` design pixels with as many device pixels as the
// display's scale gives them, so that what is painted on it in design
// coordinates stays sharp when the program is zoomed. Needs a
// QGuiApplication; the contents are undefined until filled.
QPixmap toile_nette(QSize taille);
