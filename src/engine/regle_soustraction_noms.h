// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The subtraction rule window's controls by their design names: the one
// list read by the window that creates them, the logic that drives them and
// the tests' fake window, which refuses any other name. The window finds
// them without regard to case; the case here is the design's own.
namespace regle_soust {

// The explanation area.
inline const QString EffectLabel1 = QStringLiteral("EffectLabel1");
inline const QString Label_reg_0 = QStringLiteral("Label_reg_0"); // the rule
inline const QString Shape_reg_1 = QStringLiteral("Shape_reg_1"); // behind "soustraire"
inline const QString Shape_reg_2 = QStringLiteral("Shape_reg_2"); // behind "ajoute"
inline const QString Label3 = QStringLiteral("Label3");           // "Exemples:"
inline const QString BitBtn_exemples = QStringLiteral("BitBtn_exemples");
inline const QString BitBtn_explic = QStringLiteral("BitBtn_explic");
inline const QString Button_OK1 = QStringLiteral("Button_OK1");

// The exercise area.
inline const QString Label14 = QStringLiteral("Label14"); // "Applique cette règle:"
inline const QString Shape_app_1 = QStringLiteral("Shape_app_1"); // behind the minus sign
inline const QString Shape_app_2 = QStringLiteral("Shape_app_2"); // behind the plus sign
inline const QString Label1 = QStringLiteral("Label1");           // "( clique sur ta réponse)"
inline const QString Image3 = QStringLiteral("Image3"); // cross over the first term
inline const QString Image1 = QStringLiteral("Image1"); // cross over the second term or the value
inline const QString Label_faux = QStringLiteral("Label_faux"); // "EXACT!" or "FAUX!"
inline const QString Button_OK2 = QStringLiteral("Button_OK2");

// The numbered families; a number outside a family's range is a
// programming error.

// Label_ex_1..12: the six terms of each example row.
QString exemple(int n);
// Shape_ex_1..4: the circles behind the minus and plus signs of each row.
QString cercle_exemple(int n);
// Label_com_1..10 under the examples, label_com_11..15 under the exercise;
// the dots of each line (3, 8, 13) are lower-case too.
QString commentaire(int n);
// Label_app_1..8: the exercise line.
QString app(int n);
// Button_rep_1..4: the candidates.
QString bouton(int k);
// Bracket k, 1..4 under the examples, 5 and 6 under the exercise: its left
// tick Image_gk, right tick Image_dk and bar Image_k (image_2 for the
// second, as designed).
QString tiret_gauche(int k);
QString tiret_droit(int k);
QString barre(int k);

// Every control above, once.
QStringList tous();

} // namespace regle_soust
