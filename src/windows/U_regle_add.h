// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contexte_fenetre.h"

#include <QWidget>

#include <array>

class Exercice;
class QLabel;
class QPushButton;
class TEffectLabel;
class TForme;
struct EtatPartage;

// The addition rules window: one of the two rules of signs for additions
// (the sum of opposites is zero; the sum of negatives is negative), chosen
// by regle_choisie when the window is shown, with two examples and a motto.
// Closing it while the main window waits after a judged answer lets the
// drill go on.
class Tregle_add : public QWidget
{
    Q_OBJECT

public:
    explicit Tregle_add(const ContexteFenetre &contexte);

    void Button3Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cree_controles(QWidget *client);
    void FormShow();
    void FormClose();

    EtatPartage &m_etat;
    Exercice &m_exercice;
    QWidget *m_principale;

    TEffectLabel *m_titreg = nullptr;
    std::array<QLabel *, 3> m_label_reg{};
    std::array<TForme *, 2> m_shape_reg{};
    QLabel *m_label3 = nullptr;
    std::array<QLabel *, 2> m_label_ex{};
    std::array<QLabel *, 2> m_label_res{};
    QPushButton *m_button3 = nullptr;
};
