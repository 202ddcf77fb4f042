// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "champ_options.h"
#include "tableau.h"

#include <QString>

struct EtatPartage;

// What the configuration dialog's controls hold.
struct FormulaireOptions
{
    Tableau<QString, champ_options::nombre_de_champs> champs; // Edit1 .. Edit37
    bool eviter_retenues = true;                              // CheckBox1
    int redemarrage = 0; // the level to restart on "Appliquer"; 0 "continuer la partie"

    friend bool operator==(const FormulaireOptions &, const FormulaireOptions &) = default;
};

// The configuration dialog without its widgets: it reads the test settings
// and the targeting speed of the shared state into the form, corrects the
// form silently and puts it into force.
class Configuration
{
public:
    static constexpr int champ_max_avec_calcul = 35;
    static constexpr int champ_max_sans_calcul = 36;
    static constexpr int champ_vitesse = 37; // the speed times ten

    explicit Configuration(EtatPartage &etat);

    FormulaireOptions &formulaire() { return m_formulaire; }
    const FormulaireOptions &formulaire() const { return m_formulaire; }

    // The settings in force, into the form.
    void remplit();
    // "Eviter les retenues" acts at once.
    void CheckBox1Click(bool coche);
    // First half of "Appliquer": fills empty fields, raises the maxima to
    // what the counts need, and puts a column that does not total 20 back
    // to the default composition.
    void rectifier_erreurs();
    // Second half: the corrected form into force. Returns the level to
    // restart, 0 when the drill goes on.
    int appliquer();
    // "Par défaut": the default settings, in the form and in force at once.
    void retablit_defauts();

private:
    int valeur(int champ) const;
    void ecrit(int champ, int valeur);
    void compte(const Tableau<int, 40> &composition);

    EtatPartage &m_etat;
    FormulaireOptions m_formulaire;
    Tableau<int, 34> m_compte_par_type;
};
