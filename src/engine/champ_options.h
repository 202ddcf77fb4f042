// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "saisie.h"

namespace champ_options {

// Fields 1..34 hold the counts of the question types, 35 and 36 the
// maxima, 37 the targeting speed times ten.
constexpr int nombre_de_champs = 37;

// The typing rules of field n, applied to what the field holds after a
// change until none of them changes it any more:
//  1. a non-digit just before the caret is deleted;
//  2. beyond two characters, the character just before the caret (the one
//     typed) is deleted;
//  3. a leading zero before another character is deleted;
//  4. fields 1 and 18 ("0+0:", "0-0:") lose their first character while
//     their value is above 1.
// Each deletion puts the caret one place back. Text that was pasted can
// hold non-digits away from the caret; they go as well. The result is
// empty or one or two digits without a leading zero, and at most "1" in
// fields 1 and 18.
Saisie corrige(int n, Saisie champ);

// One keystroke or paste: `tape` goes in at the caret of `avant`, then the
// rules run.
Saisie frappe(int n, const Saisie &avant, const QString &tape);

} // namespace champ_options
