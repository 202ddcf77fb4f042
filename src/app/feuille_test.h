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
// grid and the scale at the foot. Texts are sized in sheet units, so they
// keep their proportion to the grid however the sheet is scaled.
QPicture dessine(const Tableau<TexteTest, 40> &questions);

// Where the sheet goes on a page of that printable size (device pixels):
// 90 % of the page height, in proportion, centred. On a page too narrow
// for that, 90 % of the page width instead, so that nothing is cut.
QRect place_sur_la_page(QSize page);

// Draws the sheet on a page of that printable size.
void pose(QPainter &peintre, QSize page, const QPicture &feuille);

} // namespace feuille_test
