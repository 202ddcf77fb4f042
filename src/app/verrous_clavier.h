// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The keyboard's Num Lock and Caps Lock toggles. Where the windowing
// system lets a program set them (X11, through XKB), the state is read and
// written as a 256-entry table indexed by virtual-key code: entry 144 (Num
// Lock) and entry 20 (Caps Lock) are 1 when the toggle is on. Elsewhere
// reading gives an empty table and writing does nothing.
namespace verrous_clavier {

using Table = std::array<unsigned char, 256>;

constexpr int verr_num = 144;
constexpr int verr_maj = 20;

bool disponibles();
Table lit();
// Sets both toggles as the table says.
void ecrit(const Table &table);
// Switches both toggles on.
void force();

} // namespace verrous_clavier
