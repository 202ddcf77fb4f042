// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tableau.h"

#include <QtGlobal>

#include <optional>
#include <random>
#include <utility>

// The program's one source of chance. Every draw takes a uniform real u in
// [0, 1); whole numbers and shuffles are built from u the same way
// everywhere, so that a scripted source can replay any draw order exactly.
class SourceAleatoire
{
public:
    virtual ~SourceAleatoire() = default;

    // A uniform real in [0, 1).
    virtual double u() = 0;

    // Called once by the start step of the run.
    virtual void seme_depuis_horloge() {}

    // A whole number in lo..hi: lo + trunc(u × (hi - lo + 1)).
    int entier(int lo, int hi) { return lo + static_cast<int>(u() * (hi - lo + 1)); }

    // Shuffles slots 1..n from the top: for m = n down to 1, swap slot m
    // with slot 1 + trunc(u × m).
    template <typename T, int N>
    void melange(Tableau<T, N> &t, int n)
    {
        Q_ASSERT(n <= N);
        for (int m = n; m >= 1; --m) {
            const int p = 1 + static_cast<int>(u() * m);
            std::swap(t[m], t[p]);
        }
    }
};

// The real source: a 64-bit Mersenne Twister seeded from the clock at the
// start step, or from a fixed seed when one is given (to replay a run).
class AleatoireHorloge : public SourceAleatoire
{
public:
    explicit AleatoireHorloge(std::optional<quint64> graine_fixe = std::nullopt);

    double u() override;
    void seme_depuis_horloge() override;

private:
    std::optional<quint64> m_graine_fixe;
    std::mt19937_64 m_moteur;
};
