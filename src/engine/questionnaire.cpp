// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaire.h"

#include "aleatoire.h"
#include "etat_partage.h"
#include "niveaux.h"
#include "tables.h"

#include <cmath>

namespace {

// Appends type ids to a series, never beyond its 40 slots.
class Serie
{
public:
    void ajoute(int type)
    {
        if (m_nombre < Tableau<int, 40>::taille)
            m_cases[++m_nombre] = type;
    }
    int nombre() const { return m_nombre; }
    Tableau<int, 40> &cases() { return m_cases; }

private:
    Tableau<int, 40> m_cases;
    int m_nombre = 0;
};

} // namespace

Tableau<int, 40> elabore_questionnaire(EtatPartage &etat, SourceAleatoire &hasard,
                                       const Tableau<double, 34> &repartition, int niveau)
{
    etat.niveau = niveau;
    const Niveau &n = niveaux::niveau(niveau);

    Serie serie;
    Tableau<double, 34> cumul; // running sum of the fractional parts, per id
    double somme = 0.0;
    int dernier_fractionnaire = 0;
    for (int t = n.premier_type; t <= n.dernier_type; ++t) {
        const double entier = std::trunc(repartition[t]);
        for (int k = 0; k < static_cast<int>(entier); ++k)
            serie.ajoute(t);
        if (repartition[t] > entier)
            dernier_fractionnaire = t;
        somme += repartition[t] - entier;
        cumul[t] = somme;
    }

    // One stratum of the running sum per extra slot, one draw per stratum.
    const int extras = static_cast<int>(std::nearbyint(somme)); // ties to even
    for (int j = 0; j < extras; ++j) {
        double r = j + hasard.u();
        if (r == 0.0)
            r = 0.0001;
        // When the sum is not whole, the last stratum can reach past the
        // last running sum: that slot goes to the id that ends the sum.
        int choisi = dernier_fractionnaire;
        for (int t = n.premier_type; t <= n.dernier_type; ++t) {
            if (cumul[t] >= r) {
                choisi = t;
                break;
            }
        }
        serie.ajoute(choisi);
    }

    // Weight moved to the other operation can leave the level's series
    // short: the empty slots are drawn in proportion to the whole weights,
    // so that no slot of the series is left without a type.
    double total = 0.0;
    for (int t = n.premier_type; t <= n.dernier_type; ++t)
        total += repartition[t];
    while (serie.nombre() < n.longueur_serie) {
        const double r = hasard.u() * total;
        double c = 0.0;
        int choisi = n.premier_type;
        for (int t = n.premier_type; t <= n.dernier_type; ++t) {
            c += repartition[t];
            if (repartition[t] > 0.0)
                choisi = t;
            if (c > r)
                break;
        }
        serie.ajoute(choisi);
    }

    hasard.melange(serie.cases(), n.longueur_serie);
    return serie.cases();
}

void modifie_repartition(EtatPartage &etat)
{
    const double v = etat.vitesse_ciblage;
    Tableau<double, 34> taux;
    Tableau<bool, 34> repondu;
    double bas = 1.0;
    double haut = 0.0;
    for (int t = 1; t <= 34; ++t) {
        const int reponses = etat.reussites[t] + etat.erreurs[t];
        repondu[t] = reponses >= 1;
        if (!repondu[t])
            continue;
        taux[t] = static_cast<double>(etat.erreurs[t]) / reponses;
        bas = std::min(bas, taux[t]);
        haut = std::max(haut, taux[t]);
    }
    const double milieu = (bas + haut) / 2.0;

    double reserve = 0.0;
    for (int t = 1; t <= 34; ++t) {
        if (repondu[t] && taux[t] < milieu) {
            const double g = (milieu - taux[t]) * etat.repartition[t] * (v - 1.0) / ((milieu - bas) * v);
            etat.repartition[t] -= g;
            reserve += g;
        }
    }
    double ecart = 0.0;
    for (int t = 1; t <= 34; ++t)
        if (repondu[t] && taux[t] > milieu)
            ecart += taux[t] - milieu;
    if (reserve <= 0.0)
        return;
    for (int t = 1; t <= 34; ++t)
        if (repondu[t] && taux[t] > milieu)
            etat.repartition[t] += (taux[t] - milieu) * reserve / ecart;
}

void prepare_etat_niveau(EtatPartage &etat, SourceAleatoire &hasard, int niveau)
{
    etat.panneau_actif = QStringLiteral("panel2");
    etat.etat_soustraction = EtatSoustraction::Aucun;
    if (niveau == 0) {
        hasard.seme_depuis_horloge();
        etat.charge_valeurs_de_depart();
        return;
    }
    etat.score = 0;
    switch (niveau) {
    case 1:
        etat.questionnaire = tables::questionnaire_par_defaut;
        break;
    case 2:
        for (int i = 1; i <= 20; ++i)
            etat.questionnaire[i] = tables::questionnaire_par_defaut[20 + i];
        break;
    default:
        etat.repartition = tables::repartition_par_defaut;
        etat.questionnaire = elabore_questionnaire(etat, hasard, etat.repartition, 3);
        break;
    }
    etat.niveau = niveau;
    etat.rang_question = 1;
}
