// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_regle_soust.h"

#include "etat_partage.h"
#include "exercice.h"
#include "fenetre_annexe.h"
#include "regle_soustraction_noms.h"
#include "vue_exercice.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShowEvent>

using namespace regle_soust;

Tregle_soust::Tregle_soust(const ContexteFenetre &contexte)
    : QWidget(contexte.principale),
      m_contexte(contexte),
      m_regle(contexte.etat, contexte.hasard, *this)
{
    QWidget *client = prepare_fenetre(*this, "regle_soust", QStringLiteral("Règle de soustraction "),
                                      QSize(553, 361), Cadre::SansBoutons);
    cree_controles_regle_soust(client);
    m_controles.indexe(*client);
    relie_boutons();
    suit_exercice();
}

void Tregle_soust::relie_boutons()
{
    const auto relie = [this](const QString &nom, void (RegleSoustraction::*clic)()) {
        auto *b = qobject_cast<QPushButton *>(controle(nom));
        connect(b, &QPushButton::clicked, this, [this, clic] { (m_regle.*clic)(); });
    };
    relie(BitBtn_exemples, &RegleSoustraction::BitBtn_exemplesClick);
    relie(BitBtn_explic, &RegleSoustraction::BitBtn_explicClick);
    relie(Button_OK1, &RegleSoustraction::Button_OK1Click);
    relie(Button_OK2, &RegleSoustraction::Button_OK2Click);
    for (int k = 1; k <= 4; ++k) {
        auto *b = qobject_cast<QPushButton *>(controle(bouton(k)));
        connect(b, &QPushButton::clicked, this, [this, k] { m_regle.Button_repClick(k); });
    }
}

// A rule error while the window already shows the explanation alone poses
// its exercise; a hidden window poses it when it shows. Once the drill has
// gone on (a level restarted, say), an exercise left on show is withdrawn.
void Tregle_soust::suit_exercice()
{
    Exercice *exercice = &m_contexte.exercice;
    connect(exercice, &Exercice::fenetre_regle_ouverte, this, [this](FenetreRegle fenetre) {
        if (fenetre == FenetreRegle::RegleSoustraction && isVisible())
            m_regle.erreur_de_regle();
    });
    connect(exercice, &Exercice::exercice_poursuivi, this, [this] { m_regle.exercice_poursuivi(); });
}

QWidget *Tregle_soust::controle(const QString &nom) const
{
    return m_controles(nom);
}

QString Tregle_soust::texte(const QString &nom) const
{
    return controle(nom)->property("text").toString();
}

void Tregle_soust::ecrit_texte(const QString &nom, const QString &texte)
{
    QWidget *w = controle(nom);
    w->setProperty("text", texte);
    if (w->property(propriete_taille_au_texte).toBool())
        w->adjustSize();
}

void Tregle_soust::montre(const QString &nom, bool visible)
{
    controle(nom)->setVisible(visible);
}

bool Tregle_soust::est_montre(const QString &nom) const
{
    return !controle(nom)->isHidden();
}

QRect Tregle_soust::geometrie(const QString &nom) const
{
    return controle(nom)->geometry();
}

void Tregle_soust::place(const QString &nom, const QRect &geometrie)
{
    controle(nom)->setGeometry(geometrie);
}

// The one place that sizes the window: the outer height counts the title
// bar and the borders, which the platform adds around the widget.
void Tregle_soust::fixe_hauteur_exterieure(int hauteur)
{
    const int cadre = frameGeometry().height() - geometry().height();
    setFixedHeight(hauteur - cadre);
}

void Tregle_soust::ferme()
{
    hide();
}

void Tregle_soust::reprend_exercice()
{
    m_contexte.exercice.fenetre_regle_finie(FenetreRegle::RegleSoustraction);
}

void Tregle_soust::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (m_contexte.principale)
        move(m_contexte.principale->pos() + QPoint(4, 140));
    m_regle.FormShow();
}

// There is no close box; a close asked of the frame all the same (a key of
// the window manager) is refused while the exercise runs, since the drill
// waits for it to end.
void Tregle_soust::closeEvent(QCloseEvent *event)
{
    if (m_contexte.etat.etat_soustraction != EtatSoustraction::Aucun)
        event->ignore();
    else
        event->accept();
}
