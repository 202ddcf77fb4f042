// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>

class QObject;
class QWidget;
class TMarsCaption;

// A window as the pupil sees it: caption, visibility, activation, geometry
// on the screen, its painted caption bar ("bar": caption, activation, the
// gradient's two colours, the buttons shown, the icon), and every named
// object that belongs to it (not to another window parented to it), flat,
// each with its parent's objectName.
QJsonObject decrit_fenetre(QWidget *fenetre);

// The window's painted caption bar; null for a window with the platform's.
TMarsCaption *barre_de(const QWidget *fenetre);

// One named object: a widget (class; visible, meaning shown within its
// window whether or not the window is; enabled; geometry in its parent;
// text; font; palette colours; the properties of the program's own classes
// and its dynamic properties such as "image"), a timer (interval, active)
// or a menu action (text, enabled, submenu).
QJsonObject decrit_objet(QObject *objet);

// The window an object belongs to: its own for a widget, its nearest
// widget ancestor's for a timer or an action.
QWidget *fenetre_de(QObject *objet);

QJsonObject geometrie_json(const QRect &r);
