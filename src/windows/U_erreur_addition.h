// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contexte_fenetre.h"
#include "demonstration_unites.h"
#include "repertoire_controles.h"

#include <QList>
#include <QWidget>

class Exercice;
class QLabel;
class QPushButton;
class TForme;
struct EtatPartage;

// The addition-error window: the sum of two terms of opposite signs shown
// by counting units, one step per click of the arrow. After the result has
// been shown, OK closes it, and closing always lets the drill go on.
class Terreur_addition : public QWidget
{
    Q_OBJECT

public:
    explicit Terreur_addition(const ContexteFenetre &contexte);

    // A new rule error asks for the window. Still open on an earlier
    // question (the drill went on without it: a level restarted), it starts
    // over at once on the question on screen; hidden, its showing does.
    void nouvelle_question();

    void Image1Click();
    void Button1Click();

    // The window's label "label" + n, matched without regard to case.
    QLabel *labl(int n) const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cree_grille(QWidget *client);
    void cree_controles(QWidget *client);
    void FormShow();
    // Shows the labels, frames and button as the demonstration has them.
    void applique();

    EtatPartage &m_etat;
    Exercice &m_exercice;
    QWidget *m_principale;
    DemonstrationUnites m_demonstration;

    RepertoireControles<QLabel> m_etiquettes;
    QList<int> m_numeros;                   // of the grid's labels
    TForme *m_shape1 = nullptr;
    TForme *m_shape2 = nullptr;
    QPushButton *m_button1 = nullptr;
};
