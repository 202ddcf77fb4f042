// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
class QWidget;

// What a screen reader learns of the program's own widgets and windows,
// through Qt's accessibility interfaces (AT-SPI on Linux).
//
// Qt describes its stock widgets itself; this fills the gaps: a window built
// on a bare QWidget has the role of a window or a dialog (Qt would give it
// that of a plain client area), a painted caption bar shows its buttons,
// the live element `TAnnonce` speaks, and a painted widget that shows a
// text is named by it, read from one of its properties.
namespace accessibilite {

// Installs the interfaces, once; before the first window is described.
void installe();

// Names the widgets of class `classe` (its exact class name) by their
// property `propriete`, unless an accessible name is set on the widget.
void nomme_par_propriete(const char *classe, const char *propriete);

// Tells assistive technology that the name of `objet` has changed.
void nom_change(QObject *objet);

} // namespace accessibilite
