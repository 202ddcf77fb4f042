#pragma once

#include "tableau.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>

// What the configuration dialog may leave in its field n: nothing, or one
// or two digits without a leading zero; at most "1" for "0+0:" and "0-0:".
inline bool champ_valide(int n, const QString &texte)
{
    static const QRegularExpression un_ou_deux_chiffres(QStringLiteral("^([1-9]?[0-9])?$"));
    if (n == 1 || n == 18)
        return texte.isEmpty() || texte == u"0" || texte == u"1";
    return un_ou_deux_chiffres.match(texte).hasMatch();
}

// What is wrong with a test composition, or nothing: 40 type ids sorted,
// 20 additions (1..17) then 20 subtractions (18..34).
inline QString defaut_de_composition(const Tableau<int, 40> &composition)
{
    if (!std::is_sorted(composition.begin(), composition.end()))
        return QStringLiteral("not sorted");
    if (composition[1] < 1 || composition[40] > 34)
        return QStringLiteral("an id outside 1..34");
    if (composition[20] > 17 || composition[21] < 18)
        return QStringLiteral("not 20 additions and 20 subtractions");
    return {};
}
