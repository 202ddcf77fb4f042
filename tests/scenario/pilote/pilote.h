// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

class Programme;
class QWidget;
struct Frappe;

// Carries out the commands of a scenario on a running program, one line at
// a time, as the pupil would: real mouse clicks on the windows, key strokes
// on the focused control, menu entries. The event loop runs only inside a
// command (pending events after each; timers during "wait"), so that what a
// command leaves is what the next one observes. Every command answers one
// JSON object, {"ok":true,...} or {"ok":false,"error":"..."}:
//   click NAME | click WINDOW.NAME   left click at the control's centre;
//                                    "target" names what the mouse hit
//   key KEY                          press and release, see frappe_nommee();
//                                    an open menu takes it
//   type TEXT                        one key stroke per character
//   menu CAPTION[/CAPTION]           triggers a menu entry of the main window
//   wait MS                          runs the event loop for MS milliseconds
//   dump [WINDOW]                    the windows and their controls, in
//                                    the design's units, and the zoom
//   state                            the shared state
//   set NAME VALUE                   a number or flag of the shared state
//   shot WINDOW [X,Y,W,H] FILE       a PNG picture of the window, or of
//                                    a rectangle of it, in device pixels
//   close WINDOW                     the window's close box: a click on its
//                                    painted bar's close button, else a
//                                    close request the window may refuse;
//                                    "timers" counts those left running
//   tick TIMER                       a running timer of the main window
//                                    fires now instead of at its time
//   memory                           heap bytes in use and live QObjects
//   quit
class Pilote
{
public:
    // `zoom`: the factor the program runs at, for dump.
    Pilote(Programme &programme, double zoom);

    QJsonObject execute(const QString &ligne);
    bool fini() const { return m_fini; }

private:
    QJsonObject clique(const QString &arguments);
    QJsonObject touche(const QString &arguments);
    QJsonObject tape(const QString &arguments);
    QJsonObject menu(const QString &arguments);
    QJsonObject attend(const QString &arguments);
    QJsonObject decrit(const QString &arguments);
    QJsonObject etat(const QString &arguments);
    QJsonObject fixe(const QString &arguments);
    QJsonObject photographie(const QString &arguments);
    QJsonObject ferme(const QString &arguments);
    QJsonObject declenche(const QString &arguments);
    QJsonObject memoire(const QString &arguments);
    QJsonObject quitte(const QString &arguments);

    QWidget *fenetre_nommee(const QString &nom) const;
    // "NAME" or "window.NAME"; refuses an unknown or ambiguous name.
    QWidget *controle_nomme(const QString &nom) const;
    // The window that has the keyboard, as a window manager would give it.
    QWidget *fenetre_active();
    QJsonObject envoie_frappe(const Frappe &frappe);

    Programme &m_programme;
    double m_zoom;
    bool m_fini = false;
};
