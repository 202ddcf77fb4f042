// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Small builders shared by every window: each control gets its design name
// as objectName.
namespace fabrique {

// Gives a control its design name; returns it, for building in one line.
template <typename W>
W *nomme(W *w, const QString &nom)
{
    w->setObjectName(nom);
    return w;
}
template <typename W>
W *nomme(W *w, const char *nom)
{
    return nomme(w, QString::fromLatin1(nom));
}

enum class Style { droit, italique, souligne };

// A font by family, character height in pixels, weight and style.
QFont police(const char *famille, int pixels, QFont::Weight graisse, Style style = Style::droit);
inline QFont police(const char *famille, int pixels, bool gras, Style style = Style::droit)
{
    return police(famille, pixels, gras ? QFont::Bold : QFont::Normal, style);
}
inline QFont arial_gras(int pixels)
{
    return police("Arial", pixels, true);
}

// The pixel height of a font size in points, at 96 dots per inch.
int pixels_de_points(int points);

// A transparent label of fixed size with its text, font and colour.
QLabel *etiquette(QWidget *parent, const char *nom, const QRect &r, const QString &texte,
                  const QFont &police, const QColor &couleur);

// The text's colour in every state.
void colore(QWidget *w, const QColor &couleur);
// The text's colour of an enabled label or button; disabled, it keeps the
// style's grey, so that a disabled key looks disabled.
void colore_actif(QWidget *w, const QColor &couleur);

// A push button with a hand-shaped cursor.
QPushButton *bouton(QWidget *parent, const char *nom, const QRect &r, const QString &texte);

} // namespace fabrique
