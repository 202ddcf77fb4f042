// SPDX-License-Identifier: GPL-3.0-or-later
#include "correction_test.h"

#include <algorithm>
#include <utility>

namespace {

QString ligne_erreurs(int erreurs)
{
    if (erreurs == 0)
        return QStringLiteral("pas d'erreur");
    if (erreurs == 1)
        return QStringLiteral("1 erreur");
    return QString::number(erreurs) + QStringLiteral(" erreurs");
}

QString ligne_non_reponses(int non_reponses)
{
    if (non_reponses == 40)
        return QStringLiteral("pas de réponse");
    if (non_reponses == 1)
        return QStringLiteral("1 non-reponse");
    return QString::number(non_reponses) + QStringLiteral(" non-réponses");
}

} // namespace

BilanTest corrige_test(const Tableau<TexteTest, 40> &attendues, const Tableau<QString, 40> &saisies)
{
    BilanTest bilan;
    for (int n = 1; n <= 40; ++n) {
        const QString &saisie = saisies[n];
        if (saisie.isEmpty())
            ++bilan.non_reponses;
        else if (attendues[n] != saisie)
            ++bilan.erreurs;
        bilan.a_corriger[n] = saisie.isEmpty() || attendues[n] != saisie;
    }

    bilan.ligne_erreurs = bilan.erreurs == 0 && bilan.non_reponses == 0
                              ? QStringLiteral("BRAVO!!")
                              : ligne_erreurs(bilan.erreurs);
    bilan.ligne_erreurs_visible = bilan.non_reponses < 40;
    bilan.ligne_non_reponses = ligne_non_reponses(bilan.non_reponses);
    bilan.ligne_non_reponses_visible = bilan.non_reponses > 0;
    bilan.note = std::max(0, 20 - 2 * (bilan.erreurs + bilan.non_reponses));
    bilan.texte_note = QString::number(bilan.note) + QStringLiteral("/20");
    return bilan;
}

Saisie filtre_saisie(Saisie champ)
{
    return saisie::jusqu_a_validite(std::move(champ), [](Saisie &s) {
        const int p = s.curseur;
        if (p < 1 || p > s.texte.size())
            return false;
        const QChar c = s.texte[p - 1];
        const bool chiffre = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (chiffre || (p == 1 && c == QLatin1Char('-')))
            return false;
        saisie::efface(s, p - 1);
        return true;
    });
}

int longueur_des_reponses(const Tableau<TexteTest, 40> &attendues)
{
    int longueur = 3;
    for (const TexteTest &r : attendues)
        longueur = std::max(longueur, int(r.texte().size()));
    return longueur;
}
