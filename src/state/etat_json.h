// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

struct EtatPartage;

// Every variable of the shared state under its own name; arrays as lists
// whose first element is element 1. Used by the test tooling to observe a
// running program.
QJsonObject etat_en_json(const EtatPartage &etat);

// Sets an integer, real, boolean or text variable by name (case-insensitive)
// to a value the program itself can hold. Returns why it refused an unknown
// name, an array, or a value that does not parse or lies out of range;
// empty when the variable is set.
QString fixe_variable(EtatPartage &etat, const QString &nom, const QString &valeur);
