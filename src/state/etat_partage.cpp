// SPDX-License-Identifier: GPL-3.0-or-later
#include "etat_partage.h"

#include "tables.h"

void EtatPartage::charge_valeurs_de_depart()
{
    repartition = tables::repartition_par_defaut;
    composition_test = tables::composition_test_par_defaut;
    avec_retenues = false;
    max_avec_calcul = 9;
    max_sans_calcul = 9;
    vitesse_ciblage = 2.0;
}
