// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contexte_fenetre.h"
#include "regle_soustraction.h"
#include "repertoire_controles.h"
#include "vue_regle_soustraction.h"

#include <QWidget>

// The subtraction rule window: the rule, worked examples annotated in
// stages and, after a rule error on a subtraction, the guided exercise on
// the question answered wrongly. Its logic is RegleSoustraction; the window
// holds the controls and forwards its buttons and what the drill tells it
// (a rule error, the drill gone on) to it.
class Tregle_soust : public QWidget, public VueRegleSoustraction
{
    Q_OBJECT

public:
    explicit Tregle_soust(const ContexteFenetre &contexte);

    // VueRegleSoustraction
    QString texte(const QString &controle) const override;
    void ecrit_texte(const QString &controle, const QString &texte) override;
    void montre(const QString &controle, bool visible) override;
    bool est_montre(const QString &controle) const override;
    QRect geometrie(const QString &controle) const override;
    void place(const QString &controle, const QRect &geometrie) override;
    void fixe_hauteur_exterieure(int hauteur) override;
    void ferme() override;
    void reprend_exercice() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void relie_boutons();
    void suit_exercice();
    // A control by its design name, without regard to case; it must exist.
    QWidget *controle(const QString &nom) const;

    const ContexteFenetre m_contexte;
    RegleSoustraction m_regle;
    RepertoireControles<> m_controles;
};

// Marks a label sized to its text: its size follows a new text at once.
inline constexpr const char *propriete_taille_au_texte = "taille_au_texte";

// Builds the window's controls on its client area, at their design places.
void cree_controles_regle_soust(QWidget *client);
