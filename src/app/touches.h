// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "touches_virtuelles.h"

#include <QtCore/qnamespace.h>

// Translation of a Qt key event into the Windows virtual-key code the
// drill's key handlers expect (touches_virtuelles.h).
namespace touches {

// key and modifiers as Qt reports them; scan_code the native scan code,
// read as an XKB key code when codes_xkb is true (X11 and Wayland, where
// the digit row 1..9, 0 is key codes 10..19 whatever the layout). The
// digit row types digits on any layout, AZERTY included; the numeric pad
// types digits whether Num Lock is on or off, known by the keypad modifier
// or, where the platform leaves that out (Wayland), by its key codes.
int code_virtuel(int key, Qt::KeyboardModifiers modifiers, quint32 scan_code, bool codes_xkb);

// True where native scan codes are XKB key codes: X11, Wayland and the
// other Linux back ends, and the offscreen platform, whose key events come
// from a driver that sends XKB key codes.
bool codes_xkb_de_la_plateforme();

} // namespace touches
