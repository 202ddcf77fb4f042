#pragma once

#include <QJsonObject>
#include <QString>

struct EtatPartage;

// Every variable of the shared state under its own name; arrays as lists
// whose first element is element 1. Used by the test tooling to observe a
// running program.
QJsonObject etat_en_json(const EtatPartage &etat);

// Sets an integer, real or boolean variable by name (case-insensitive).
// Returns false for an unknown name, an array or a value that does not parse.
bool fixe_variable(EtatPartage &etat, const QString &nom, const QString &valeur);
