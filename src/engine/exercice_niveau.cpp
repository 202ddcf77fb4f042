// SPDX-License-Identifier: GPL-3.0-or-later
// Level start, end of a level and posing a question.
#include "exercice.h"

#include "aleatoire.h"
#include "catalogue_types.h"
#include "disposition_general.h"
#include "etat_partage.h"
#include "niveaux.h"
#include "noms_general.h"
#include "parole.h"
#include "presentation.h"
#include "questionnaire.h"
#include "vue_exercice.h"
#include "vue_outils.h"

#include <QStringList>

#include <array>

using namespace vue_outils;

namespace {

// Moves the three LED cells and sets their scrolling.
void place_leds(VueExercice &vue, const std::array<int, 3> &gauches, bool defile)
{
    for (int i = 0; i < 3; ++i) {
        fixe_gauche(vue, *general::leds[i], gauches[i]);
        vue.defilement_led(*general::leds[i], defile);
    }
}

// Position in the history of the most recent appearance of a text (1 is
// the newest), or one past the end when the text is not there.
int anciennete(const Tableau<TexteQuestion, 20> &historique, const QString &texte)
{
    for (int i = 1; i <= historique.taille; ++i)
        if (historique[i] == texte)
            return i;
    return historique.taille + 1;
}

// The end of the third level: in place of the question, then below it.
QStringList message_final()
{
    return {QStringLiteral("Félicitations!!!"), QStringLiteral("Tu dois maintenant effectuer un test.")};
}

} // namespace

Exercice::Exercice(EtatPartage &etat, VueExercice &vue, SourceAleatoire &hasard)
    : m_etat(etat), m_vue(vue), m_hasard(hasard)
{
}

QString Exercice::labl(int n)
{
    return general::terme(n);
}

Tirage Exercice::tire_au_sort(int type_question, bool avec_retenues, int max_avec_calcul,
                              int max_sans_calcul)
{
    return ::tire_au_sort(m_hasard, type_question, avec_retenues, max_avec_calcul,
                          max_sans_calcul);
}

void Exercice::initialise_niveau(int niveau)
{
    cesse_d_attendre();
    m_vue.ecrit_texte(general::Panel1, QString());
    m_vue.ecrit_texte(general::Panel2, QString());
    for (const QString &nom : {general::Panel1, general::Panel2, general::Label1})
        m_vue.montre(nom, true);
    fixe_gauche(m_vue, general::Label_question, disposition_general::marge_question);
    for (const QString &nom : {general::Panel6, general::Label17, general::EffectLabel9,
                               general::EffectLabel10, general::Button10})
        m_vue.montre(nom, false);
    montre_clavier(true);
    QRect oui = m_vue.geometrie(general::Image_oui_faux);
    oui.moveTo(bord_droit(m_vue.geometrie(general::Panel2)) + disposition_general::ecart_oui_faux,
               disposition_general::haut_oui_faux_niveau);
    m_vue.place(general::Image_oui_faux, oui);
    m_vue.montre(general::Image_oui_faux, false);
    // The blink of a correction line hidden above stops with it.
    for (const QString &minuterie :
         {general::timer_oui, general::Timer_fin_bravo, general::timer_couleur})
        m_vue.arrete_minuterie(minuterie);

    if (niveau == 0) {
        m_vue.sauve_etat_clavier();
        m_vue.force_verrous_clavier();
        prepare_etat_niveau(m_etat, m_hasard, 0);
        return;
    }

    const Niveau &n = niveaux::niveau(niveau);
    m_vue.charge_image(general::Image1, QString::fromLatin1(n.jauge));
    m_vue.charge_image(general::Image2, QString::fromLatin1(n.cache_jauge));
    m_vue.charge_image(general::Image7, QString::fromLatin1(n.image7));
    m_vue.charge_image(general::Image8, QString::fromLatin1(n.image8));
    m_vue.charge_image(general::Image9, QString::fromLatin1(n.image9));
    // Two digits: the third cell lies over the second (undoes the banner).
    place_leds(m_vue, disposition_general::gauches_led_niveau, false);
    if (niveau == 1)
        m_vue.montre(general::EffectLabel9, false);
    prepare_etat_niveau(m_etat, m_hasard, niveau);
    affiche_score();
    avant_de_poser_la_question();
    m_vue.titre_fenetre(QString::fromUtf8(n.titre));
}

