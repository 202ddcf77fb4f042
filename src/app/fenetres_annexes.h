// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>
#include <functional>

// The seven secondary windows, in their creation order.
enum class Annexe { regle_add, regle_soust, erreur_addition, a_propos, lecon, test, options };
constexpr int nombre_annexes = 7;

// Makes each secondary window at its first use and keeps it: the start
// builds the main window alone, and a window opened again is the same
// window with the state it kept. The windows are owned by the main window,
// their Qt parent.
class FenetresAnnexes
{
public:
    using Fabrique = std::function<QWidget *()>;

    FenetresAnnexes() = default;
    explicit FenetresAnnexes(std::array<Fabrique, nombre_annexes> fabriques);

    // The window, made now if it was not yet.
    QWidget *fenetre(Annexe annexe);
    // The window if it was made, else null.
    QWidget *si_creee(Annexe annexe) const;
    // Called with each window just made, from now on.
    void a_chaque_creation(std::function<void(QWidget *)> suite);

private:
    std::array<Fabrique, nombre_annexes> m_fabriques;
    std::function<void(QWidget *)> m_a_chaque_creation;
    std::array<QWidget *, nombre_annexes> m_fenetres{};
};
