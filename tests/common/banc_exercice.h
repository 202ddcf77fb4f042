// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aleatoire.h"
#include "etat_partage.h"
#include "exercice.h"
#include "presentation.h"
#include "vue_factice.h"

#include <memory>

// The drill wired to a fake window, with a seeded or scripted source.
// demarre() runs the start step and level 1, as the window's first show.
struct BancExercice
{
    explicit BancExercice(std::unique_ptr<SourceAleatoire> source =
                              std::make_unique<AleatoireHorloge>(20040102))
        : hasard(std::move(source)), exercice(etat, vue, *hasard)
    {
    }

    void demarre()
    {
        exercice.initialise_niveau(0);
        exercice.initialise_niveau(1);
    }

    // Puts a question of the given type and operands on screen as posing
    // leaves it: state items, question line, empty answer, OK enabled.
    void impose_question(int type, int operande1, int operande2, int score)
    {
        etat.score = score;
        etat.questionnaire[etat.rang_question] = type;
        etat.type_question = type;
        etat.operande1 = operande1;
        etat.operande2 = operande2;
        etat.resultat = type <= 17 ? operande1 + operande2 : operande1 - operande2;
        etat.texte_question = presentation::question(type, operande1, operande2);
        etat.texte_resultat = QString::number(etat.resultat);
        vue.ecrit_texte(QStringLiteral("Label_question"), etat.texte_question);
        vue.ecrit_texte(QStringLiteral("Panel2"), QString());
    }

    // Types the text on the keypad and presses OK.
    void repond(const QString &reponse)
    {
        for (QChar c : reponse)
            c == QLatin1Char('-') ? exercice.Button_Click() : exercice.Button_chiffreClick(c);
        exercice.ButtonOKClick();
    }

    EtatPartage etat;
    VueFactice vue;
    std::unique_ptr<SourceAleatoire> hasard;
    Exercice exercice;
};
