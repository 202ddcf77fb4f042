// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Exercice;
class QWidget;
class SourceAleatoire;
struct EtatPartage;

// What a secondary window is given when it is created: the shared state,
// the program's one random source, the main window's drill (which a window
// hands back to through timer_ouiTimer, restarts through initialise_niveau
// and asks for questions through tire_au_sort) and the main window itself,
// its Qt parent and the reference for its position.
struct ContexteFenetre
{
    EtatPartage &etat;
    SourceAleatoire &hasard;
    Exercice &exercice;
    QWidget *principale;
};
