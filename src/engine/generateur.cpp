// SPDX-License-Identifier: GPL-3.0-or-later
#include "generateur.h"

#include "aleatoire.h"
#include "catalogue_types.h"

#include <array>

namespace {

// At most 99 candidates: the callers keep max_avec_calcul at 100 or below.
class Candidats
{
public:
    void ajoute(int k) { m_valeurs[m_nombre++] = k; }
    bool vide() const { return m_nombre == 0; }
    int tire(SourceAleatoire &hasard) const { return m_valeurs[hasard.entier(1, m_nombre) - 1]; }

private:
    std::array<int, 99> m_valeurs{};
    int m_nombre = 0;
};

struct XetY
{
    int x = 0;
    int y = 0;
};

// x for doubling (group D) and x below Y for added magnitudes (group C).
// Both are drawn for every type of these groups; the type keeps the one
// that matches its shape.
XetY tire_croissant(SourceAleatoire &hasard, Groupe groupe, bool avec_retenues, int max)
{
    int x_double = 0;
    int x_somme = 0;
    int y = 0;
    if (!avec_retenues) {
        x_double = hasard.entier(1, max);
        const int unites = x_double % 10;
        if (unites > 5)
            x_double = x_double - unites + hasard.entier(0, 5);
        if (x_double == 0)
            x_double = hasard.entier(1, 5);

        y = hasard.entier(2, max);
        // No carry: units add up to 10 at most, and so do tens.
        Candidats sans_retenue;
        for (int k = 1; k < y; ++k)
            if (k % 10 + y % 10 <= 10 && k / 10 + y / 10 <= 10)
                sans_retenue.ajoute(k);
        x_somme = sans_retenue.tire(hasard);
    } else {
        y = hasard.entier(2, max);
        x_somme = hasard.entier(1, y - 1);
        x_double = hasard.entier(1, max);
    }
    return {groupe == Groupe::D ? x_double : x_somme, y};
}

// x below Y for subtracted magnitudes (group B).
XetY tire_decroissant(SourceAleatoire &hasard, bool avec_retenues, int max)
{
    if (avec_retenues) {
        const int y = hasard.entier(2, max);
        return {hasard.entier(1, y - 1), y};
    }
    // No borrow: the units digit of x is at most that of Y. Only Y = 10 has
    // no such x below it; Y is then drawn again, so the pair always has the
    // type's shape (x > 0).
    for (;;) {
        const int y = hasard.entier(2, max);
        Candidats sans_emprunt;
        for (int k = 1; k < y; ++k)
            if (k % 10 <= y % 10)
                sans_emprunt.ajoute(k);
        if (!sans_emprunt.vide())
            return {sans_emprunt.tire(hasard), y};
    }
}

int valeur(Forme forme, const XetY &n)
{
    switch (forme) {
    case Forme::Zero: return 0;
    case Forme::X: return n.x;
    case Forme::MoinsX: return -n.x;
    case Forme::Y: return n.y;
    case Forme::MoinsY: return -n.y;
    }
    return 0;
}

} // namespace

Tirage tire_au_sort(SourceAleatoire &hasard, int type_question, bool avec_retenues,
                    int max_avec_calcul, int max_sans_calcul)
{
    const TypeQuestion &type = catalogue::type(type_question);
    XetY n;
    switch (type.groupe) {
    case Groupe::Z: // x is drawn and not used
    case Groupe::S:
        n.x = hasard.entier(1, max_sans_calcul);
        break;
    case Groupe::D:
    case Groupe::C:
        n = tire_croissant(hasard, type.groupe, avec_retenues, max_avec_calcul);
        break;
    case Groupe::B:
        n = tire_decroissant(hasard, avec_retenues, max_avec_calcul);
        break;
    }
    return {valeur(type.premier, n), valeur(type.second, n)};
}
