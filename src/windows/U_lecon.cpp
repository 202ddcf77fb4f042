// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_lecon.h"

#include "EffectLabel.h"
#include "fabrique_controles.h"
#include "fenetre_annexe.h"
#include "ressources.h"
#include "teintes.h"

#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace {

using namespace teintes;

// What a word shows: the heading, the colour of both texts (invalid: the
// colour the last word left), the definition and the examples.
struct Definition
{
    const char *titre;
    QColor couleur;
    const char *definition;
    const char *exemples;
};

const Definition definitions[] = {
    {"Nombres négatifs:", bleu,
     "ce sont les nombres au-dessous de zéro; ils ont le signe –",
     "-5  -3000  -2,7   0   sont des nombres négatifs"},
    {"nombres positifs:", rouge,
     "ce sont les nombres au-dessus de zéro;   ils ont le signe +",
     "7   999   3,14    0   sont des nombres positifs"},
    {"Nombres relatifs:", noir,
     "tous les nombres, qu'ils soient positifs ou négatifs",
     "1   -58   2,5   -0,01   sont des nombres relatifs"},
    {"signe:", QColor(),
     "c'est le + ou le – qui est placé au début d'un nombre relatif.",
     "Pour les positifs, on n'écrit pas le signe +."},
    {"valeur absolue:", QColor(),
     "c'est le nombre sans son signe.",
     "La valeur absolue de -5 est 5; celle de 2 est 2."},
    {"opposé d'un nombre:", QColor(),
     "c'est le nombre qui a la même valeur absolue, mais le signe contraire.",
     "L'opposé de -3 est 3;   8 et -8 sont opposés."},
};

} // namespace

Tlecon::Tlecon(const ContexteFenetre &contexte) : QWidget(contexte.principale)
{
    QWidget *client =
        prepare_fenetre(*this, "lecon", QStringLiteral("Leçon sur les nombres relatifs"),
                        QSize(638, 480), Cadre::Normal, QPoint(120, 33));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    cree_controles(client);
}

// Only a show asked for by the program rebuilds the window, not the window
// system's own (a restore from the task bar).
void Tlecon::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// However the window is closed (OK, its close box, the window manager),
// nothing of it runs while it is hidden.
void Tlecon::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        arrete_minuteries();
}

void Tlecon::arrete_minuteries()
{
    for (QTimer *t : findChildren<QTimer *>())
        t->stop();
}

void Tlecon::FormShow()
{
    charge(m_images[0], "bitmap_10");
    initialise();
}

void Tlecon::initialise()
{
    montre_signes_plus(false);
    colore(famille('a'), rouge);
    for (const char partie : {'b', 'c', 'd'})
        colore(famille(partie), noir);
    colore(labl(QStringLiteral("label0")), noir);

    m_label12->move(208, m_label12->y());
    for (QLabel *l : {m_label18, m_label19, m_label13})
        l->hide();
    ecrit_titre(QStringLiteral("clique sur un mot"));

    for (int i = 1; i < 6; ++i)
        m_images[i]->hide();
    for (QLabel *trait : m_traits)
        trait->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{m_fleche1, m_fleche2, m_effet1, m_effet2,
                                                        m_label_opposes})
        w->hide();

    arrete_minuteries();

    for (int i = 0; i < 6; ++i)
        m_boutons[i]->show();
}

void Tlecon::efface_boutons()
{
    m_label12->move(32, m_label12->y());
    for (int i = 0; i < 6; ++i)
        m_boutons[i]->hide();
}

void Tlecon::montre_mot(Mot mot)
{
    const Definition &d = definitions[static_cast<int>(mot)];
    ecrit_titre(QString::fromUtf8(d.titre));
    efface_boutons();
    m_effet1->setCaption(QString::fromUtf8(d.definition));
    m_effet2->setCaption(QString::fromUtf8(d.exemples));
    for (TEffectLabel *e : {m_effet1, m_effet2}) {
        if (d.couleur.isValid())
            e->setFontColor(d.couleur);
        e->show();
    }
}

void Tlecon::Button1Click()
{
    montre_mot(Mot::negatif);
    montre_image(m_images[3], "bitmap_8", m_label18);
    m_timer_negatif->start();
}

void Tlecon::Button2Click()
{
    montre_mot(Mot::positif);
    montre_image(m_images[4], "bitmap_9", m_label19);
    m_timer_positif->start();
}

void Tlecon::Button3Click()
{
    montre_mot(Mot::relatif);
    montre_image(m_images[3], "bitmap_8", m_label18);
    montre_image(m_images[4], "bitmap_9", m_label19);
    montre_image(m_images[5], "bitmap_7", m_label13);
}

void Tlecon::Button4Click()
{
    montre_mot(Mot::signe);
    colore(famille('a'), jaune);
    m_timer_signe->start();
}

void Tlecon::Button5Click()
{
    montre_signes_plus(true);
    colore(famille('a'), noir);
    montre_mot(Mot::valeur_absolue);
    m_timer_va->start();
}

// Starts on the pair -1 and 1; each tick then moves to the next pair out.
void Tlecon::Button6Click()
{
    m_fleche1->move(260, m_fleche1->y());
    m_fleche1->show();
    m_fleche2->move(360, m_fleche2->y());
    for (const char partie : {'a', 'b', 'c', 'd'})
        colore(labl(1, partie), jaune);
    m_fleche2->show();
    montre_mot(Mot::oppose);
    m_rang_oppose = 2;
    m_label_opposes->show();
    m_timer_oppose->start();
}

// Leaves a word for the home state; from the home state, closes the window.
void Tlecon::Button7Click()
{
    if (!m_boutons[0]->isHidden())
        close();
    else
        initialise();
}

QLabel *Tlecon::labl(const QString &nom) const
{
    return m_labels(nom);
}

QLabel *Tlecon::labl(int n, char partie) const
{
    return labl(QStringLiteral("label%1%2").arg(n).arg(QLatin1Char(partie)));
}

std::array<QLabel *, 5> Tlecon::famille(char partie) const
{
    std::array<QLabel *, 5> labels{};
    for (int n = 1; n <= 5; ++n)
        labels[n - 1] = labl(n, partie);
    return labels;
}

void Tlecon::colore(QLabel *label, const QColor &couleur)
{
    fabrique::colore(label, couleur);
}

void Tlecon::colore(const std::array<QLabel *, 5> &labels, const QColor &couleur)
{
    for (QLabel *label : labels)
        fabrique::colore(label, couleur);
}

QColor Tlecon::couleur(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

void Tlecon::montre_signes_plus(bool visibles)
{
    for (QLabel *plus : famille('a'))
        plus->setVisible(visibles);
}

void Tlecon::charge(QLabel *image, const char *bitmap)
{
    image->setPixmap(bitmap_programme(QString::fromLatin1(bitmap)));
}

void Tlecon::montre_image(QLabel *image, const char *bitmap, QLabel *titre)
{
    charge(image, bitmap);
    image->show();
    if (titre)
        titre->show();
}

// The heading fits its text at once.
void Tlecon::ecrit_titre(const QString &titre)
{
    m_label12->setText(titre);
    m_label12->adjustSize();
}
