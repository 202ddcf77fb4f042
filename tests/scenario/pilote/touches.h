// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>

#include <optional>

// One key stroke as an X11 keyboard reports it: the Qt key and modifiers,
// the keycode of the key's place on a pc105 keyboard (the digit row is
// 10..19 whatever the layout), the keysym and the text it types.
struct Frappe
{
    int cle = 0;
    Qt::KeyboardModifiers modificateurs;
    quint32 code_physique = 0;
    quint32 keysym = 0;
    QString texte;
};

// A key by its Qt name without "Key_", case-insensitive: "5", "Minus",
// "Delete", "Return", "NumLock", "a"... "KP_" in front names a key of the
// numeric pad ("KP_5", "KP_Subtract", "KP_End" with Num Lock off); a bare
// "Enter" is the pad's Enter, the only key that gives Key_Enter. A digit
// followed by "@azerty" is that key of the top row of a French AZERTY
// keyboard: "5@azerty" gives Key_ParenLeft "(" on the digit 5's keycode.
// "Alt+" in front holds Alt down ("Alt+T").
std::optional<Frappe> frappe_nommee(const QString &nom);

// The stroke that types one character on a US keyboard (Shift for capital
// letters); characters that no key of the table types get keycode 0.
Frappe frappe_pour_caractere(QChar c);