void Exercice::avant_de_poser_la_question()
{
    const Niveau &niveau = niveaux::niveau(m_etat.niveau);
    const bool fin = m_etat.score == niveau.score_final;
    const bool fin_de_niveau = fin && niveau.numero < niveaux::dernier;
    const bool fin_du_jeu = fin && niveau.numero == niveaux::dernier;
    if (fin) {
        // The three cells side by side, "BRAVO " running through the chain.
        place_leds(m_vue, disposition_general::gauches_led_bravo, true);
        m_vue.texte_led(general::LedMatrix1, QStringLiteral("BRAVO "));
        m_vue.annonce(parole::fin_de_niveau(fin_du_jeu ? message_final() : QStringList()));
    } else {
        pose_la_question();
    }

    if (fin_de_niveau)
        m_vue.demarre_minuterie(general::Timer_fin_bravo);

    if (fin_du_jeu) {
        m_vue.ecrit_texte(general::Label_question, message_final().first());
        fixe_largeur(m_vue, general::Panel1,
                     m_vue.geometrie(general::Label_question).width()
                         + 2 * disposition_general::marge_question);
        montre_clavier(false);
        m_vue.montre(general::Label1, false);
        m_vue.montre(general::Panel2, false);
        m_vue.taille_police(general::EffectLabel10, 18);
        m_vue.place(general::EffectLabel10, disposition_general::message_final);
        m_vue.ecrit_texte(general::EffectLabel10, message_final().last());
        m_vue.montre(general::EffectLabel10, true);
    }
}

void Exercice::pose_la_question()
{
    m_vue.montre(general::Image_faux2, false);
    m_vue.charge_image(general::Image_oui_faux, QStringLiteral("bitmap_13"));

    // A used-up series gives way to a new one from the adapted weights.
    if (m_etat.rang_question == niveaux::niveau(m_etat.niveau).longueur_serie + 1) {
        modifie_repartition(m_etat);
        m_etat.questionnaire = elabore_questionnaire(m_etat, m_hasard, m_etat.repartition,
                                                     m_etat.niveau);
        m_etat.rang_question = 1;
    }
    m_etat.type_question = m_etat.questionnaire[m_etat.rang_question];

    tire_question_nouvelle();

    // Past the beginner's scores, one negative first operand in two goes
    // bare. The draw is made whatever the operand's sign.
    if (m_etat.score >= niveaux::score_confirme) {
        const double u = m_hasard.u();
        if (u < 0.5 && m_etat.operande1 < 0)
            m_etat.texte_question = presentation::question(
                m_etat.type_question, m_etat.operande1, m_etat.operande2, true);
    }
    pousse_dans_historique(m_etat.texte_question);

    m_etat.resultat = catalogue::est_addition(m_etat.type_question)
                          ? m_etat.operande1 + m_etat.operande2
                          : m_etat.operande1 - m_etat.operande2;
    m_etat.texte_resultat = presentation::nombre(m_etat.resultat);

    met_en_page_question();

    m_vue.demarre_minuterie(general::Timer_panel_actif);
    m_vue.couleur_fond(general::Panel2, couleurs::argent);
    m_vue.fixe_couleur_police(general::Panel2, couleurs::noir);
    m_vue.ecrit_texte(general::Panel2, QString());
    active_clavier(true);
    active_ok(true);
    m_vue.donne_focus(general::ButtonOK);
    m_vue.annonce(parole::question(m_etat.texte_question));
}

void Exercice::tire_question_nouvelle()
{
    // Draw until the question (written with its parentheses) is none of the
    // last 20. A type with 20 questions or fewer under the current limits
    // can have them all in the history: after tirages_max draws, the one
    // whose last appearance is the oldest is kept.
    const bool debutant = m_etat.score < niveaux::score_confirme;
    const int absent = Tableau<TexteQuestion, 20>::taille + 1;
    Tirage retenu;
    QString texte_retenu;
    int meilleure_anciennete = 0;
    for (int essai = 0; essai < tirages_max && meilleure_anciennete < absent; ++essai) {
        const Tirage t = debutant ? tire_au_sort(m_etat.type_question, false, 9, 19)
                                  : tire_au_sort(m_etat.type_question, true, 19, 19);
        const QString texte = presentation::question(m_etat.type_question, t.operande1,
                                                     t.operande2);
        const int a = anciennete(m_etat.dernieres_questions, texte);
        if (a > meilleure_anciennete) {
            meilleure_anciennete = a;
            retenu = t;
            texte_retenu = texte;
        }
    }
    m_etat.operande1 = retenu.operande1;
    m_etat.operande2 = retenu.operande2;
    m_etat.texte_question = texte_retenu;
}

void Exercice::pousse_dans_historique(const QString &texte)
{
    auto &historique = m_etat.dernieres_questions;
    for (int i = historique.taille; i > 1; --i)
        historique[i] = historique[i - 1];
    historique[1] = texte;
}

void Exercice::met_en_page_question()
{
    // Each piece of the question line follows the previous one's right edge.
    m_vue.ecrit_texte(general::Label_question, m_etat.texte_question);
    fixe_largeur(m_vue, general::Panel1,
                 m_vue.geometrie(general::Label_question).width()
                     + 2 * disposition_general::marge_question);
    fixe_gauche(m_vue, general::Label1,
                bord_droit(m_vue.geometrie(general::Panel1)) + 10);
    fixe_gauche(m_vue, general::Panel2,
                bord_droit(m_vue.geometrie(general::Label1)) + 10);
    fixe_gauche(m_vue, general::Image_oui_faux,
                bord_droit(m_vue.geometrie(general::Panel2)) + disposition_general::ecart_oui_faux);
}
