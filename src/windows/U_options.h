// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "configuration.h"
#include "contexte_fenetre.h"
#include "repertoire_controles.h"

#include <QHash>
#include <QWidget>

#include <array>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The configuration dialog: how the tests are composed, how large their
// numbers are and whether they carry, how fast the drill retargets its
// series, and a restart of the drill at a chosen level. A view over
// Configuration, which holds the form and puts it into force.
class Toptions : public QWidget
{
    Q_OBJECT

public:
    explicit Toptions(const ContexteFenetre &contexte);

    // Field n, the control named "edit" + n whatever the case.
    QLineEdit *edt(int n) const;

    void setVisible(bool visible) override;

    // "Imprimer le corrigé": whether a printed sheet is followed by its
    // answer key. Checked at every start; kept nowhere else.
    bool imprime_corrige() const;

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    // Layout (U_options_disposition.cpp).
    void cree_controles(QWidget *client);
    QGroupBox *cree_composition(QWidget *client);
    QGroupBox *cree_maxima(QWidget *client);
    QGroupBox *cree_moteur(QWidget *client);
    QGroupBox *cree_choix(QWidget *client);
    void cree_boutons(QWidget *client);
    // A caption that presses its button when clicked.
    void legende_de(QLabel *legende, QAbstractButton *bouton);

    // Behaviour (U_options.cpp).
    void relie_controles();
    void FormCreate();
    void EditChange(int n);
    void CheckBox1Click(bool coche);
    void RadioButtonClick(int niveau); // RadioButton1Click .. RadioButton4Click
    void Button3Click();               // "Appliquer"
    void Button2Click();               // "Par défaut"
    void Button1Click();               // "quitter"
    void montre_formulaire();

    Configuration m_configuration;
    Exercice &m_exercice;
    QWidget *m_principale;
    RepertoireControles<QLineEdit> m_champs; // Edit1..Edit37
    QCheckBox *m_eviter_retenues = nullptr; // CheckBox1
    QCheckBox *m_imprimer_corrige = nullptr; // CheckBox_corrige
    // The restart choices by the level they restart, 0 "continuer la partie".
    std::array<QRadioButton *, 4> m_choix{};
    QAbstractButton *m_appliquer = nullptr;  // Button4
    QAbstractButton *m_par_defaut = nullptr; // Button5
    QAbstractButton *m_quitter = nullptr;    // Button1
    QHash<const QObject *, QAbstractButton *> m_legendes;
    bool m_deja_montree = false;
};
