// SPDX-License-Identifier: GPL-3.0-or-later
#include "champ_options.h"

#include <algorithm>
#include <utility>

namespace champ_options {

namespace {

bool est_chiffre(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool limite_a_un(int n)
{
    return n == 1 || n == 18;
}

// The first rule that applies, applied once; false when none does.
bool applique_une_regle(int n, Saisie &s)
{
    const int p = s.curseur;
    if (p > 0 && !est_chiffre(s.texte[p - 1])) {
        saisie::efface(s, p - 1);
        return true;
    }
    if (s.texte.size() > 2) {
        // With the caret at the start (a pasted text), the first character goes.
        saisie::efface(s, std::max(p - 1, 0));
        return true;
    }
    if (s.texte.size() > 1 && s.texte.startsWith(u'0')) {
        saisie::efface(s, 0);
        return true;
    }
    if (limite_a_un(n) && !s.texte.isEmpty() && s.texte.toInt() > 1) {
        saisie::efface(s, 0);
        return true;
    }
    const auto intrus = std::find_if_not(s.texte.cbegin(), s.texte.cend(), est_chiffre);
    if (intrus != s.texte.cend()) {
        saisie::efface(s, int(intrus - s.texte.cbegin()));
        return true;
    }
    return false;
}

} // namespace

Saisie corrige(int n, Saisie champ)
{
    // Only the first three characters count; the caret stays inside them.
    champ.texte.truncate(3);
    champ.curseur = std::clamp(champ.curseur, 0, int(champ.texte.size()));
    return saisie::jusqu_a_validite(std::move(champ),
                                    [n](Saisie &s) { return applique_une_regle(n, s); });
}

Saisie frappe(int n, const Saisie &avant, const QString &tape)
{
    Saisie apres = avant;
    apres.curseur = std::clamp(avant.curseur, 0, int(avant.texte.size()));
    apres.texte.insert(apres.curseur, tape);
    apres.curseur += int(tape.size());
    return corrige(n, apres);
}

} // namespace champ_options
