#pragma once

#include "aleatoire_scripte.h"
#include "etat_partage.h"
#include "regle_soustraction.h"
#include "vue_regle_factice.h"

// The subtraction rule window's logic wired to a fake window and a scripted
// source of chance.
struct BancRegle
{
    explicit BancRegle(QList<double> tirages = {}) : hasard(std::move(tirages)) {}

    // Opens the window as a rule error on a - b does.
    void ouvre_exercice(int type, int a, int b)
    {
        etat.type_question = type;
        etat.operande1 = a;
        etat.operande2 = b;
        etat.etat_soustraction = 1;
        regle.FormShow();
    }

    EtatPartage etat;
    AleatoireScripte hasard;
    VueRegleFactice vue;
    RegleSoustraction regle{etat, hasard, vue};
};
