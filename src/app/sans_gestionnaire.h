// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QRect>

class QWidget;

// Without a window manager (a kiosk session on a bare X server) nobody
// maximises the windows, gives one the keyboard or hands it on when a
// window goes, while Qt believes a window it asked to maximise is
// maximised. This does it for the program's windows: a maximised window
// takes the screen's available area, and its normal place back when
// restored; a window is not minimised, since nothing could restore it; the
// main window is active from its first show, and gets the
// keyboard back when the active window is hidden.
class SansGestionnaire : public QObject
{
public:
    // Looks after the main window; made a child of it.
    explicit SansGestionnaire(QWidget &principale);

    // Looks after another of the program's windows too.
    void suit(QWidget &fenetre);

    // False only on X11 when no window manager runs: none has left its
    // mark (EWMH's _NET_SUPPORTING_WM_CHECK) on the root window.
    static bool gestionnaire_present();

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void etat_change(QWidget &fenetre, Qt::WindowStates avant);
    void rend_le_clavier();

    QWidget *m_principale;
    QHash<const QWidget *, QRect> m_places_normales;
};
