// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A text of at most N characters, cut silently when assigned: question and
// answer texts hold 15, test texts 12 and test operand texts 5.
template <int N>
class ChaineCourte
{
public:
    static constexpr int longueur_max = N;

    ChaineCourte() = default;
    ChaineCourte(const QString &texte) : m_texte(texte.left(N)) {}
    ChaineCourte(const char *texte) : ChaineCourte(QString::fromUtf8(texte)) {}

    ChaineCourte &operator=(const QString &texte)
    {
        m_texte = texte.left(N);
        return *this;
    }

    const QString &texte() const { return m_texte; }
    operator const QString &() const { return m_texte; }
    bool isEmpty() const { return m_texte.isEmpty(); }

    friend bool operator==(const ChaineCourte &a, const ChaineCourte &b) { return a.m_texte == b.m_texte; }
    friend bool operator==(const ChaineCourte &a, const QString &b) { return a.m_texte == b; }

private:
    QString m_texte;
};
