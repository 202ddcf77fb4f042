// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_types.h"

#include <QtGlobal>

#include <array>

namespace {

using enum Forme;
using enum Groupe;

constexpr std::array<TypeQuestion, 34> types{{
    {1, "0+0:", Zero, Zero, Z},
    {2, "type x+0:", X, Zero, S},
    {3, "type 0+x:", Zero, X, S},
    {4, "type x+x:", X, X, D},
    {5, "type x+Y:", X, Y, C},
    {6, "type Y+x:", Y, X, C},
    {7, "type 0+(-x):", Zero, MoinsX, S},
    {8, "type x+(-x):", X, MoinsX, S},
    {9, "type Y+(-x):", Y, MoinsX, B},
    {10, "type x+(-Y):", X, MoinsY, B},
    {11, "type (-x)+0:", MoinsX, Zero, S},
    {12, "type (-x)+x:", MoinsX, X, S},
    {13, "type (-x)+Y:", MoinsX, Y, B},
    {14, "type (-Y)+x:", MoinsY, X, B},
    {15, "type (-x)+(-x):", MoinsX, MoinsX, D},
    {16, "type (-x)+(-Y):", MoinsX, MoinsY, C},
    {17, "type (-Y)+(-x):", MoinsY, MoinsX, C},
    {18, "0-0:", Zero, Zero, Z},
    {19, "type x-0:", X, Zero, S},
    {20, "type 0-x:", Zero, X, S},
    {21, "type x-x:", X, X, S},
    {22, "type x-Y:", X, Y, B},
    {23, "type Y-x:", Y, X, B},
    {24, "type 0-(-x):", Zero, MoinsX, S},
    {25, "type x-(-x):", X, MoinsX, D},
    {26, "type Y-(-x):", Y, MoinsX, C},
    {27, "type x-(-Y):", X, MoinsY, C},
    {28, "type (-x)-0:", MoinsX, Zero, S},
    {29, "type (-x)-x:", MoinsX, X, D},
    {30, "type (-x)-Y:", MoinsX, Y, C},
    {31, "type (-Y)-x:", MoinsY, X, C},
    {32, "type (-x)-(-x):", MoinsX, MoinsX, S},
    {33, "type (-x)-(-Y):", MoinsX, MoinsY, B},
    {34, "type (-Y)-(-x):", MoinsY, MoinsX, B},
}};

} // namespace

namespace catalogue {

const TypeQuestion &type(int id)
{
    Q_ASSERT(id >= premier_type && id <= dernier_type);
    return types[id - 1];
}

bool est_croissant(int id)
{
    const Groupe g = type(id).groupe;
    return g == D || g == C;
}

bool est_decroissant(int id)
{
    return type(id).groupe == B;
}

} // namespace catalogue
