#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

class QWidget;

// The title-bar buttons a secondary window keeps.
enum class Cadre {
    Normal,           // system menu, minimise, maximise, close
    Dialogue,         // fixed size, close box only
    FermetureSeule,   // resizable frame, close box only
    SansBoutons       // fixed size, no title-bar button at all
};

// Gives a secondary window its design name, caption, client size, frame and
// the stay-on-top flag every window but the main one carries. Such a window
// is a top-level window parented to the main window, so it stays above it
// and is shown without blocking it.
//
// Returns the window's client area, on which the window places its controls
// at their design coordinates. It fills the window through a margin-free
// layout, so that a frame or bar drawn by the window itself only has to set
// the layout's margins to move the client area under it.
QWidget *prepare_fenetre(QWidget &fenetre, const char *nom, const QString &titre, QSize taille,
                         Cadre cadre);

// The same, at a design position on the screen.
QWidget *prepare_fenetre(QWidget &fenetre, const char *nom, const QString &titre, QSize taille,
                         Cadre cadre, QPoint position);
