// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aleatoire.h"

#include <QList>

#include <stdexcept>

// A source of chance that replays a given sequence of u values, so that a
// test pins the exact order of the draws. Running out of values throws: a
// test that draws more than it scripted has found a change of draw order.
class AleatoireScripte : public SourceAleatoire
{
public:
    explicit AleatoireScripte(QList<double> valeurs = {}) : m_valeurs(std::move(valeurs)) {}

    void ajoute(std::initializer_list<double> valeurs) { m_valeurs.append(valeurs); }

    double u() override
    {
        if (m_suivant >= m_valeurs.size())
            throw std::out_of_range("scripted random source exhausted");
        return m_valeurs[m_suivant++];
    }

    int tirages() const { return m_suivant; }
    bool epuise() const { return m_suivant == m_valeurs.size(); }

private:
    QList<double> m_valeurs;
    int m_suivant = 0;
};
