#include "polices.h"

#include <QFont>

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
        {"Comic Sans MS", "Comic Neue"},
        // A rounded display face; the bold narrow sans is the closest metric match at hand.
        {"Balloon XBd BT", "Liberation Sans Narrow"},
    };
    for (const Substitution &s : table)
        QFont::insertSubstitution(QString::fromUtf8(s.demandee), QString::fromUtf8(s.installee));
}
