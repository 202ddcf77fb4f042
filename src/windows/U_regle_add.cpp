// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_regle_add.h"

#include "EffectLabel.h"
#include "etat_partage.h"
#include "exercice.h"
#include "fabrique_controles.h"
#include "fenetre_annexe.h"
#include "forme.h"
#include "teintes.h"
#include "vue_exercice.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

using namespace teintes;

QFont comic(int pixels, bool gras = true)
{
    return fabrique::police("Comic Sans MS", pixels, gras);
}

// What the window shows for one rule. The examples, the motto and the
// button stand lower by `decalage` under a third line of rule text.
struct Regle
{
    const char *titre_fenetre;
    const char *titre;
    const char *ligne1;
    int largeur1;
    const char *ligne2;
    int largeur2;
    bool ligne3;
    QRect surligne1;
    QRect surligne2;
    const char *exemple1;
    const char *exemple2;
    const char *on_dit;
    int decalage;
};

const Regle regles[] = {
    {"Première règle d'addition", "Règle n°1", "Lorsqu'on additionne deux nombres opposés", 411,
     "le résultat est égal à ZÉRO", 276, false, {365, 65, 76, 27}, {242, 87, 58, 27},
     "1+(-1) = 0", "(-2,7)+2,7 = 0", "les opposés \"s'éliminent\"", 0},
    {"Deuxième règle d'addition", "Règle n°2", "Lorsqu'on additionne deux nombres négatifs", 446,
     "le résultat est négatif", 211, true, {178, 90, 74, 27}, {252, 117, 104, 27},
     "(-5)+(-5)=-10", "(-2)+(-0,5) =(-2,5) ", "les négatifs \"s'ajoutent\"", 20},
};

// Lines of rule text: left 40, word-wrapped at their width.
const int haut_ligne[] = {62, 88, 114};
const int hauteur_ligne[] = {36, 26, 26};

} // namespace

Tregle_add::Tregle_add(const ContexteFenetre &contexte)
    : QWidget(contexte.principale), m_etat(contexte.etat), m_exercice(contexte.exercice),
      m_principale(contexte.principale)
{
    QWidget *client = prepare_fenetre(*this, "regle_add",
                                      QStringLiteral("Deuxième règle d'addition "),
                                      QSize(553, 278), Cadre::Dialogue);
    cree_controles(client);
}

void Tregle_add::cree_controles(QWidget *client)
{
    // Created first, the highlights lie behind the transparent labels.
    const char *surlignes[] = {"Shape_reg_1", "Shape_reg_2"};
    for (int i = 0; i < 2; ++i) {
        m_shape_reg[i] = new TForme(client, jaune, jaune);
        m_shape_reg[i]->setObjectName(QString::fromLatin1(surlignes[i]));
    }

    m_titreg = new TEffectLabel(QStringLiteral("Règle n°2"), client);
    m_titreg->setObjectName(QStringLiteral("titreg"));
    m_titreg->setGeometry(15, 0, 191, 61);
    m_titreg->setDepthShadow(5);
    m_titreg->setDirectionHighlight(TEffectLabel::edDownRight);
    m_titreg->setColourHighlight(Qt::black);
    m_titreg->setGraduateFrom(jaune);
    m_titreg->setStyleHighlight(TEffectLabel::eoExtrude);
    m_titreg->setStyleShadow(TEffectLabel::eoReal);
    m_titreg->setEffectStyle(TEffectLabel::esFlying);
    m_titreg->setColourScheme(TEffectLabel::csCustom);
    m_titreg->setFont(comic(37));
    m_titreg->setFontColor(bleu);

    const char *lignes[] = {"Label_reg_1", "Label_reg_2", "Label_reg_3"};
    const int largeurs[] = {411, 276, 316};
    for (int i = 0; i < 3; ++i) {
        m_label_reg[i] = fabrique::etiquette(client, lignes[i],
                                             {40, haut_ligne[i], largeurs[i], hauteur_ligne[i]},
                                             QString(), comic(19), bleu);
        m_label_reg[i]->setWordWrap(true);
    }
    m_label_reg[2]->setText(QStringLiteral("et les valeurs absolues s'ajoutent"));

    QFont souligne = comic(16, false);
    souligne.setUnderline(true);
    m_label3 = fabrique::etiquette(client, "Label3", {5, 165, 72, 23},
                                   QStringLiteral("Exemples:"), souligne, Qt::black);

    const char *exemples[] = {"Label_ex_1", "Label_ex_2"};
    for (int i = 0; i < 2; ++i)
        m_label_ex[i] = fabrique::etiquette(client, exemples[i], {95, 160 + 30 * i, 0, 0},
                                            QString(), comic(19), bleu);

    const char *resumes[] = {"Label_res_1", "Label_res_2"};
    const QRect places[] = {{400, 165, 66, 27}, {325, 185, 227, 27}};
    for (int i = 0; i < 2; ++i) {
        m_label_res[i] = fabrique::etiquette(client, resumes[i], places[i], QString(),
                                             comic(17), rouge);
        m_label_res[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_label_res[i]->setWordWrap(true);
    }
    m_label_res[0]->setText(QStringLiteral("On dit:"));

    m_button3 = fabrique::bouton(client, "Button3", {411, 223, 50, 28}, QStringLiteral("OK"));
    m_button3->setFont(fabrique::police("MS Sans Serif", 13, true));
    connect(m_button3, &QPushButton::clicked, this, &Tregle_add::Button3Click);
}

// Runs when the window goes from hidden to shown; showing it while it is
// shown only raises it, and its content stays that of its rule.
void Tregle_add::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tregle_add::FormShow()
{
    move(m_principale->pos() + QPoint(4, 140));
    if (m_etat.regle_choisie != 1 && m_etat.regle_choisie != 2)
        return;
    const Regle &r = regles[m_etat.regle_choisie - 1];
    const int d = r.decalage;

    setWindowTitle(QString::fromUtf8(r.titre_fenetre));
    m_titreg->setCaption(QString::fromUtf8(r.titre));
    m_label_reg[0]->setText(QString::fromUtf8(r.ligne1));
    m_label_reg[0]->setGeometry(40, haut_ligne[0], r.largeur1, hauteur_ligne[0]);
    m_label_reg[1]->setText(QString::fromUtf8(r.ligne2));
    m_label_reg[1]->setGeometry(40, haut_ligne[1], r.largeur2, hauteur_ligne[1]);
    m_label_reg[2]->setVisible(r.ligne3);
    m_shape_reg[0]->setGeometry(r.surligne1);
    m_shape_reg[1]->setGeometry(r.surligne2);

    m_label3->move(5, 165 + d);
    const char *exemples[] = {r.exemple1, r.exemple2};
    for (int i = 0; i < 2; ++i) {
        m_label_ex[i]->setText(QString::fromUtf8(exemples[i]));
        m_label_ex[i]->adjustSize();
        m_label_ex[i]->move(95, 160 + 30 * i + d);
    }
    m_label_res[0]->move(400, 165 + d);
    m_label_res[1]->setText(QString::fromUtf8(r.on_dit));
    m_label_res[1]->move(325, 185 + d);
    m_button3->move(411, 223 + d);
}

void Tregle_add::Button3Click()
{
    close();
}

// By the OK button or the close box alike.
void Tregle_add::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    FormClose();
}

// Opened by a rule error, the window hands back to the drill, which poses
// the next question. Opened from the menu, it leaves the drill as it was:
// the answer being typed, a correction line or the right-answer pause go on
// by themselves, and no question is skipped.
void Tregle_add::FormClose()
{
    m_exercice.fenetre_regle_finie(FenetreRegle::ReglesAddition);
}
