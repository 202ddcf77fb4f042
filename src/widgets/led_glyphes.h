// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>

// One glyph of the LED character set: a Windows-1252 code and its 5 x 7
// dots, as seven rows from the top, each a 5-bit value whose bit 4 is the
// leftmost dot.
struct GlypheLed
{
    unsigned char code;
    std::array<unsigned char, 7> rangees;
};

// The glyphs drawn into a fresh character set: code 0, the printable codes
// 33..126, codes 127..131 and the all-lit code 255, in increasing order.
std::span<const GlypheLed> glyphes_led();
