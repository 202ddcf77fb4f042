// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "regle_soustraction_noms.h"
#include "vue_regle_soustraction.h"

#include <QHash>
#include <QSet>

// The subtraction rule window without widgets: it records every control's
// text, visibility and place, by name without regard to case, and stops the
// test at a name the window does not have. Labels sized to their text
// (terms, comments other than the dots, the verdict) take 10 px per
// character and 20 px of height, so that layout formulas can be checked to
// the pixel.
class VueRegleFactice : public VueRegleSoustraction
{
public:
    VueRegleFactice()
    {
        for (const QString &nom : regle_soust::tous())
            m_declares.insert(nom.toLower());
        for (int n = 1; n <= 15; ++n)
            if (n % 5 != 3)
                m_taille_au_texte.insert(regle_soust::commentaire(n).toLower());
        for (int n = 1; n <= 12; ++n)
            m_taille_au_texte.insert(regle_soust::exemple(n).toLower());
        for (int n = 1; n <= 8; ++n)
            m_taille_au_texte.insert(regle_soust::app(n).toLower());
        m_taille_au_texte.insert(regle_soust::Label_faux.toLower());
    }

    QString texte(const QString &c) const override { return m_texte.value(cle(c)); }
    void ecrit_texte(const QString &c, const QString &t) override
    {
        const QString n = cle(c);
        m_texte.insert(n, t);
        if (m_taille_au_texte.contains(n))
            m_geometrie[n].setSize({10 * static_cast<int>(t.size()), 20});
    }

    void montre(const QString &c, bool v) override { m_visible.insert(cle(c), v); }
    bool est_montre(const QString &c) const override { return m_visible.value(cle(c)); }

    QRect geometrie(const QString &c) const override { return m_geometrie.value(cle(c)); }
    void place(const QString &c, const QRect &r) override { m_geometrie.insert(cle(c), r); }

    void fixe_hauteur_exterieure(int h) override { hauteur = h; }
    void ferme() override { ++fermetures; }
    void reprend_exercice() override { ++reprises; }

    int hauteur = 0;
    int fermetures = 0;
    int reprises = 0;

private:
    // A misspelt name would find nothing in the window: it ends the test.
    QString cle(const QString &controle) const
    {
        const QString n = controle.toLower();
        if (!m_declares.contains(n))
            qFatal("VueRegleFactice: no control named \"%s\"", qPrintable(controle));
        return n;
    }

    QSet<QString> m_declares;
    QSet<QString> m_taille_au_texte;
    QHash<QString, QString> m_texte;
    QHash<QString, bool> m_visible;
    QHash<QString, QRect> m_geometrie;
};
