// SPDX-License-Identifier: GPL-3.0-or-later
#include "demonstration_unites.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr Couleur gris_fonce{128, 128, 128};

// The terms' colours: blue for a negative term, red otherwise.
Couleur couleur_du_terme(int terme)
{
    return terme < 0 ? couleurs::bleu : couleurs::rouge;
}

} // namespace

void DemonstrationUnites::commence(int operande1, int operande2)
{
    m_operande1 = operande1;
    m_operande2 = operande2;
    m_etape_erreur = 0;
    m_visible.fill(false);
    m_cadre_paires.visible = false;
    m_cadre_reste.visible = false;
    m_bouton_visible = false;
    m_plus_petit = std::min(std::abs(operande1), std::abs(operande2));
    m_plus_grand = std::max(std::abs(operande1), std::abs(operande2));
}

void DemonstrationUnites::clique()
{
    m_etape_erreur %= 7;
    // The tests follow one another within the click: step 5 with a single
    // pair goes on to step 6 at once.
    if (m_etape_erreur == 0) {
        montre(2, 42, false);
        for (const int terme : {10, 20, 30})
            m_visible[terme] = true;
        m_visible[50] = false;
        m_cadre_paires.visible = false;
        m_cadre_reste.visible = false;
    }
    if (m_etape_erreur == 1)
        montre_colonne(0, m_operande1);
    if (m_etape_erreur == 2)
        m_visible[21] = true;
    if (m_etape_erreur == 3)
        montre_colonne(20, m_operande2);
    if (m_etape_erreur == 4) {
        m_cadre_paires = {true, m_cadre_paires.haut, 22};
        m_points_zero = points_premier_zero;
        m_zero_centre = false;
        m_visible[41] = true;
    }
    if (m_etape_erreur == 5 && m_plus_petit == 1)
        m_etape_erreur = 6;
    if (m_etape_erreur == 5) {
        m_cadre_paires.hauteur = m_plus_petit * 22 + (m_plus_petit >= 6 ? 12 : 0);
        m_points_zero = points_grand;
        m_zero_centre = true;
        m_visible[41] = true;
    }
    if (m_etape_erreur == 6) {
        m_cadre_reste.haut = m_plus_petit * 22 + (m_plus_petit >= 5 ? 68 : 56);
        m_cadre_reste.hauteur = (m_plus_grand - m_plus_petit) * 22
                                + (m_plus_petit <= 4 && m_plus_grand >= 6 ? 12 : 0);
        m_cadre_reste.visible = true;
        for (const int resultat : {40, 42, 50})
            m_visible[resultat] = true;
        m_bouton_visible = true;
    }
    ++m_etape_erreur;
}

// A column of |valeur| units, each after the first preceded by a plus sign:
// row k holds the plus sign base + k and the unit base + 10 + k. The window
// has nine rows.
void DemonstrationUnites::montre_colonne(int base, int valeur)
{
    const int unites = std::min(std::abs(valeur), rangees);
    for (int k = 2; k <= unites; ++k) {
        m_visible[base + k] = true;
        m_visible[base + 10 + k] = true;
    }
    m_visible[base + 11] = true;
}

void DemonstrationUnites::montre(int premiere, int derniere, bool visible)
{
    std::fill(m_visible.begin() + premiere, m_visible.begin() + derniere + 1, visible);
}

bool DemonstrationUnites::visible(int etiquette) const
{
    return m_visible.at(etiquette);
}

QString DemonstrationUnites::texte(int etiquette) const
{
    const auto unite = [](int terme) { return terme < 0 ? QStringLiteral("-1") : QStringLiteral("1"); };
    if (etiquette == 10)
        return QString::number(m_operande1);
    if (etiquette == 30)
        return QString::number(m_operande2);
    if (etiquette >= 11 && etiquette <= 19)
        return unite(m_operande1);
    if (etiquette >= 31 && etiquette <= 39)
        return unite(m_operande2);
    if (etiquette == 40)
        return QStringLiteral("=");
    if (etiquette == 41)
        return QStringLiteral("0");
    if (etiquette == 42 || etiquette == 50)
        return QString::number(m_operande1 + m_operande2);
    return QStringLiteral("+");
}

Couleur DemonstrationUnites::couleur(int etiquette) const
{
    if (etiquette >= 2 && etiquette <= 19)
        return couleur_du_terme(m_operande1);
    if (etiquette >= 22 && etiquette <= 39)
        return couleur_du_terme(m_operande2);
    if (etiquette == 41 || etiquette == 42)
        return gris_fonce;
    return couleurs::noir;
}

int DemonstrationUnites::haut_centre(const Cadre &cadre, int hauteur_etiquette)
{
    // The half is taken exactly and the sum truncated: a label taller than
    // the frame by an odd number of pixels stands half a pixel higher.
    return static_cast<int>(cadre.haut + (cadre.hauteur - hauteur_etiquette) / 2.0);
}

int DemonstrationUnites::haut_rangee(int rangee)
{
    return 52 + 22 * (rangee - 1) + (rangee >= 6 ? 12 : 0);
}
