// SPDX-License-Identifier: GPL-3.0-or-later
#include "presentation.h"

#include "catalogue_types.h"

namespace presentation {

QString nombre(int n)
{
    return QString::number(n);
}

QString operande(int n)
{
    return n < 0 ? QStringLiteral("(%1)").arg(n) : nombre(n);
}

QString question(int type, int operande1, int operande2, bool premier_nu)
{
    const QString premier = premier_nu ? nombre(operande1) : operande(operande1);
    return premier + QLatin1Char(catalogue::signe(type)) + operande(operande2);
}

int hauteur_cache_jauge(int score, int niveau)
{
    // 20 cells of 16 px on average (15 each, 5 more every fifth point), or
    // 40 cells of 8 px (7 each, 10 more every tenth point).
    if (niveau < 3)
        return 320 - (15 * score + 5 * (score / 5));
    return 320 - (7 * score + 10 * (score / 10));
}

QString texte_led_score(int score)
{
    const QString unites = QString::number(score % 10);
    if (score < 10)
        return QLatin1Char('0') + unites + unites;
    return QString::number(score) + unites;
}

} // namespace presentation
