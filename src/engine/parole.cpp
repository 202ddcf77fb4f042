// SPDX-License-Identifier: GPL-3.0-or-later
#include "parole.h"

#include "niveaux.h"

namespace {

// The pieces that hold words, separated by spaces.
QString phrase(const QString &debut, const QStringList &suite)
{
    QStringList mots{debut};
    for (const QString &piece : suite) {
        if (!piece.trimmed().isEmpty())
            mots.append(piece.trimmed());
    }
    return mots.join(QLatin1Char(' '));
}

} // namespace

namespace parole {

QString question(const QString &texte)
{
    return QStringLiteral("Question : ") + texte;
}

QString question_numerotee(int n, const QString &texte)
{
    return QStringLiteral("Question %1 : ").arg(n) + texte;
}

QString score(int score, int niveau)
{
    return QStringLiteral("Score : %1 sur %2").arg(score).arg(niveaux::niveau(niveau).score_final);
}

QString verdict(bool juste, const QString &ligne, const QStringList &legendes)
{
    return phrase(juste ? QStringLiteral("OUI!") : QStringLiteral("FAUX!"),
                  QStringList{ligne.simplified()} + legendes);
}

QString fin_de_niveau(const QStringList &message)
{
    return phrase(QStringLiteral("BRAVO"), message);
}

} // namespace parole
