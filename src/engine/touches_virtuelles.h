// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Windows virtual-key codes the drill's key handlers act on. The main
// window translates Qt's key events into them (touches::code_virtuel).
namespace touches {

constexpr int aucune = 0;             // any key the drill ignores
constexpr int maj = 16;               // Shift
constexpr int suppr = 46;             // Delete
constexpr int chiffre_0 = 48;         // main row: 48..57
constexpr int pave_0 = 96;            // numeric pad: 96..105
constexpr int pave_moins = 109;
constexpr int verr_num = 144;         // Num Lock

} // namespace touches
