// SPDX-License-Identifier: GPL-3.0-or-later
// The subtraction rule window's controls as designed: names, kinds,
// places, fonts, colours and design texts. The explanation area fills the
// top of the client area; the exercise area begins at top 241, under the
// part that the window's first height keeps in view.

#include "EffectLabel.h"
#include "U_regle_soust.h"
#include "fabrique_controles.h"
#include "forme.h"
#include "regle_soustraction_noms.h"
#include "teintes.h"
#include "toile_nette.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <tuple>

using namespace regle_soust;

namespace {

using namespace teintes;

const QString points = QStringLiteral(". . . . . . . . . . . .");

using fabrique::nomme;
using fabrique::police;

// The yellow highlights that lie behind the rule's words and the signs.
TForme *surlignage(QWidget *parent, const QString &nom, TForme::Contour contour)
{
    return nomme(new TForme(parent, contour, jaune), nom);
}

// A transparent label sized to its text, whose size follows its text.
QLabel *etiquette(QWidget *parent, const QString &nom, QPoint position, const QString &texte,
                  const QFont &f, const QColor &couleur = Qt::black)
{
    auto *l = nomme(new QLabel(parent), nom);
    l->setProperty(propriete_taille_au_texte, true);
    l->setFont(f);
    fabrique::colore(l, couleur);
    l->move(position);
    l->setText(texte);
    l->adjustSize();
    return l;
}

// A label of fixed size: a longer text is cut at its edge.
QLabel *etiquette_fixe(QWidget *parent, const QString &nom, const QRect &r, const QString &texte,
                       const QFont &f, const QColor &couleur = Qt::black)
{
    auto *l = nomme(new QLabel(parent), nom);
    l->setFont(f);
    fabrique::colore(l, couleur);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(r);
    l->setText(texte);
    return l;
}

QPushButton *bouton(QWidget *parent, const QString &nom, const QRect &r, const QString &texte,
                    const QFont &f)
{
    auto *b = nomme(new QPushButton(texte, parent), nom);
    b->setFont(f);
    b->setGeometry(r);
    return b;
}

// A double arrow pointing right, shown after the text.
QIcon double_fleche()
{
    QPixmap image = toile_nette(QSize(14, 12));
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(teintes::bleu_marine);
    for (int x : {1, 7})
        p.drawPolygon(QPolygon({QPoint(x, 1), QPoint(x + 6, 6), QPoint(x, 11)}));
    return QIcon(image);
}

// A red cross over a term; what is not the cross shows through.
QPixmap croix_rouge()
{
    QPixmap image = toile_nette(QSize(25, 25));
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rouge, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(4, 4, 20, 20);
    p.drawLine(20, 4, 4, 20);
    return image;
}

// Bracket k: ticks 2 x 4 at both ends of a bar 2 pixels high.
void accolade(QWidget *parent, int k)
{
    const struct { QString nom; QSize taille; } morceaux[] = {
        {tiret_gauche(k), {2, 4}},
        {tiret_droit(k), {2, 4}},
        {barre(k), {0, 2}},
    };
    for (const auto &m : morceaux) {
        auto *w = nomme(new QWidget(parent), m.nom);
        w->setAutoFillBackground(true);
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, rouge);
        w->setPalette(pal);
        w->resize(m.taille);
        w->hide();
    }
}

// Comments c .. c+4 of a line: "pour soustraire b" and "j'ajoute -b" in
// red, the " à a" in maroon, the dots between them.
void commentaires(QWidget *parent, int c)
{
    const QFont f = police("Arial", 12, true);
    const QColor couleurs[] = {rouge, marron, rouge, rouge, marron};
    for (int i = 0; i < 5; ++i) {
        if (i == 2)
            etiquette_fixe(parent, commentaire(c + i), {0, 0, 0, 16}, points, f, couleurs[i]);
        else
            etiquette(parent, commentaire(c + i), {0, 0}, QString(), f, couleurs[i]);
    }
}

