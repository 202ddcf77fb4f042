// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chaine_courte.h"
#include "tableau.h"

#include <array>

using TexteQuestion = ChaineCourte<15>;

// The step of the subtraction rule window's exercise, which makes the pupil
// turn a - b into a + (-b) among four additions (first stage), then find
// its value among four numbers (second stage). The numbers are those the
// state is dumped and set with; 5 and 8 name no step.
enum class EtatSoustraction : int {
    Aucun = 0,                // no exercise: the window opened from the menu
    AdditionPosee = 1,        // a rule error opened it; first stage, first try
    AdditionFausse = 2,       // first try wrong; OK poses it with the first hint
    AdditionAvecIndice = 3,   // posed again with the first hint
    AdditionEncoreFausse = 4, // a later try wrong; OK poses it with the second hint
    AdditionJuste = 6,        // first stage right; OK poses the second stage
    ValeurFausse = 7,         // second stage wrong; OK poses it again
    ValeurJuste = 9,          // second stage right; OK ends the exercise
};

// From the right addition on, the buttons offer values.
constexpr bool seconde_etape(EtatSoustraction e)
{
    return e >= EtatSoustraction::AdditionJuste;
}

// The variables every window of the program shares for the run. One
// instance, owned by the application and handed by reference to whoever
// reads or writes it. Everything starts at zero, false or empty; the start
// step then loads the defaults (charge_valeurs_de_depart).
struct EtatPartage
{
    // The question on screen and the drill's progress.
    int niveau = 0;
    int score = 0;
    Tableau<int, 40> questionnaire;
    int rang_question = 0;
    int type_question = 0;
    int operande1 = 0;
    int operande2 = 0;
    int resultat = 0;
    TexteQuestion texte_question;
    TexteQuestion texte_resultat;
    Tableau<TexteQuestion, 20> dernieres_questions; // most recent first
    TexteQuestion panneau_actif;
    EtatSoustraction etat_soustraction = EtatSoustraction::Aucun;
    int regle_choisie = 0;

    // The adaptive engine.
    Tableau<double, 34> repartition;
    Tableau<int, 34> reussites;
    Tableau<int, 34> erreurs;
    double vitesse_ciblage = 0.0;

    // The settings of the tests.
    Tableau<int, 40> composition_test;
    int max_avec_calcul = 0;
    int max_sans_calcul = 0;
    bool avec_retenues = false;

    // The keyboard state as found at start, handed back at the end.
    std::array<unsigned char, 256> etat_clavier{};

    // The defaults of the start step: weights and test composition copied
    // from their constant tables, maxima 9, carries avoided, speed 2.0.
    void charge_valeurs_de_depart();
};
