// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aleatoire.h"
#include "etat_partage.h"
#include "fenetres_annexes.h"

#include <QList>

#include <memory>

#include "U_general.h"

class QWidget;

// The whole program without its event loop: the shared state, the random
// source and the eight windows. The program's entry and the test driver
// build it the same way. The main window is made at once; each of the
// seven others at its first show, once, in the same way whenever that is.
class Programme
{
public:
    explicit Programme(std::unique_ptr<SourceAleatoire> hasard);
    ~Programme();

    Programme(const Programme &) = delete;
    Programme &operator=(const Programme &) = delete;

    // Shows the main window maximised; its first show runs the start step
    // and starts level 1.
    void demarre();

    EtatPartage &etat();
    Tgeneral &general();

    // The eight windows in their order (general, regle_add, regle_soust,
    // erreur_addition, a_propos, lecon, test, options), made now where they
    // were not yet.
    QList<QWidget *> fenetres();
    // The window of that name among the eight (case ignored), made now if
    // it was not yet; null for another name.
    QWidget *fenetre(const QString &nom);
    // Those of the eight made so far, in their order.
    QList<QWidget *> fenetres_creees() const;

private:
    std::unique_ptr<SourceAleatoire> m_hasard;
    EtatPartage m_etat;
    FenetresAnnexes m_annexes;
    std::unique_ptr<Tgeneral> m_general;
};
