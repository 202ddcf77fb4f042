// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

// Where question n (1..40) of the test window sits: column (n - 1) mod 4,
// row (n - 1) div 4. Fields that must take more than 3 characters are
// widened, and the expected answer moves right by as much.
namespace disposition_test {

constexpr int colonne(int n) { return (n - 1) % 4; }
constexpr int rang(int n) { return (n - 1) / 4; }

constexpr QRect champ(int n, int elargissement)
{
    return QRect(96 + 144 * colonne(n), 43 + 32 * rang(n), 32 + elargissement, 32);
}

// The question's top; its right edge is the field's left.
constexpr int haut_de_la_question(int n) { return 48 + 32 * rang(n); }

constexpr QPoint reponse_attendue(int n, int elargissement)
{
    return QPoint(128 + 144 * colonne(n) + elargissement, 56 + 32 * rang(n));
}

} // namespace disposition_test
