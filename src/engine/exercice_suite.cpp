// SPDX-License-Identifier: GPL-3.0-or-later
// After an answer: the score display, the right-answer pause, the
// correction line's blinking and dismissal, and the passage to the next
// level.
#include "exercice.h"

#include "etat_partage.h"
#include "noms_general.h"
#include "parole.h"
#include "presentation.h"
#include "vue_exercice.h"
#include "vue_outils.h"

void Exercice::affiche_score()
{
    // The cover's top stays put: shortening it uncovers the lit cells of
    // the gauge from the bottom up.
    vue_outils::fixe_hauteur(m_vue, general::Image2,
                             presentation::hauteur_cache_jauge(m_etat.score, m_etat.niveau));
    m_vue.texte_led(general::LedMatrix1, presentation::texte_led_score(m_etat.score));
    m_vue.nom_accessible(general::Image1, parole::score(m_etat.score, m_etat.niveau));
}

void Exercice::timer_ouiTimer()
{
    cesse_d_attendre();
    m_vue.montre(general::Image_oui_faux, false);
    m_vue.arrete_minuterie(general::timer_oui);
    avant_de_poser_la_question();
}

void Exercice::cesse_d_attendre()
{
    m_fenetre_attendue.reset();
    m_etat.etat_soustraction = EtatSoustraction::Aucun;
    emit exercice_poursuivi();
}

void Exercice::fenetre_regle_finie(FenetreRegle fenetre)
{
    if (m_fenetre_attendue == fenetre)
        timer_ouiTimer();
}

void Exercice::Button10Click()
{
    m_vue.arrete_minuterie(general::timer_couleur);
    m_vue.montre(general::Image_oui_faux, false);
    m_vue.charge_image(general::Image_oui_faux, QStringLiteral("bitmap_13"));
    for (const QString &nom : {general::Panel6, general::Label17, general::Button10,
                               general::EffectLabel9, general::EffectLabel10})
        m_vue.montre(nom, false);
    // While the subtraction exercise runs, its window resumes the drill.
    if (m_etat.etat_soustraction == EtatSoustraction::Aucun)
        avant_de_poser_la_question();
}

void Exercice::timer_couleurTimer()
{
    for (int n : {5, 7}) {
        const bool bleu = m_vue.couleur_police(labl(n)) == couleurs::bleu;
        m_vue.fixe_couleur_police(labl(n), bleu ? couleurs::jaune : couleurs::bleu);
    }
}

void Exercice::Timer_fin_bravoTimer()
{
    m_vue.arrete_minuterie(general::Timer_fin_bravo);
    ++m_etat.niveau;
    initialise_niveau(m_etat.niveau);
    pose_la_question();
}
