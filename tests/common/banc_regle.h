// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aleatoire_scripte.h"
#include "etat_partage.h"
#include "regle_soustraction.h"
#include "vue_regle_factice.h"

// The subtraction rule window's logic wired to a fake window with the
// design texts of its fixed labels, and a scripted source of chance.
struct BancRegle
{
    explicit BancRegle(QList<double> tirages = {}) : hasard(std::move(tirages))
    {
        for (const char *nom : {"Label_ex_2", "Label_ex_8", "Label_app_2"})
            vue.ecrit_texte(QString::fromLatin1(nom), QStringLiteral("-"));
        for (const char *nom : {"Label_ex_5", "Label_ex_11", "Label_app_5"})
            vue.ecrit_texte(QString::fromLatin1(nom), QStringLiteral("+"));
        vue.ecrit_texte(QStringLiteral("Label_app_7"), QStringLiteral(" = "));
        vue.ecrit_texte(QStringLiteral("Label_app_8"), QStringLiteral("-1"));
    }

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
