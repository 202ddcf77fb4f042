// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_erreur_addition.h"

#include "EffectLabel.h"
#include "etat_partage.h"
#include "exercice.h"
#include "fabrique_controles.h"
#include "fenetre_annexe.h"
#include "fleche.h"
#include "forme.h"
#include "vue_exercice.h"
#include "teintes.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int pixels_ligne_du_haut = 40;
constexpr int pixels_unites = 27;

using fabrique::arial_gras;

// Sets a label's font size in points; its size follows its text.
void redimensionne(QLabel *etiquette, int points)
{
    etiquette->setFont(arial_gras(fabrique::pixels_de_points(points)));
    etiquette->adjustSize();
}

} // namespace

Terreur_addition::Terreur_addition(const ContexteFenetre &contexte)
    : QWidget(contexte.principale), m_etat(contexte.etat), m_exercice(contexte.exercice),
      m_principale(contexte.principale)
{
    QWidget *client = prepare_fenetre(*this, "erreur_addition",
                                      QStringLiteral("ERREUR D'ADDITION!!!"), QSize(551, 283),
                                      Cadre::SansBoutons);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, teintes::argent);
    setPalette(fond);

    cree_grille(client);
    cree_controles(client);
    m_etiquettes.indexe(*client);
    // Without a close box, the window closes only once its OK is there.
    echap_ferme_si(*this, [this] { return !m_button1->isHidden(); });
}

void Terreur_addition::cree_grille(QWidget *client)
{
    // Bold Arial, transparent, sized to its text.
    const auto etiquette = [this, client](int numero, QPoint position, int pixels) {
        const QByteArray nom = "Label" + QByteArray::number(numero);
        fabrique::etiquette(client, nom.constData(), {position, QSize(0, 0)}, QString(),
                            arial_gras(pixels), Qt::black);
        m_numeros.append(numero);
    };

    // The top line: the two terms, their operators and the result.
    const struct
    {
        int numero;
        int gauche;
    } ligne_du_haut[] = {{10, 272}, {20, 320}, {30, 352}, {40, 390}, {50, 428}};
    for (const auto &terme : ligne_du_haut)
        etiquette(terme.numero, {terme.gauche, 8}, pixels_ligne_du_haut);

    // Rows 1 to 9: the plus signs and units of both columns.
    for (int rangee = 1; rangee <= DemonstrationUnites::rangees; ++rangee) {
        const int haut = DemonstrationUnites::haut_rangee(rangee);
        if (rangee > 1)
            etiquette(rangee, {256, haut}, pixels_unites);
        etiquette(10 + rangee, {280, haut}, pixels_unites);
        etiquette(20 + rangee, {323, haut}, pixels_unites);
        etiquette(30 + rangee, {355, haut}, pixels_unites);
    }
    etiquette(41, {392, 51}, pixels_unites);
    etiquette(42, {392, 223}, pixels_unites);
}

void Terreur_addition::cree_controles(QWidget *client)
{
    // Created after the grid, the frames lie over the units they invert.
    m_shape1 = new TForme(client, Qt::white, Qt::black, true);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setGeometry(DemonstrationUnites::Cadre::gauche, 55,
                          DemonstrationUnites::Cadre::largeur, 22);
    m_shape2 = new TForme(client, Qt::white, Qt::black, true);
    m_shape2->setObjectName(QStringLiteral("Shape2"));
    m_shape2->setGeometry(DemonstrationUnites::Cadre::gauche, 144,
                          DemonstrationUnites::Cadre::largeur, 22);

    auto *fleche = new TFleche(client);
    fleche->setObjectName(QStringLiteral("Image1"));
    fleche->setGeometry(72, 138, 42, 20);
    connect(fleche, &TFleche::clicked, this, &Terreur_addition::Image1Click);

    auto *invite = new TEffectLabel(QStringLiteral("Clique sur la flèche:"), client);
    invite->setObjectName(QStringLiteral("EffectLabel2"));
    invite->setGeometry(24, 66, 129, 65);
    invite->setFont(arial_gras(24));
    invite->setFontColor(teintes::rouge);
    invite->setGraduateFrom(palette().color(QPalette::WindowText));
    invite->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_button1 = fabrique::bouton(client, "Button1", {487, 18, 49, 28}, QStringLiteral("OK"));
    connect(m_button1, &QPushButton::clicked, this, &Terreur_addition::Button1Click);
}

QLabel *Terreur_addition::labl(int n) const
{
    return m_etiquettes(QStringLiteral("label%1").arg(n));
}

void Terreur_addition::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// A new question: every unit is recoloured and rewritten, and only the
// invitation and the arrow are shown.
void Terreur_addition::FormShow()
{
    move(m_principale->pos() + QPoint(4, 140));
    m_demonstration.commence(m_etat.operande1, m_etat.operande2);
    for (const int n : m_numeros) {
        QLabel *l = labl(n);
        fabrique::colore(l, teinte(m_demonstration.couleur(n)));
        l->setText(m_demonstration.texte(n));
        l->adjustSize();
    }
    applique();
}

void Terreur_addition::Image1Click()
{
    m_demonstration.clique();
    applique();
}

void Terreur_addition::applique()
{
    const DemonstrationUnites &d = m_demonstration;
    for (const int n : m_numeros)
        labl(n)->setVisible(d.visible(n));

    const auto place = [](TForme *forme, const DemonstrationUnites::Cadre &cadre) {
        forme->setGeometry(cadre.gauche, cadre.haut, cadre.largeur, cadre.hauteur);
        forme->setVisible(cadre.visible);
    };
    place(m_shape1, d.cadre_paires());
    place(m_shape2, d.cadre_reste());

    // The zero of the pairs beside the first pair, or centred on them all;
    // the sum of the units left over centred on their frame.
    QLabel *zero = labl(41);
    redimensionne(zero, d.points_zero());
    zero->move(zero->x(), d.zero_centre()
                              ? DemonstrationUnites::haut_centre(d.cadre_paires(), zero->height())
                              : DemonstrationUnites::haut_premier_zero);
    if (d.cadre_reste().visible) {
        QLabel *reste = labl(42);
        redimensionne(reste, DemonstrationUnites::points_grand);
        reste->move(reste->x(), DemonstrationUnites::haut_centre(d.cadre_reste(), reste->height()));
    }
    m_button1->setVisible(d.bouton_visible());
}

void Terreur_addition::Button1Click()
{
    close();
}

// Closing hands back to the drill, which poses the next question, unless a
// level restarted meanwhile has posed one already.
void Terreur_addition::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    m_exercice.fenetre_regle_finie(FenetreRegle::ErreurAddition);
}

void Terreur_addition::nouvelle_question()
{
    if (isVisible())
        FormShow();
}
