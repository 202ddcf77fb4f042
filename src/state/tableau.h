// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <array>

// A fixed array indexed from 1 to N, as the shared state numbers its slots:
// type id t selects element t, series slot 1 is the first question.
template <typename T, int N>
class Tableau
{
public:
    static constexpr int taille = N;

    constexpr Tableau() = default;
    constexpr Tableau(std::initializer_list<T> valeurs)
    {
        Q_ASSERT(valeurs.size() <= std::size_t(N));
        int i = 0;
        for (const T &v : valeurs)
            m_valeurs[i++] = v;
    }

    constexpr T &operator[](int i)
    {
        Q_ASSERT(i >= 1 && i <= N);
        return m_valeurs[i - 1];
    }
    constexpr const T &operator[](int i) const
    {
        Q_ASSERT(i >= 1 && i <= N);
        return m_valeurs[i - 1];
    }

    constexpr auto begin() { return m_valeurs.begin(); }
    constexpr auto end() { return m_valeurs.end(); }
    constexpr auto begin() const { return m_valeurs.begin(); }
    constexpr auto end() const { return m_valeurs.end(); }

    constexpr void remplit(const T &v) { m_valeurs.fill(v); }

    friend constexpr bool operator==(const Tableau &, const Tableau &) = default;

private:
    std::array<T, N> m_valeurs{};
};
