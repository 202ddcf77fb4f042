// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows ask for the fonts they were designed with (Arial, Arial
// Narrow, Comic Sans MS, Courier New, MS Sans Serif, Times New Roman,
// "Balloon XBd BT"). Each is mapped to a free font with the same metrics,
// installed or (Comic Relief) built into the program, so that layouts that
// read back text widths come out the same on every machine. Call once, with
// the application made and before the first window is built.
void installe_polices_de_substitution();
