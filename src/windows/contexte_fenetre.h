// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Exercice;
class QWidget;
class SourceAleatoire;
struct EtatPartage;

// What a secondary window is given when it is created: the shared state,
// the program's one random source, the main window's drill (which a rule
// window hands back to through fenetre_regle_finie and follows by its
// signals, which the options restart through initialise_niveau and which
// windows ask for questions through tire_au_sort) and the main window
// itself, its Qt parent and the reference for its position.
struct ContexteFenetre
{
    EtatPartage &etat;
    SourceAleatoire &hasard;
    Exercice &exercice;
    QWidget *principale;
};
