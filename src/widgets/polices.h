// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows ask for the fonts they were designed with (Arial, Arial
// Narrow, Comic Sans MS, Courier New, MS Sans Serif, Times New Roman,
// "Balloon XBd BT"). Each is mapped to a free font with the same metrics,
// installed or (Comic Relief) built into the program, so that layouts that
// read back text widths come out the same on every machine. Call once, with
// the application made and before the first window is built.
void installe_polices_de_substitution();

// Reads the system's font configuration, which the first use of any font
// waits for: the longest single step of a start. Any thread, and before the
// application is made: main has it read on the other core while Qt connects
// to the display. The locale must be set already (numbers in the
// configuration are read by it).
void lit_configuration_des_polices();
