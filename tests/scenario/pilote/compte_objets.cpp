// SPDX-License-Identifier: GPL-3.0-or-later
#include "compte_objets.h"

#include <QObject>

#include <malloc.h>

// QtCore's hook table: slot 3 is called with every QObject made, slot 4
// with every QObject destroyed.
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace {

constexpr int crochet_ajout = 3;
constexpr int crochet_retrait = 4;

long g_vivants = 0;

void ajoute(QObject *)
{
    ++g_vivants;
}

void retire(QObject *)
{
    --g_vivants;
}

} // namespace

void compte_objets::installe()
{
    qtHookData[crochet_ajout] = reinterpret_cast<quintptr>(&ajoute);
    qtHookData[crochet_retrait] = reinterpret_cast<quintptr>(&retire);
}

long compte_objets::vivants()
{
    return g_vivants;
}

long long compte_objets::tas_utilise()
{
    return static_cast<long long>(mallinfo2().uordblks);
}
