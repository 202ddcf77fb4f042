// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The catalogue of the 34 question types. Ids 1..17 are additions, 18..34
// the subtractions of the same operand shapes in the same order (id t + 17
// has the shape of id t). In the shapes 0 < x < Y.

enum class Forme { Zero, X, MoinsX, Y, MoinsY };

// How the operands are drawn: Z nothing needed, S no mental calculation,
// D doubling, C magnitudes add, B magnitudes subtract.
enum class Groupe { Z, S, D, C, B };

struct TypeQuestion
{
    int id;
    const char *legende; // as the configuration dialog shows it, e.g. "type x+(-Y):"
    Forme premier;
    Forme second;
    Groupe groupe;
};

namespace catalogue {

constexpr int premier_type = 1;
constexpr int dernier_type = 34;
constexpr int dernier_type_addition = 17;

const TypeQuestion &type(int id);

inline bool est_addition(int id) { return id <= dernier_type_addition; }
inline char signe(int id) { return est_addition(id) ? '+' : '-'; }

// Growing: the result's magnitude is the sum of the operands' (groups D and C).
bool est_croissant(int id);
// Shrinking: the result's magnitude is their difference (group B).
bool est_decroissant(int id);

} // namespace catalogue
