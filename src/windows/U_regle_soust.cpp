// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_regle_soust.h"

#include "etat_partage.h"
#include "exercice.h"
#include "fenetre_annexe.h"
#include "vue_exercice.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace {

// Often enough that a pupil never sees a stale exercise after a restart.
constexpr int intervalle_veille = 100;

} // namespace

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

    m_veille = new QTimer(this);
    m_veille->setObjectName(QStringLiteral("veille"));
    m_veille->setInterval(intervalle_veille);
    connect(m_veille, &QTimer::timeout, this, [this] { m_regle.veille(); });
}

void Tregle_soust::relie_boutons()
{
    const auto relie = [this](const char *nom, void (RegleSoustraction::*clic)()) {
        auto *b = qobject_cast<QPushButton *>(controle(QString::fromLatin1(nom)));
        connect(b, &QPushButton::clicked, this, [this, clic] { (m_regle.*clic)(); });
    };
    relie("BitBtn_exemples", &RegleSoustraction::BitBtn_exemplesClick);
    relie("BitBtn_explic", &RegleSoustraction::BitBtn_explicClick);
    relie("Button_OK1", &RegleSoustraction::Button_OK1Click);
    relie("Button_OK2", &RegleSoustraction::Button_OK2Click);
    for (int k = 1; k <= 4; ++k) {
        auto *b = qobject_cast<QPushButton *>(controle(RegleSoustraction::bouton(k)));
        connect(b, &QPushButton::clicked, this, [this, k] { m_regle.Button_repClick(k); });
    }
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
    m_veille->start();
}

void Tregle_soust::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        m_veille->stop();
}

// There is no close box; a close asked of the frame all the same (a key of
// the window manager) is refused while the exercise runs, since the drill
// waits for it to end.
void Tregle_soust::closeEvent(QCloseEvent *event)
{
    if (m_contexte.etat.etat_soustraction != 0)
        event->ignore();
    else
        event->accept();
}
