// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Small builders shared by the rule windows: every control gets its design
// name as objectName.
namespace fabrique {

// A font by family and character height in pixels.
QFont police(const char *famille, int pixels, bool gras);

// The pixel height of a font size in points, at 96 dots per inch.
int pixels_de_points(int points);

// A transparent label of fixed size with its text, font and colour.
QLabel *etiquette(QWidget *parent, const char *nom, const QRect &r, const QString &texte,
                  const QFont &police, const QColor &couleur);

void colore(QWidget *w, const QColor &couleur);

// A push button with a hand-shaped cursor.
QPushButton *bouton(QWidget *parent, const char *nom, const QRect &r, const QString &texte);

} // namespace fabrique
