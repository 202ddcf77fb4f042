#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QUrl>

// The pictures, the icon and the help pages built into the program.

// The bitmap called `nom`, matched without regard to case: "bitmap_1" and
// "BITMAP_1" both give BITMAP_1. A name the program has no picture for gives
// a null pixmap. Needs a QGuiApplication.
QPixmap bitmap_programme(const QString &nom);

// The program's icon, at 32, 64 and 256 pixels.
QIcon icone_programme();

// The contents page of the help, as a qrc: URL for a QTextBrowser.
QUrl page_aide();
