// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre_reimpression.h"

#include "code_feuille.h"
#include "impression_test.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FenetreReimpression::FenetreReimpression(const EtatPartage &etat, QWidget *principale)
    : QDialog(principale), m_etat(etat)
{
    setObjectName(QStringLiteral("reimpression"));
    setWindowTitle(QStringLiteral("Réimprimer une feuille"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto *invite = new QLabel(
        QStringLiteral("Code de la feuille (en bas à droite de la feuille ou de son corrigé) :"), this);
    invite->setObjectName(QStringLiteral("Label_code"));
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("Edit_code"));
    m_code->setAccessibleName(QStringLiteral("Code de la feuille"));
    m_code->setPlaceholderText(QStringLiteral("4K7Q-2MX"));
    invite->setBuddy(m_code);
    m_erreur = new QLabel(this);
    m_erreur->setObjectName(QStringLiteral("Label_erreur_code"));
    m_erreur->setAccessibleName(QStringLiteral("Erreur de code"));
    m_erreur->setWordWrap(true);
    m_erreur->setStyleSheet(QStringLiteral("color: #c00000"));
    m_erreur->hide();

    auto *boutons = new QDialogButtonBox(this);
    QPushButton *imprimer = boutons->addButton(QStringLiteral("Imprimer"),
                                               QDialogButtonBox::AcceptRole);
    imprimer->setObjectName(QStringLiteral("Button_reimprimer"));
    imprimer->setAccessibleName(QStringLiteral("Imprimer la feuille de ce code"));
    imprimer->setDefault(true);
    QPushButton *annuler = boutons->addButton(QStringLiteral("Annuler"),
                                              QDialogButtonBox::RejectRole);
    annuler->setObjectName(QStringLiteral("Button_annuler_reimpression"));
    annuler->setAccessibleName(QStringLiteral("Annuler la réimpression"));
    connect(boutons, &QDialogButtonBox::accepted, this, &FenetreReimpression::imprime);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(invite);
    disposition->addWidget(m_code);
    disposition->addWidget(m_erreur);
    disposition->addWidget(boutons);
}

void FenetreReimpression::ouvre()
{
    m_code->clear();
    m_erreur->hide();
    show();
    raise();
    activateWindow();
    m_code->setFocus();
}

void FenetreReimpression::imprime()
{
    const Reimpression reimpression = feuille_du_code(m_etat, m_code->text());
    if (!reimpression.feuille) {
        m_erreur->setText(reimpression.erreur);
        m_erreur->show();
        adjustSize(); // room for the message's lines
        m_code->setFocus();
        m_code->selectAll();
        return;
    }
    accept();
    imprime_et_informe(*reimpression.feuille, true, parentWidget());
}
