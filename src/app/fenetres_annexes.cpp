// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetres_annexes.h"

FenetresAnnexes::FenetresAnnexes(std::array<Fabrique, nombre_annexes> fabriques)
    : m_fabriques(std::move(fabriques))
{
}

QWidget *FenetresAnnexes::fenetre(Annexe annexe)
{
    const auto rang = static_cast<std::size_t>(annexe);
    if (!m_fenetres[rang]) {
        m_fenetres[rang] = m_fabriques[rang]();
        if (m_a_chaque_creation)
            m_a_chaque_creation(m_fenetres[rang]);
    }
    return m_fenetres[rang];
}

QWidget *FenetresAnnexes::si_creee(Annexe annexe) const
{
    return m_fenetres[static_cast<std::size_t>(annexe)];
}

void FenetresAnnexes::a_chaque_creation(std::function<void(QWidget *)> suite)
{
    m_a_chaque_creation = std::move(suite);
}
