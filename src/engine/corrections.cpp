// SPDX-License-Identifier: GPL-3.0-or-later
#include "corrections.h"

#include "catalogue_types.h"
#include "noms_general.h"

#include <QtGlobal>

#include <array>
#include <initializer_list>

namespace {

using couleurs::marron;
using couleurs::orange;
using couleurs::rouge;

constexpr PieceLegende regle1[] = {
    {&general::EffectLabel9, true, 10, false, 85, 126, 36, marron, "Règle n°1:"},
    {&general::EffectLabel10, true, 10, false, 115, 151, 71, rouge, "les opposés s'éliminent"},
};
constexpr PieceLegende regle2[] = {
    {&general::EffectLabel9, true, 10, false, 85, 126, 36, marron, "Règle n°2:"},
    {&general::EffectLabel10, true, 10, false, 115, 151, 71, rouge, "les négatifs \"s'ajoutent\""},
};
// "neutre" lies over the sentence's own word, 99 px from its start, in
// another colour.
constexpr PieceLegende zero_neutre[] = {
    {&general::EffectLabel9, true, 10, true, 10, 193, 70, rouge, "Zéro est neutre pour l'addition"},
    {&general::EffectLabel10, true, 10 + 99, true, 10, 77, 25, marron, "neutre", false, true},
};
constexpr PieceLegende oppose_de_zero[] = {
    {&general::EffectLabel9, false, 192, false, 336, 353, 41, orange, "l'opposé de zéro est zéro"},
};
constexpr PieceLegende calcul_mental[] = {
    {&general::EffectLabel10, true, 10, true, 10, 161, 54, orange, "Erreur de calcul mental!", true},
};

struct Regle
{
    std::initializer_list<int> types;
    IssueErreurRegle issue;
};

std::array<IssueErreurRegle, catalogue::dernier_type + 1> construit_issues()
{
    using enum Ligne;
    using enum FenetreRegle;
    // Types 1..6 and 18 are left without correction: no series asks them.
    const Regle regles[] = {
        {{7, 11}, {Addition, Legende::ZeroNeutre, std::nullopt, 0}},
        {{8, 12}, {Addition, Legende::Regle1, ReglesAddition, 1}},
        {{15, 16, 17}, {Addition, Legende::Regle2, ReglesAddition, 2}},
        {{9, 10, 13, 14}, {Addition, Legende::Aucune, ErreurAddition, 0}},
        {{19, 28}, {Soustraction, Legende::OpposeDeZero, std::nullopt, 0}},
        {{20, 21, 22, 23, 24, 25, 26, 27, 29, 30, 31, 32, 33, 34},
         {Soustraction, Legende::Aucune, RegleSoustraction, 0}},
    };
    std::array<IssueErreurRegle, catalogue::dernier_type + 1> issues{};
    for (const Regle &r : regles)
        for (int type : r.types)
            issues[type] = r.issue;
    return issues;
}

} // namespace

std::span<const PieceLegende> pieces(Legende legende)
{
    switch (legende) {
    case Legende::Aucune: return {};
    case Legende::Regle1: return regle1;
    case Legende::Regle2: return regle2;
    case Legende::ZeroNeutre: return zero_neutre;
    case Legende::OpposeDeZero: return oppose_de_zero;
    case Legende::CalculMental: return calcul_mental;
    }
    return {};
}

const IssueErreurRegle &issue_erreur_regle(int type)
{
    static const auto issues = construit_issues();
    Q_ASSERT(type >= catalogue::premier_type && type <= catalogue::dernier_type);
    return issues[type];
}
