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
        using namespace regle_soust;
        for (const QString &nom : {exemple(2), exemple(8), app(2)})
            vue.ecrit_texte(nom, QStringLiteral("-"));
        for (const QString &nom : {exemple(5), exemple(11), app(5)})
            vue.ecrit_texte(nom, QStringLiteral("+"));
        vue.ecrit_texte(app(7), QStringLiteral(" = "));
        vue.ecrit_texte(app(8), QStringLiteral("-1"));
    }

    // Opens the window as a rule error on a - b does.
    void ouvre_exercice(int type, int a, int b)
    {
        etat.type_question = type;
        etat.operande1 = a;
        etat.operande2 = b;
        etat.etat_soustraction = EtatSoustraction::AdditionPosee;
        regle.FormShow();
    }

    EtatPartage etat;
    AleatoireScripte hasard;
    VueRegleFactice vue;
    RegleSoustraction regle{etat, hasard, vue};
};
