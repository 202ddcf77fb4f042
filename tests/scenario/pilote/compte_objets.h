// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Counts the QObjects alive in the process through QtCore's debugging hooks
// (the ones object inspectors use). Installed before the application object,
// it sees every QObject made and destroyed afterwards.
namespace compte_objets {
void installe();
long vivants();
// Bytes of the heap in use (malloc's own count).
long long tas_utilise();
} // namespace compte_objets
