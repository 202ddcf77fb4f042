// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contexte_fenetre.h"
#include "repertoire_controles.h"
#include "sujet_test.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class TEffectLabel;

// The on-screen test: 40 questions in four columns of ten, each with its
// answer field, marked out of 20. Every show sets a new test; the button
// corrects it, then closes the window.
class Ttest : public QWidget
{
    Q_OBJECT

public:
    explicit Ttest(const ContexteFenetre &contexte);

    // Label n (question n, or for n + 100 its expected answer) and answer
    // field n, by name without regard to case.
    QLabel *labl(int n) const;
    QLineEdit *edt(int n) const;

    // The test on screen: its questions and expected answers.
    const SujetTest &sujet() const { return m_sujet; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Layout (U_test_controles.cpp).
    void cree_controles(QWidget *client);
    void cree_en_tete(QWidget *client);
    void cree_questions(QWidget *client);
    void cree_bilan(QWidget *client);
    QWidget *controle(const QString &nom) const;

    // Behaviour (U_test.cpp).
    void FormShow();
    void EditChange(QLineEdit *edit);
    void Button1Click();
    void ajuste_les_champs(int caracteres);

    EtatPartage &m_etat;
    SourceAleatoire &m_hasard;
    // questions_test and reponses_test: the test on screen, kept for the
    // correction.
    SujetTest m_sujet;
    RepertoireControles<> m_controles;
    QLineEdit *m_edit_nom = nullptr;
    QLineEdit *m_edit_prenom = nullptr;
    QLabel *m_label_fautes = nullptr;
    QLabel *m_label_pdr = nullptr;
    TEffectLabel *m_note = nullptr;
    QPushButton *m_button1 = nullptr;
};
