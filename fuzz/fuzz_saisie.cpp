// SPDX-License-Identifier: GPL-3.0-or-later
// The answer panel's typing rule under any sequence of keypad clicks, keys
// released on the OK button, erasures and cursor blinks: the panel always
// holds nothing, the cursor, a lone minus, "0", or a whole number from -99
// to 99 written without a leading zero.

#include "banc_exercice.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Key codes at release: both rows of digits, Delete, the pad's minus and
// keys the rule must ignore (Enter, space, Num Lock, Shift, a letter).
constexpr int codes[] = {48, 49, 50, 53, 57, 96, 97, 101, 105, 46, 109, 13, 32, 144, 16, 65};

void agit(Exercice &exercice, std::uint8_t octet)
{
    const int choix = octet / 6;
    switch (octet % 6) {
    case 0: exercice.Button_chiffreClick(QChar(u'0' + choix % 10)); break;
    case 1: exercice.Button_Click(); break;
    case 2: exercice.button_correctionClick(); break;
    case 3: exercice.Timer_panel_actifTimer(); break;
    case 4: exercice.ButtonOKKeyUp(codes[choix % std::size(codes)]); break;
    default: exercice.FormKeyUp(codes[choix % std::size(codes)]); break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    static const QRegularExpression regle(QStringLiteral("^(|_|-|0|-?[1-9][0-9]?)$"));
    // One drill for every input: none of the actions submits an answer, so
    // an empty panel is all an input starts from.
    static BancExercice *const banc = [] {
        auto *b = new BancExercice;
        b->demarre();
        return b;
    }();
    banc->vue.ecrit_texte(QStringLiteral("Panel2"), QString());
    for (std::size_t i = 0; i < taille; ++i) {
        agit(banc->exercice, donnees[i]);
        const QString panneau = banc->vue.texte(QStringLiteral("Panel2"));
        if (!regle.match(panneau).hasMatch()) {
            std::fprintf(stderr, "after action %zu the panel holds \"%s\"\n", i, qPrintable(panneau));
            std::abort();
        }
    }
    return 0;
}