void cree_explication(QWidget *client)
{
    auto *titre = nomme(new TEffectLabel(client), EffectLabel1);
    titre->setColourScheme(TEffectLabel::csCustom);
    titre->setEffectStyle(TEffectLabel::esFlying);
    titre->setDepthShadow(5);
    titre->setDirectionHighlight(TEffectLabel::edDownRight);
    titre->setColourHighlight(Qt::black);
    titre->setStyleHighlight(TEffectLabel::eoExtrude);
    titre->setStyleShadow(TEffectLabel::eoReal);
    titre->setGraduateFrom(jaune);
    titre->setFont(police("Comic Sans MS", 37, true));
    titre->setFontColor(bleu);
    titre->setCaption(QStringLiteral("Règle n°3"));
    titre->setGeometry(15, 0, 196, 56);

    surlignage(client, Shape_reg_1, TForme::Surlignage)->setGeometry(52, 68, 101, 28);
    surlignage(client, Shape_reg_2, TForme::Surlignage)->setGeometry(290, 70, 68, 26);
    for (int k = 1; k <= 4; ++k)
        surlignage(client, cercle_exemple(k), TForme::CercleSurligne)->resize(17, 21);
    for (int k = 1; k <= 4; ++k)
        accolade(client, k);

    auto *regle = etiquette_fixe(client, Label_reg_0, {10, 67, 510, 27},
                                 QStringLiteral("Pour soustraire un nombre, on ajoute le nombre opposé"),
                                 police("Comic Sans MS", 19, true), bleu);
    regle->setWordWrap(true);
    etiquette(client, Label3, {10, 120}, QStringLiteral("Exemples:"),
              police("Comic Sans MS", 16, false, fabrique::Style::souligne));

    const QFont terme = police("Arial", 19, true);
    for (int n = 1; n <= 12; ++n) {
        const int place = (n - 1) % 6 + 1;
        const QString signe = place == 2 ? QStringLiteral("-")
                              : place == 5 ? QStringLiteral("+")
                                           : QString();
        etiquette(client, exemple(n), {102, 122}, signe, terme, bleu);
    }
    commentaires(client, 1);
    commentaires(client, 6);

    const QFont f_bouton = police("Comic Sans MS", 13, true);
    for (auto [nom, r, texte] : {std::tuple{BitBtn_exemples, QRect(380, 122, 168, 28), "Autres exemples"},
                                 std::tuple{BitBtn_explic, QRect(382, 154, 145, 28), "Explications"}}) {
        auto *b = bouton(client, nom, r, QString::fromLatin1(texte), f_bouton);
        b->setIcon(double_fleche());
        b->setLayoutDirection(Qt::RightToLeft);
    }
    bouton(client, Button_OK1, {385, 187, 48, 28}, QStringLiteral("OK"), client->font())
        ->setCursor(Qt::PointingHandCursor);
}

void cree_exercice(QWidget *client)
{
    for (const QString &cercle : {Shape_app_1, Shape_app_2})
        surlignage(client, cercle, TForme::CercleSurligne)->resize(17, 21);
    for (int k = 5; k <= 6; ++k)
        accolade(client, k);

    etiquette(client, Label14, {5, 249}, QStringLiteral("Applique cette règle:"),
              police("Comic Sans MS", 16, false, fabrique::Style::souligne));
    const QString textes[] = {QString(), QStringLiteral("-"), QString(), QStringLiteral(" = "),
                              QStringLiteral("+"), QString(), QStringLiteral(" = "), QStringLiteral("-1")};
    for (int n = 1; n <= 8; ++n)
        etiquette(client, app(n), {182, 253}, textes[n - 1], police("Arial", 19, true), bleu);
    commentaires(client, 11);

    for (int k = 1; k <= 4; ++k)
        bouton(client, regle_soust::bouton(k), {0, 0, RegleSoustraction::largeur_additions, 21},
               QString(), police("Arial", 19, true));
    auto *consigne = etiquette_fixe(client, Label1, {0, 0, 81, 32},
                                    QStringLiteral("( clique sur ta réponse)"),
                                    police("Comic Sans MS", 13, true));
    consigne->setWordWrap(true);

    for (const QString &nom : {Image3, Image1}) {
        auto *croix = etiquette_fixe(client, nom, {0, 250, 25, 25}, QString(), QFont());
        croix->setPixmap(croix_rouge());
        croix->hide();
    }
    etiquette(client, Label_faux, {0, 250}, QStringLiteral("FAUX!"),
              police("Courier New", 23, true), rouge)
        ->hide();
    bouton(client, Button_OK2, {0, 250, 48, 28}, QStringLiteral("OK"), client->font())
        ->setCursor(Qt::PointingHandCursor);
}

} // namespace

void cree_controles_regle_soust(QWidget *client)
{
    client->setAutoFillBackground(true);
    QPalette p = client->palette();
    p.setColor(QPalette::Window, argent);
    client->setPalette(p);
    client->setFont(police("Comic Sans MS", 11, false));
    cree_explication(client);
    cree_exercice(client);
}
