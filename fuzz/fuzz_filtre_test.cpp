// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen test's answer fields under any sequence of typed
// characters, caret moves and erasures, filtered after each change as the
// window does: a typed character stays when it is a digit, or a minus sign
// in first place, and goes at once otherwise, as does what its deletion
// brings before the caret, so that a field only ever holds digits and minus
// signs.

#include "correction_test.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr char16_t caracteres[] = u"0123456789-+ a.,";

// The field as a line edit keeps it: at most `longueur` characters, the
// caret between 0 and the length.
struct Champ
{
    QString texte;
    int curseur = 0;
    int longueur = 3;

    // What the pupil's action does to the field; false when it leaves it
    // as it was (no change, so no filtering).
    bool agit(std::uint8_t octet)
    {
        const int choix = octet / 4;
        switch (octet % 4) {
        case 0:
        case 1:
            if (texte.size() >= longueur)
                return false;
            texte.insert(curseur++, QChar(caracteres[choix % (std::size(caracteres) - 1)]));
            return true;
        case 2:
            curseur = choix % (texte.size() + 1);
            return false;
        default:
            if (curseur == 0)
                return false;
            texte.remove(--curseur, 1);
            return true;
        }
    }
};

bool chiffres_et_moins(const QString &texte)
{
    for (const QChar c : texte)
        if (!c.isDigit() && c != u'-')
            return false;
    return true;
}

// Whether the filter kept the field as the rule wants it after a change
// that left `tape` before the caret: kept when acceptable; else the field
// as it was before the change, less whatever the deletion then brought
// before the caret and the rule took out too. Either way the rule finds
// nothing more to take out.
bool regle_tenue(const Champ &avant, const Champ &change, const Champ &apres)
{
    if (apres.curseur < 0 || apres.curseur > apres.texte.size() || !chiffres_et_moins(apres.texte))
        return false;
    if (filtre_saisie({apres.texte, apres.curseur}).texte != apres.texte)
        return false;
    if (change.texte.size() < avant.texte.size()) // an erasure
        return true;
    const QChar tape = change.texte[change.curseur - 1];
    const bool accepte = tape.isDigit() || (tape == u'-' && change.curseur == 1);
    if (accepte)
        return apres.texte == change.texte && apres.curseur == change.curseur;
    return apres.texte.size() <= avant.texte.size()
           && avant.texte.endsWith(apres.texte.mid(apres.curseur));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    if (taille == 0)
        return 0;
    // The first byte sets the field's length: 3, or more for long answers.
    Champ champ;
    champ.longueur = 3 + donnees[0] % 3;
    for (std::size_t i = 1; i < taille; ++i) {
        const Champ avant = champ;
        if (!champ.agit(donnees[i]))
            continue;
        const Champ change = champ;
        const Saisie filtree = filtre_saisie({champ.texte, champ.curseur});
        champ.texte = filtree.texte;
        champ.curseur = filtree.curseur;
        if (!regle_tenue(avant, change, champ)) {
            std::fprintf(stderr, "after action %zu the field holds \"%s\", caret %d\n", i,
                         qPrintable(champ.texte), champ.curseur);
            std::abort();
        }
    }
    return 0;
}
