// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sujet_test.h"

#include <QPicture>
#include <QRect>
#include <QSize>

class QPainter;

// The printed test sheet: a vector picture in the sheet's own units, drawn
// once and laid on any page (printer, PDF, image) by the same rule.
namespace feuille_test {

// The sheet's logical size.
inline constexpr QSize taille{1621, 2711};

// The sheet of the 40 questions, each followed by "=", five to a row: the
// header "nom:", "prénom:" and the oval "note:", the dashed frame, the
// grid, the scale at the foot and "Feuille " + the sheet's code in the
// bottom right corner. Texts are sized in sheet units, so they keep their
// proportion to the grid however the sheet is scaled.
QPicture dessine(const Tableau<TexteTest, 40> &questions, const QString &code);

// The answer key laid out like the sheet: "Corrigé" in the header, the
// same frame, grid, questions and code, and each answer in bold under its
// question, where the pupil writes it.
QPicture dessine_corrige(const SujetTest &sujet, const QString &code);

// Where the code is written on both pages, in sheet units.
inline constexpr QRect place_du_code{1000, 2655, 610, 56};

// Where answer n of the key is written, in sheet units.
QRect place_de_la_reponse(int n);

// Where the sheet goes on a page of that printable size (device pixels):
// 90 % of the page height, in proportion, centred. On a page too narrow
// for that, 90 % of the page width instead, so that nothing is cut.
QRect place_sur_la_page(QSize page);

// Draws the sheet on a page of that printable size.
void pose(QPainter &peintre, QSize page, const QPicture &feuille);

} // namespace feuille_test
