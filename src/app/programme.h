#pragma once

#include "aleatoire.h"
#include "etat_partage.h"

#include <QList>

#include <memory>

#include "U_general.h"

class QWidget;

// The whole program without its event loop: the shared state, the random
// source and the eight windows, created once in their fixed order. The
// program's entry and the test driver build it the same way.
class Programme
{
public:
    // Creates general, regle_add, regle_soust, erreur_addition, a_propos,
    // lecon, test and options, all hidden.
    explicit Programme(std::unique_ptr<SourceAleatoire> hasard);
    ~Programme();

    Programme(const Programme &) = delete;
    Programme &operator=(const Programme &) = delete;

    // Shows the main window maximised; its first show runs the start step
    // and starts level 1.
    void demarre();

    EtatPartage &etat();
    Tgeneral &general();

    // The eight windows in creation order.
    QList<QWidget *> fenetres() const;

private:
    std::unique_ptr<SourceAleatoire> m_hasard;
    EtatPartage m_etat;
    std::unique_ptr<Tgeneral> m_general;
    // Owned by the main window, their Qt parent.
    FenetresAnnexes m_annexes;
};
