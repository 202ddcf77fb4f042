// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sujet_test.h"

#include <QString>

#include <optional>

class SourceAleatoire;
struct EtatPartage;

// The short code printed on a test sheet and on its answer key, from which
// the same sheet can be drawn again. It holds the seed of a random source
// used for that sheet alone, the carry rule the sheet was drawn under and
// a fingerprint of the test composition: the composition itself is too
// long for a code one copies by hand, so a reprint finds it in the current
// settings and the fingerprint proves it is the same one. The default
// composition has the fingerprint 0 and is rebuilt whatever the settings.
// Written as seven symbols, "4K7Q-2MX": six of payload and a check symbol.
struct CodeFeuille
{
    // Seeds run from 0 to this, excluded: what six symbols leave once the
    // carry rule and the fingerprint are packed beside the seed.
    static constexpr quint32 nombre_de_graines = 216675;
    static constexpr int nombre_d_empreintes = 2048;

    quint32 graine = 0;
    bool avec_retenues = false;
    int empreinte = 0;

    QString texte() const;

    friend bool operator==(const CodeFeuille &, const CodeFeuille &) = default;
};

// The fingerprint of a composition, whatever the order of its entries:
// 0 for the default composition, 1..2047 for any other.
int empreinte_composition(const Tableau<int, 40> &composition);

// A typed code read back: hyphens, spaces, a leading "Feuille" and the
// case are ignored, and O, I and L are read as 0, 1 and 1. A code that
// cannot be one gets a French message saying why.
struct LectureCode
{
    std::optional<CodeFeuille> code;
    QString erreur;
};
LectureCode lit_code_feuille(const QString &saisie);

// A sheet with its code, and the order its composition was shuffled into.
struct FeuilleCodee
{
    CodeFeuille code;
    SujetTest sujet;
    Tableau<int, 40> ordre;
};

// The sheet of a code: the composition (the default one, or the current
// one when the fingerprint says so) sorted, shuffled and drawn from the
// code's seed, with the printed sheet's maxima.
FeuilleCodee tire_feuille(const CodeFeuille &code, const Tableau<int, 40> &composition);

// A new sheet from the current settings, its seed drawn from the program's
// source. The composition's new order stays in the shared state, as after
// any test.
FeuilleCodee nouvelle_feuille(EtatPartage &etat, SourceAleatoire &hasard);

// The sheet of a typed code, or a French message saying why there is none.
// The shared state is left as it is.
struct Reimpression
{
    std::optional<FeuilleCodee> feuille;
    QString erreur;
};
Reimpression feuille_du_code(const EtatPartage &etat, const QString &saisie);
