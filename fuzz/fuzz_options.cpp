// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog's fields under any sequence of keystrokes,
// pastes and caret moves in any field, then "Appliquer": every field keeps
// to its rule after every action, and what is put in force is a valid
// composition of 20 additions and 20 subtractions with sound maxima and
// speed.

#include "configuration.h"
#include "controle_options.h"
#include "etat_partage.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr char16_t caracteres[] = u"0123456789-x ";

[[noreturn]] void echec(const char *quoi, int champ, const QString &texte)
{
    std::fprintf(stderr, "%s: field %d holds \"%s\"\n", quoi, champ, qPrintable(texte));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    Configuration configuration(etat);
    configuration.remplit();
    std::array<int, champ_options::nombre_de_champs + 1> curseurs{};

    // Three bytes an action: the field, what is done, and the character or
    // the caret's place.
    for (std::size_t i = 0; i + 2 < taille; i += 3) {
        const int n = 1 + donnees[i] % champ_options::nombre_de_champs;
        QString &texte = configuration.formulaire().champs[n];
        int &curseur = curseurs[n];
        curseur = std::min<int>(curseur, texte.size());
        const std::uint8_t choix = donnees[i + 2];
        Saisie apres;
        switch (donnees[i + 1] % 4) {
        case 0: // a key
            apres = champ_options::frappe(
                n, {texte, curseur}, QString(QChar(caracteres[choix % (std::size(caracteres) - 1)])));
            break;
        case 1: // a paste of two characters
            apres = champ_options::frappe(n, {texte, curseur},
                                          QString::number(choix % 100).rightJustified(2, u'0'));
            break;
        case 2: // the caret moves
            curseur = choix % (texte.size() + 1);
            continue;
        default: // "Eviter les retenues" clicked
            configuration.CheckBox1Click(choix % 2 == 0);
            continue;
        }
        texte = apres.texte;
        curseur = apres.curseur;
        if (!champ_valide(n, texte))
            echec("after a keystroke", n, texte);
    }

    configuration.rectifier_erreurs();
    configuration.appliquer();
    for (int n = 1; n <= champ_options::nombre_de_champs; ++n)
        if (!champ_valide(n, configuration.formulaire().champs[n]))
            echec("after Appliquer", n, configuration.formulaire().champs[n]);
    if (!composition_valide(etat.composition_test) || etat.max_avec_calcul < 1
        || etat.max_sans_calcul < 1 || etat.max_avec_calcul > 99 || etat.max_sans_calcul > 99
        || etat.vitesse_ciblage < 1.0 || etat.vitesse_ciblage > 9.9) {
        std::fprintf(stderr, "after Appliquer the settings in force are not valid\n");
        std::abort();
    }
    return 0;
}
