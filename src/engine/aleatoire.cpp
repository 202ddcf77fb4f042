// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire.h"

#include <chrono>

AleatoireHorloge::AleatoireHorloge(std::optional<quint64> graine_fixe)
    : m_graine_fixe(graine_fixe)
{
    seme_depuis_horloge();
}

double AleatoireHorloge::u()
{
    // 53 random bits scaled into [0, 1): never 1.0.
    return static_cast<double>(m_moteur() >> 11) * 0x1.0p-53;
}

void AleatoireHorloge::seme_depuis_horloge()
{
    const auto horloge = std::chrono::system_clock::now().time_since_epoch().count();
    m_moteur.seed(m_graine_fixe.value_or(static_cast<quint64>(horloge)));
}
