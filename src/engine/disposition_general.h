// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <array>

// The main window's design geometry that both the window (where it builds
// its controls) and the drill (where it moves them) rely on, in the client
// area's design units.
namespace disposition_general {

inline constexpr QRect Panel1{66, 8, 205, 73};
inline constexpr QPoint Label_question{15, 12}; // in Panel1; sized by its text
inline constexpr QPoint Label1{279, 19};         // "=", sized by its text
inline constexpr QRect Panel2{320, 9, 89, 73};
inline constexpr QRect Image_faux2{4, 8, 80, 60}; // in Panel2
inline constexpr QPoint Image_oui_faux{435, 23};  // sized by its picture
inline constexpr QRect Panel6{66, 94, 221, 69};
inline constexpr QRect Label17{175, 395, 290, 33};
inline constexpr QRect Button10{472, 391, 41, 36};
inline constexpr QRect EffectLabel9{104, 116, 441, 37};
inline constexpr QRect EffectLabel10{295, 100, 193, 70};
inline constexpr QRect Image1{555, 20, 69, 373};
inline constexpr QRect Image2{573, 59, 33, 240};

// The question line: each piece follows the previous one's right edge.
constexpr int marge_question = 15;     // Label_question's left in Panel1
constexpr int ecart_oui_faux = 30;     // Panel2's right edge to OUI!/FAUX!
constexpr int haut_oui_faux_niveau = 30; // OUI!/FAUX!'s top from a level start on

// Where "Tu dois maintenant effectuer un test." stands at the end of the
// third level, in the larger font.
inline constexpr QRect message_final{84, 116, 441, 37};

// The three LED cells, chained: top and height, and their widths.
constexpr int haut_led = 29;
constexpr int hauteur_led = 21;
constexpr std::array<int, 3> largeurs_led{18, 18, 15};
// Their lefts in the window's design, and the lefts every level start
// gives them, one pixel to the right: both come from the original design,
// which moved the cells at each level start. In both the third cell lies
// over the second, so the pupil reads two digits.
constexpr std::array<int, 3> gauches_led_creation{573, 591, 591};
constexpr std::array<int, 3> gauches_led_niveau{574, 592, 592};
// Side by side, for the "BRAVO " banner running through the chain.
constexpr std::array<int, 3> gauches_led_bravo{565, 583, 601};

} // namespace disposition_general
