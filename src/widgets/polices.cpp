// SPDX-License-Identifier: GPL-3.0-or-later
#include "polices.h"

#include <QFont>
#include <QFontDatabase>

void installe_polices_de_substitution()
{
    struct Substitution
    {
        const char *demandee;
        const char *installee;
    };
    static constexpr Substitution table[] = {
        {"Arial", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Comic Sans MS", "Comic Relief"},
        // A rounded display face; the bold narrow sans is the closest metric match at hand.
        {"Balloon XBd BT", "Liberation Sans Narrow"},
    };
    // Comic Relief is built into the program, in its regular and bold faces.
    for (const char *face : {":/polices/ComicRelief-Regular.ttf", ":/polices/ComicRelief-Bold.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
    for (const Substitution &s : table)
        QFont::insertSubstitution(QString::fromUtf8(s.demandee), QString::fromUtf8(s.installee));
}
