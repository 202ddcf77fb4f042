// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tableau.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>

// What the configuration dialog may leave in its field n: nothing, or one
// or two digits without a leading zero; at most "1" for "0+0:" and "0-0:".
inline bool champ_valide(int n, const QString &texte)
{
    static const QRegularExpression deux_chiffres(QStringLiteral("^([1-9]?[0-9])?$"));
    static const QRegularExpression zero_ou_un(QStringLiteral("^[01]?$"));
    return (n == 1 || n == 18 ? zero_ou_un : deux_chiffres).match(texte).hasMatch();
}

// A test composition: 40 ids sorted, 20 additions (1..17) then 20 subtractions (18..34).
inline bool composition_valide(const Tableau<int, 40> &c)
{
    return std::is_sorted(c.begin(), c.end()) && c[1] >= 1 && c[20] <= 17 && c[21] >= 18
           && c[40] <= 34;
}
