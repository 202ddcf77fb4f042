// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vue_regle_soustraction.h"

#include <QHash>
#include <QRegularExpression>

// The subtraction rule window without widgets: it records every control's
// text, visibility and place, by name without regard to case. Labels sized
// to their text (terms, comments other than the dots, the verdict) take
// 10 px per character and 20 px of height, so that layout formulas can be
// checked to the pixel.
class VueRegleFactice : public VueRegleSoustraction
{
public:
    QString texte(const QString &c) const override { return m_texte.value(c.toLower()); }
    void ecrit_texte(const QString &c, const QString &t) override
    {
        static const QRegularExpression auto_taille(QStringLiteral("^(label_(ex|com|app)_\\d+|label_faux)$"));
        const QString n = c.toLower();
        const bool points = n == "label_com_3" || n == "label_com_8" || n == "label_com_13";
        m_texte.insert(n, t);
        if (auto_taille.match(n).hasMatch() && !points)
            m_geometrie[n].setSize({10 * static_cast<int>(t.size()), 20});
    }

    void montre(const QString &c, bool v) override { m_visible.insert(c.toLower(), v); }
    bool est_montre(const QString &c) const override { return m_visible.value(c.toLower()); }

    QRect geometrie(const QString &c) const override { return m_geometrie.value(c.toLower()); }
    void place(const QString &c, const QRect &r) override { m_geometrie.insert(c.toLower(), r); }

    void fixe_hauteur_exterieure(int h) override { hauteur = h; }
    void ferme() override { ++fermetures; }
    void reprend_exercice() override { ++reprises; }

    int hauteur = 0;
    int fermetures = 0;
    int reprises = 0;

private:
    QHash<QString, QString> m_texte;
    QHash<QString, bool> m_visible;
    QHash<QString, QRect> m_geometrie;
};
