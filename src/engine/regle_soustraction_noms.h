// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Names of the subtraction rule window's numbered controls. The window
// finds them without regard to case.
namespace noms_regle {

inline QString nom(const char *modele, int n)
{
    return QString::fromLatin1(modele).arg(n);
}

// Label_ex_1..12: the terms of the two example rows.
inline QString exemple(int n)
{
    return nom("Label_ex_%1", n);
}

// Label_com_1..10 under the examples, label_com_11..15 under the exercise.
inline QString commentaire(int n)
{
    return nom("Label_com_%1", n);
}

// Label_app_1..8: the exercise line.
inline QString app(int n)
{
    return nom("Label_app_%1", n);
}

} // namespace noms_regle
