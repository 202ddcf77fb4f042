#include "champ_options.h"

#include <algorithm>

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

void efface(SaisieChamp &s, int position)
{
    s.texte.remove(position, 1);
    if (position < s.curseur)
        --s.curseur;
}

// The first rule that applies, applied once; false when none does.
bool applique_une_regle(int n, SaisieChamp &s)
{
    const int p = s.curseur;
    if (p > 0 && !est_chiffre(s.texte[p - 1])) {
        efface(s, p - 1);
        return true;
    }
    if (s.texte.size() > 2) {
        // With the caret at the start (a pasted text), the first character goes.
        efface(s, std::max(p - 1, 0));
        return true;
    }
    if (s.texte.size() > 1 && s.texte.startsWith(u'0')) {
        efface(s, 0);
        return true;
    }
    if (limite_a_un(n) && !s.texte.isEmpty() && s.texte.toInt() > 1) {
        efface(s, 0);
        return true;
    }
    const auto intrus = std::find_if_not(s.texte.cbegin(), s.texte.cend(), est_chiffre);
    if (intrus != s.texte.cend()) {
        efface(s, int(intrus - s.texte.cbegin()));
        return true;
    }
    return false;
}

} // namespace

SaisieChamp corrige(int n, SaisieChamp saisie)
{
    // Only the first three characters count; the caret stays inside them.
    saisie.texte.truncate(3);
    saisie.curseur = std::clamp(saisie.curseur, 0, int(saisie.texte.size()));
    while (applique_une_regle(n, saisie)) {
    }
    return saisie;
}

SaisieChamp frappe(int n, const SaisieChamp &avant, const QString &tape)
{
    SaisieChamp apres = avant;
    apres.curseur = std::clamp(avant.curseur, 0, int(avant.texte.size()));
    apres.texte.insert(apres.curseur, tape);
    apres.curseur += int(tape.size());
    return corrige(n, apres);
}

} // namespace champ_options
