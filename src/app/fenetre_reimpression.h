// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
struct EtatPartage;

// "Réimprimer une feuille…": asks for the code printed on a sheet and
// prints that sheet and its answer key again. A code that names no sheet
// is explained under the field, and the dialog stays open to correct it.
class FenetreReimpression : public QDialog
{
    Q_OBJECT

public:
    FenetreReimpression(const EtatPartage &etat, QWidget *principale);

    // Shows the dialog with an empty field.
    void ouvre();

private:
    void imprime();

    const EtatPartage &m_etat;
    QLineEdit *m_code = nullptr;
    QLabel *m_erreur = nullptr;
};
