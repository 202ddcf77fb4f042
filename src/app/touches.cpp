// SPDX-License-Identifier: GPL-3.0-or-later
#include "touches.h"

#include <QGuiApplication>
#include <QStringList>

namespace touches {

namespace {

// Keys of the numeric pad with Num Lock off, in digit order 0..9.
constexpr int pave_sans_verrou[10] = {
    Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
    Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp,
};

constexpr quint32 premier_code_xkb_chiffres = 10; // "1"; 19 is "0"
constexpr quint32 dernier_code_xkb_chiffres = 19;

// XKB key codes are the kernel's evdev codes plus 8.
constexpr quint32 decalage_evdev = 8;

// The numeric pad's digits and minus by their evdev codes, whatever Num
// Lock and the layout make of them: Qt's Wayland back end does not mark
// them with the keypad modifier. The pad's point needs no entry: Delete
// (Num Lock off) erases wherever it comes from, the decimal point does
// nothing.
constexpr struct
{
    quint32 evdev;
    int code;
} pave_evdev[] = {
    {82, pave_0},     {79, pave_0 + 1}, {80, pave_0 + 2}, {81, pave_0 + 3},
    {75, pave_0 + 4}, {76, pave_0 + 5}, {77, pave_0 + 6}, {71, pave_0 + 7},
    {72, pave_0 + 8}, {73, pave_0 + 9}, {74, pave_moins},
};

int code_du_pave(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return pave_0 + (key - Qt::Key_0);
    for (int chiffre = 0; chiffre < 10; ++chiffre) {
        if (pave_sans_verrou[chiffre] == key)
            return pave_0 + chiffre;
    }
    switch (key) {
    case Qt::Key_Delete:
        return suppr;
    case Qt::Key_Minus:
        return pave_moins;
    case Qt::Key_NumLock:
        return verr_num;
    default:
        return aucune;
    }
}

} // namespace

int code_virtuel(int key, Qt::KeyboardModifiers modifiers, quint32 scan_code, bool codes_xkb)
{
    if (codes_xkb) {
        for (const auto &touche : pave_evdev)
            if (touche.evdev + decalage_evdev == scan_code)
                return touche.code;
    }
    if (modifiers.testFlag(Qt::KeypadModifier))
        return code_du_pave(key);

    if (codes_xkb && scan_code >= premier_code_xkb_chiffres
        && scan_code <= dernier_code_xkb_chiffres) {
        const int chiffre = static_cast<int>((scan_code - premier_code_xkb_chiffres + 1) % 10);
        return chiffre_0 + chiffre;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return chiffre_0 + (key - Qt::Key_0);

    switch (key) {
    case Qt::Key_Delete:
        return suppr;
    case Qt::Key_Shift:
        return maj;
    case Qt::Key_NumLock:
        return verr_num;
    default:
        return aucune;
    }
}

bool codes_xkb_de_la_plateforme()
{
    // Only the Windows, Apple and Android back ends have scan codes of their
    // own; the others (xcb, wayland, offscreen, eglfs...) pass XKB key codes.
    static const QStringList autres = {QStringLiteral("windows"), QStringLiteral("direct2d"),
                                       QStringLiteral("cocoa"), QStringLiteral("ios"),
                                       QStringLiteral("android")};
    return !autres.contains(QGuiApplication::platformName());
}

} // namespace touches
