// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The text of a one-line field and the position of its caret (the number
// of characters before it).
struct Saisie
{
    QString texte;
    int curseur = 0;

    friend bool operator==(const Saisie &, const Saisie &) = default;
};

namespace saisie {

// Deletes the character at `position`; a caret after it moves one place back.
inline void efface(Saisie &s, int position)
{
    s.texte.remove(position, 1);
    if (position < s.curseur)
        --s.curseur;
}

// A field's typing rule looks at what the field holds after a change; its
// own deletions are changes too, so it runs again on them until it deletes
// nothing more. `etape` applies the rule once and says whether it deleted.
template <typename Etape>
Saisie jusqu_a_validite(Saisie s, Etape etape)
{
    while (etape(s)) {
    }
    return s;
}

} // namespace saisie
