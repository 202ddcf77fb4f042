#pragma once

#include "vue_regle_soustraction.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

// The subtraction rule window without widgets: it records every control's
// text, visibility and place, found by name without regard to case. Labels
// sized to their text take 10 px per character and 20 px of height, so
// that layout formulas can be checked to the pixel. A name the window does
// not have fails the test.
class VueRegleFactice : public VueRegleSoustraction
{
public:
    static constexpr int pixels_par_caractere = 10;

    VueRegleFactice()
    {
        const QString noms_fixes[] = {
            "EffectLabel1", "Label_reg_0", "Shape_reg_1", "Shape_reg_2", "Label3",
            "BitBtn_exemples", "BitBtn_explic", "Button_OK1", "Label14", "Label1",
            "Button_OK2", "Image1", "Image3", "Shape_app_1", "Shape_app_2",
            "label_com_3", "label_com_8", "label_com_13"};
        for (const QString &n : noms_fixes)
            m_geometrie.insert(n.toLower(), QRect());
        for (int k = 1; k <= 4; ++k) {
            m_geometrie.insert(QStringLiteral("shape_ex_%1").arg(k), QRect(0, 0, 17, 21));
            m_geometrie.insert(QStringLiteral("button_rep_%1").arg(k), QRect(0, 0, 74, 21));
        }
        for (int k = 1; k <= 6; ++k) {
            m_geometrie.insert(QStringLiteral("image_g%1").arg(k), QRect(0, 0, 2, 4));
            m_geometrie.insert(QStringLiteral("image_d%1").arg(k), QRect(0, 0, 2, 4));
            m_geometrie.insert(QStringLiteral("image_%1").arg(k), QRect(0, 0, 0, 2));
        }
        m_geometrie.insert(QStringLiteral("image1"), QRect(0, 250, 25, 25));
        m_geometrie.insert(QStringLiteral("image3"), QRect(0, 250, 25, 25));
        for (int n = 1; n <= 12; ++n)
            ecrit_texte(QStringLiteral("Label_ex_%1").arg(n), QString());
        for (int n = 1; n <= 15; ++n)
            if (n % 5 != 3)
                ecrit_texte(QStringLiteral("Label_com_%1").arg(n), QString());
        for (int n = 1; n <= 8; ++n)
            ecrit_texte(QStringLiteral("Label_app_%1").arg(n), QString());
        for (auto [n, t] : {std::pair{2, "-"}, std::pair{5, "+"}, std::pair{7, " = "},
                            std::pair{8, "-1"}})
            ecrit_texte(QStringLiteral("Label_app_%1").arg(n), QString::fromLatin1(t));
        for (int n : {2, 8})
            ecrit_texte(QStringLiteral("Label_ex_%1").arg(n), QStringLiteral("-"));
        for (int n : {5, 11})
            ecrit_texte(QStringLiteral("Label_ex_%1").arg(n), QStringLiteral("+"));
        ecrit_texte(QStringLiteral("Label_faux"), QString());
    }

    QString texte(const QString &c) const override { return m_texte.value(cle(c)); }
    void ecrit_texte(const QString &c, const QString &t) override
    {
        m_texte.insert(c.toLower(), t);
        if (taille_au_texte(c)) {
            QRect &r = m_geometrie[c.toLower()];
            r.setSize({pixels_par_caractere * static_cast<int>(t.size()), 20});
        } else {
            cle(c);
        }
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
    static bool taille_au_texte(const QString &c)
    {
        static const QRegularExpression motif(
            QStringLiteral("^(label_ex_\\d+|label_com_\\d+|label_app_\\d+|label_faux)$"));
        const QString n = c.toLower();
        return motif.match(n).hasMatch() && n != "label_com_3" && n != "label_com_8"
               && n != "label_com_13";
    }

    QString cle(const QString &c) const
    {
        const QString n = c.toLower();
        if (!m_geometrie.contains(n))
            QTest::qFail(qPrintable(QStringLiteral("no control ") + c), __FILE__, __LINE__);
        return n;
    }

    QHash<QString, QString> m_texte;
    QHash<QString, bool> m_visible;
    QHash<QString, QRect> m_geometrie;
};
