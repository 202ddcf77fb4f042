// SPDX-License-Identifier: GPL-3.0-or-later
#include "sujet_test.h"

#include "aleatoire.h"
#include "catalogue_types.h"
#include "etat_partage.h"
#include "generateur.h"
#include "presentation.h"

#include <algorithm>

namespace {

// An operand text holds at most 5 characters, enough for "(-99)".
using TexteOperande = ChaineCourte<5>;

struct QuestionTiree
{
    TexteTest texte;
    // The question with its first operand always bare: two questions that
    // differ only by those parentheses share it.
    TexteTest cle;
    TexteTest reponse;
};

QuestionTiree tire_question(SourceAleatoire &hasard, int type, bool avec_retenues,
                            int max_avec_calcul, int max_sans_calcul)
{
    const Tirage t = tire_au_sort(hasard, type, avec_retenues, max_avec_calcul, max_sans_calcul);
    const QString signe(QChar::fromLatin1(catalogue::signe(type)));
    const TexteOperande nu = presentation::nombre(t.operande1);
    TexteOperande premier = presentation::operande(t.operande1);
    const TexteOperande second = presentation::operande(t.operande2);
    if (hasard.u() * 2 < 1 && t.operande1 < 0)
        premier = nu;
    const int resultat = catalogue::est_addition(type) ? t.operande1 + t.operande2
                                                       : t.operande1 - t.operande2;
    return {premier.texte() + signe + second.texte(), nu.texte() + signe + second.texte(),
            presentation::nombre(resultat)};
}

} // namespace

SujetTest compose_test(EtatPartage &etat, SourceAleatoire &hasard, int max_avec_calcul,
                       int max_sans_calcul)
{
    return compose_test(etat.composition_test, etat.avec_retenues, hasard, max_avec_calcul,
                        max_sans_calcul);
}

SujetTest compose_test(Tableau<int, 40> &composition, bool avec_retenues, SourceAleatoire &hasard,
                       int max_avec_calcul, int max_sans_calcul)
{
    hasard.melange(composition, 40);

    SujetTest sujet;
    Tableau<TexteTest, 40> cles;
    for (int n = 1; n <= 40; ++n) {
        const auto deja_posee = [&](const TexteTest &cle) {
            return std::find(cles.begin(), cles.begin() + (n - 1), cle) != cles.begin() + (n - 1);
        };
        QuestionTiree q;
        int tirages = 0;
        do {
            q = tire_question(hasard, composition[n], avec_retenues, max_avec_calcul,
                              max_sans_calcul);
        } while (deja_posee(q.cle) && ++tirages < tirages_max_par_question);
        cles[n] = q.cle;
        sujet.questions[n] = q.texte;
        sujet.reponses[n] = q.reponse;
    }
    return sujet;
}
