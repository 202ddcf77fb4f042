// SPDX-License-Identifier: GPL-3.0-or-later
#include "verrous_clavier.h"

#include <QGuiApplication>

#ifdef TAVELO_AVEC_X11
// Xlib last: its macros clash with Qt names.
#include "affichage_x11.h"
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace verrous_clavier {

#ifdef TAVELO_AVEC_X11

namespace {

unsigned int masque_verr_num(Display *d)
{
    return XkbKeysymToModifiers(d, XK_Num_Lock);
}

void verrouille(Display *d, bool num, bool majuscules)
{
    const unsigned int masque_num = masque_verr_num(d);
    const unsigned int concernes = masque_num | LockMask;
    const unsigned int valeurs = (num ? masque_num : 0u) | (majuscules ? LockMask : 0u);
    XkbLockModifiers(d, XkbUseCoreKbd, concernes, valeurs);
    XFlush(d);
}

} // namespace

bool disponibles()
{
    return affichage_x11() != nullptr;
}

Table lit()
{
    Table table{};
    Display *d = affichage_x11();
    if (!d)
        return table;
    XkbStateRec etat{};
    if (XkbGetState(d, XkbUseCoreKbd, &etat) != Success)
        return table;
    table[verr_num] = (etat.locked_mods & masque_verr_num(d)) ? 1 : 0;
    table[verr_maj] = (etat.locked_mods & LockMask) ? 1 : 0;
    return table;
}

void ecrit(const Table &table)
{
    if (Display *d = affichage_x11())
        verrouille(d, table[verr_num] & 1, table[verr_maj] & 1);
}

void force()
{
    if (Display *d = affichage_x11())
        verrouille(d, true, true);
}

#else

bool disponibles()
{
    return false;
}

Table lit()
{
    return {};
}

void ecrit(const Table &)
{
}

void force()
{
}

#endif

} // namespace verrous_clavier
