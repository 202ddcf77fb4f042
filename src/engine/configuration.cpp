// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuration.h"

#include "catalogue_types.h"
#include "etat_partage.h"
#include "tables.h"

#include <algorithm>

namespace {

constexpr int total_par_colonne = 20;
constexpr int maximum_minimal = 9;
constexpr int vitesse_minimale = 10;
constexpr int vitesse_par_defaut = 20; // 2.0, times ten
// The fields hold two digits.
constexpr int plus_grande_valeur = 99;

} // namespace

Configuration::Configuration(EtatPartage &etat) : m_etat(etat) {}

int Configuration::valeur(int champ) const
{
    return m_formulaire.champs[champ].toInt();
}

void Configuration::ecrit(int champ, int valeur)
{
    m_formulaire.champs[champ] = QString::number(valeur);
}

void Configuration::compte(const Tableau<int, 40> &composition)
{
    m_compte_par_type.remplit(0);
    for (const int type : composition)
        ++m_compte_par_type[type];
}

void Configuration::remplit()
{
    compte(m_etat.composition_test);
    for (int n = catalogue::premier_type; n <= catalogue::dernier_type; ++n)
        ecrit(n, m_compte_par_type[n]);
    m_formulaire.eviter_retenues = !m_etat.avec_retenues;
    ecrit(champ_max_avec_calcul, m_etat.max_avec_calcul);
    ecrit(champ_max_sans_calcul, m_etat.max_sans_calcul);
    ecrit(champ_vitesse, int(m_etat.vitesse_ciblage * 10));
}

void Configuration::CheckBox1Click(bool coche)
{
    m_formulaire.eviter_retenues = coche;
    m_etat.avec_retenues = !coche;
}

void Configuration::rectifier_erreurs()
{
    // The default counts are the replacement values of a wrong column.
    m_etat.composition_test = tables::composition_test_par_defaut;
    compte(m_etat.composition_test);

    auto remplit_si_vide = [this](int champ, int valeur) {
        if (m_formulaire.champs[champ].isEmpty())
            ecrit(champ, valeur);
    };
    for (int n = catalogue::premier_type; n <= catalogue::dernier_type; ++n)
        remplit_si_vide(n, 0);
    remplit_si_vide(champ_max_avec_calcul, maximum_minimal);
    remplit_si_vide(champ_max_sans_calcul, maximum_minimal);
    remplit_si_vide(champ_vitesse, vitesse_par_defaut);
    if (valeur(champ_vitesse) < vitesse_minimale)
        ecrit(champ_vitesse, vitesse_minimale);

    int additions = 0;
    int soustractions = 0;
    for (int n = catalogue::premier_type; n <= catalogue::dernier_type; ++n) {
        const int c = valeur(n);
        switch (catalogue::type(n).groupe) {
        case Groupe::S:
            // Questions without mental calculation: c of them need c values of x.
            if (c > valeur(champ_max_sans_calcul))
                m_formulaire.champs[champ_max_sans_calcul] = m_formulaire.champs[n];
            break;
        case Groupe::D: {
            // Doubling x without a carry leaves only some values of x.
            const int sans_retenue = std::min(c + 4 * (c / 6), plus_grande_valeur);
            if (sans_retenue > valeur(champ_max_avec_calcul) && !m_etat.avec_retenues)
                ecrit(champ_max_avec_calcul, sans_retenue);
            if (c > valeur(champ_max_avec_calcul) && m_etat.avec_retenues)
                m_formulaire.champs[champ_max_avec_calcul] = m_formulaire.champs[n];
            break;
        }
        default:
            break;
        }
        (catalogue::est_addition(n) ? additions : soustractions) += c;
    }

    const int ecart = catalogue::dernier_type_addition;
    for (int n = catalogue::premier_type; n <= ecart; ++n) {
        if (additions != total_par_colonne)
            ecrit(n, m_compte_par_type[n]);
        if (soustractions != total_par_colonne)
            ecrit(n + ecart, m_compte_par_type[n + ecart]);
    }

    for (const int champ : {champ_max_avec_calcul, champ_max_sans_calcul})
        if (valeur(champ) < maximum_minimal)
            ecrit(champ, maximum_minimal);
}

int Configuration::appliquer()
{
    int rang = 0;
    for (int n = catalogue::premier_type; n <= catalogue::dernier_type; ++n) {
        m_compte_par_type[n] = valeur(n);
        for (int k = 0; k < m_compte_par_type[n] && rang < m_etat.composition_test.taille; ++k)
            m_etat.composition_test[++rang] = n;
    }
    Q_ASSERT(rang == m_etat.composition_test.taille); // the columns total 20 + 20
    m_etat.avec_retenues = !m_formulaire.eviter_retenues;
    m_etat.max_avec_calcul = valeur(champ_max_avec_calcul);
    m_etat.max_sans_calcul = valeur(champ_max_sans_calcul);
    m_etat.vitesse_ciblage = valeur(champ_vitesse) / 10.0;
    return m_formulaire.redemarrage;
}

void Configuration::retablit_defauts()
{
    m_etat.composition_test = tables::composition_test_par_defaut;
    m_etat.avec_retenues = false;
    m_etat.max_avec_calcul = maximum_minimal;
    m_etat.max_sans_calcul = maximum_minimal;
    m_etat.vitesse_ciblage = vitesse_par_defaut / 10.0;
    m_formulaire.redemarrage = 0;
    remplit();
}
