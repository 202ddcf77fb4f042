// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_options.h"

#include "champ_filtre.h"
#include "exercice.h"
#include "fenetre_annexe.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

Toptions::Toptions(const ContexteFenetre &contexte)
    : QWidget(contexte.principale),
      m_configuration(contexte.etat),
      m_exercice(contexte.exercice),
      m_principale(contexte.principale)
{
    QWidget *client = prepare_fenetre(*this, "options", QStringLiteral("Configuration"),
                                      QSize(640, 456), Cadre::Dialogue);
    cree_controles(client);
    m_champs.indexe(*client);
    relie_controles();
}

bool Toptions::imprime_corrige() const
{
    return m_imprimer_corrige->isChecked();
}

QLineEdit *Toptions::edt(int n) const
{
    return m_champs(QStringLiteral("edit%1").arg(n));
}

void Toptions::relie_controles()
{
    for (int n = 1; n <= champ_options::nombre_de_champs; ++n)
        connect(edt(n), &QLineEdit::textChanged, this, [this, n] { EditChange(n); });
    connect(m_eviter_retenues, &QCheckBox::clicked, this, &Toptions::CheckBox1Click);
    for (int niveau = 0; niveau < int(m_choix.size()); ++niveau)
        connect(m_choix[niveau], &QRadioButton::clicked, this,
                [this, niveau] { RadioButtonClick(niveau); });
    connect(m_appliquer, &QAbstractButton::clicked, this, &Toptions::Button3Click);
    connect(m_par_defaut, &QAbstractButton::clicked, this, &Toptions::Button2Click);
    connect(m_quitter, &QAbstractButton::clicked, this, &Toptions::Button1Click);
}

// The dialog may be made before the main window's first show loads the
// settings of the run (a test or the driver may make every window at
// once); it takes its place and the settings in force when it is first
// shown, before the window system places it. Later shows find the fields as they were left, typed values
// included.
void Toptions::setVisible(bool visible)
{
    if (visible && !m_deja_montree) {
        m_deja_montree = true;
        FormCreate();
    }
    QWidget::setVisible(visible);
}

void Toptions::FormCreate()
{
    move(m_principale->pos() + QPoint(4, 4));
    m_configuration.remplit();
    montre_formulaire();
}

bool Toptions::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (QAbstractButton *bouton = m_legendes.value(objet)) {
            bouton->click();
            return true;
        }
    }
    return QWidget::eventFilter(objet, event);
}

void Toptions::EditChange(int n)
{
    // Changing the text fires this handler again, which finds it right.
    m_configuration.formulaire().champs[n] =
        filtre_champ(*edt(n), [n](const Saisie &s) { return champ_options::corrige(n, s); });
}

void Toptions::CheckBox1Click(bool coche)
{
    m_configuration.CheckBox1Click(coche);
}

void Toptions::RadioButtonClick(int niveau)
{
    m_configuration.formulaire().redemarrage = niveau;
    for (int autre = 0; autre < int(m_choix.size()); ++autre)
        m_choix[autre]->setChecked(autre == niveau);
}

void Toptions::Button3Click()
{
    m_configuration.rectifier_erreurs();
    const int niveau = m_configuration.appliquer();
    montre_formulaire();
    if (niveau != 0)
        m_exercice.initialise_niveau(niveau);
}

void Toptions::Button2Click()
{
    m_configuration.retablit_defauts();
    m_imprimer_corrige->setChecked(true);
    montre_formulaire();
}

void Toptions::Button1Click()
{
    close();
}

void Toptions::montre_formulaire()
{
    const FormulaireOptions &f = m_configuration.formulaire();
    for (int n = 1; n <= champ_options::nombre_de_champs; ++n)
        if (edt(n)->text() != f.champs[n])
            edt(n)->setText(f.champs[n]);
    m_eviter_retenues->setChecked(f.eviter_retenues);
    m_choix[f.redemarrage]->setChecked(true);
}
