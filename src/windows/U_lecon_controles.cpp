// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson window's controls as designed: names, places, fonts, colours
// and design contents, all on the window's client area. Labels and pictures
// are transparent and stacked in creation order, the buttons above them.

#include "EffectLabel.h"
#include "U_lecon.h"
#include "fabrique_controles.h"
#include "teintes.h"
#include "toile_nette.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

using namespace teintes;

using fabrique::police;

// A label sized to its text, as the number labels and titles are.
QLabel *etiquette(QWidget *parent, const QString &nom, QPoint position, const QString &texte,
                  const QFont &f, const QColor &couleur)
{
    QLabel *e = fabrique::etiquette(parent, qPrintable(nom), QRect(position, QSize(1, 1)), texte,
                                    f, couleur);
    e->adjustSize();
    return e;
}

// A picture of fixed size; hidden until a word needs it.
QLabel *image(QWidget *parent, const QString &nom, const QRect &geometrie)
{
    QLabel *i = fabrique::etiquette(parent, qPrintable(nom), geometrie, QString(), QFont(), noir);
    i->hide();
    return i;
}

// The arrow under a number, 11 x 15: a yellow upward head and shaft on grey
// whose foot turns along the bottom toward the word "opposés", to the
// right or to the left. The foot lies on the rows of the yellow bars.
QPixmap dessine_fleche(bool pied_a_droite)
{
    QPixmap fleche = toile_nette(QSize(11, 15));
    fleche.fill(teintes::gris_fleches);
    QPainter p(&fleche);
    p.setPen(Qt::NoPen);
    p.setBrush(jaune);
    p.drawPolygon(QPolygon({{5, 0}, {10, 5}, {0, 5}}));
    p.drawRect(4, 5, 3, 10);
    if (pied_a_droite)
        p.drawRect(4, 13, 7, 2);
    else
        p.drawRect(0, 13, 7, 2);
    return fleche;
}

QPixmap dessine_trait()
{
    QPixmap trait(50, 2);
    trait.fill(jaune);
    return trait;
}

// Where the negative numbers' labels stand, n = 1..5: minus sign, digit.
constexpr int gauche_moins[] = {250, 202, 150, 98, 50};
constexpr int gauche_chiffre_negatif[] = {258, 210, 158, 106, 58};

} // namespace

void Tlecon::cree_controles(QWidget *client)
{
    client->setAutoFillBackground(true);
    QPalette p = client->palette();
    p.setColor(QPalette::Window, argent);
    client->setPalette(p);

    cree_droite(client);
    cree_titres(client);
    cree_opposes(client);
    cree_explications(client);
    cree_boutons(client);
    cree_minuteries();

    m_labels.indexe(*client);
}

// The line with its coloured halves, and the numbers -5 to 5 over it.
void Tlecon::cree_droite(QWidget *client)
{
    const QRect places[] = {{16, 64, 600, 15},  {16, 64, 300, 15},  {316, 64, 300, 15},
                            {3, 102, 313, 28},  {316, 102, 313, 28}, {3, 32, 625, 29}};
    for (int i = 0; i < 6; ++i)
        m_images[i] = image(client, QStringLiteral("Image%1").arg(i + 1), places[i]);
    m_images[0]->show();

    etiquette(client, QStringLiteral("Label0"), {308, 75}, QStringLiteral("0"),
              police("Arial", 27, true), noir);
    const QFont chiffres = police("MS Sans Serif", 21, true);
    for (int n = 1; n <= 5; ++n) {
        const QString chiffre = QString::number(n);
        const int decalage = 50 * (n - 1);
        etiquette(client, QStringLiteral("Label%1b").arg(n), {360 + decalage, 80}, chiffre,
                  chiffres, noir);
        etiquette(client, QStringLiteral("Label%1a").arg(n), {348 + decalage, 80},
                  QStringLiteral("+"), chiffres, rouge)
            ->hide();
        etiquette(client, QStringLiteral("Label%1d").arg(n), {gauche_chiffre_negatif[n - 1], 80},
                  chiffre, chiffres, noir);
        etiquette(client, QStringLiteral("Label%1c").arg(n), {gauche_moins[n - 1], 80},
                  QStringLiteral("-"), chiffres, noir);
    }
}

// The heading and the titles of the braces.
void Tlecon::cree_titres(QWidget *client)
{
    m_label12 = etiquette(client, QStringLiteral("Label12"), {208, 168},
                          QStringLiteral("Clique sur un mot : "), police("Arial", 21, true), noir);
    const QFont titre = police("Arial", 19, true);
    m_label18 = etiquette(client, QStringLiteral("Label18"), {88, 128},
                          QStringLiteral("nombres négatifs"), titre, bleu);
    m_label19 = etiquette(client, QStringLiteral("Label19"), {408, 128},
                          QStringLiteral("nombres positifs"), titre, rouge);
    m_label13 = etiquette(client, QStringLiteral("Label13"), {216, 5},
                          QStringLiteral("nombres relatifs"), police("Arial", 27, true), noir);
    for (QLabel *l : {m_label18, m_label19, m_label13})
        l->hide();
}

// The arrows under a pair of opposites, the bars that join them to the
// word "opposés", and the word.
void Tlecon::cree_opposes(QWidget *client)
{
    m_fleche1 = image(client, QStringLiteral("fleche1"), {260, 105, 11, 15});
    m_fleche1->setPixmap(dessine_fleche(true));
    m_fleche2 = image(client, QStringLiteral("fleche2"), {360, 105, 11, 15});
    m_fleche2->setPixmap(dessine_fleche(false));

    // Odd bars grow leftward from -1, even ones rightward from 1.
    const QPixmap trait = dessine_trait();
    for (int i = 0; i < 8; ++i) {
        const int rang = i / 2;
        const int gauche = (i % 2 == 0) ? 221 - 50 * rang : 363 + 50 * rang;
        m_traits[i] = image(client, QStringLiteral("trait%1").arg(i + 1), {gauche, 118, 50, 2});
        m_traits[i]->setPixmap(trait);
    }

    m_label_opposes = etiquette(client, QStringLiteral("Label_opposes"), {275, 103},
                                QStringLiteral("opposés"), police("Arial", 19, true), jaune);
    m_label_opposes->hide();
}

// The definition and the examples, raised yellow text over the window.
void Tlecon::cree_explications(QWidget *client)
{
    const QRect places[] = {{24, 200, 529, 89}, {32, 288, 593, 49}};
    TEffectLabel **effets[] = {&m_effet1, &m_effet2};
    for (int i = 0; i < 2; ++i) {
        auto *e = new TEffectLabel(client);
        e->setObjectName(QStringLiteral("EffectLabel%1").arg(i + 1));
        e->setGeometry(places[i]);
        e->setGraduateFrom(noir);
        e->setFont(police("Arial", 27, false));
        e->setFontColor(jaune);
        e->setWordWrap(true);
        e->setCaption(QStringLiteral(" "));
        e->hide();
        *effets[i] = e;
    }
}

void Tlecon::cree_boutons(QWidget *client)
{
    struct Bouton
    {
        QRect geometrie;
        const char *texte;
        void (Tlecon::*clic)();
    };
    const Bouton boutons[] = {
        {{32, 216, 169, 41}, "nombre négatif", &Tlecon::Button1Click},
        {{208, 216, 169, 41}, "nombre positif", &Tlecon::Button2Click},
        {{384, 216, 161, 41}, "nombre relatif", &Tlecon::Button3Click},
        {{72, 272, 81, 41}, "signe", &Tlecon::Button4Click},
        {{216, 272, 161, 41}, "valeur absolue", &Tlecon::Button5Click},
        {{419, 272, 97, 41}, "opposé", &Tlecon::Button6Click},
        {{240, 360, 49, 41}, "OK", &Tlecon::Button7Click},
    };
    const QFont f = police("Arial", 21, true);
    for (int i = 0; i < 7; ++i) {
        const Bouton &b = boutons[i];
        QPushButton *bouton =
            fabrique::bouton(client, qPrintable(QStringLiteral("Button%1").arg(i + 1)),
                             b.geometrie, QString::fromUtf8(b.texte));
        bouton->setFont(f);
        connect(bouton, &QPushButton::clicked, this, b.clic);
        m_boutons[i] = bouton;
    }
}

void Tlecon::cree_minuteries()
{
    struct Minuterie
    {
        const char *nom;
        QTimer *Tlecon::*membre;
        void (Tlecon::*pas)();
    };
    const Minuterie minuteries[] = {
        {"Timer_negatif", &Tlecon::m_timer_negatif, &Tlecon::Timer_negatifTimer},
        {"Timer_positif", &Tlecon::m_timer_positif, &Tlecon::Timer_positifTimer},
        {"Timer_signe", &Tlecon::m_timer_signe, &Tlecon::Timer_signeTimer},
        {"Timer_va", &Tlecon::m_timer_va, &Tlecon::Timer_vaTimer},
        {"Timer_oppose", &Tlecon::m_timer_oppose, &Tlecon::Timer_opposeTimer},
    };
    for (const Minuterie &m : minuteries) {
        auto *minuterie = new QTimer(this);
        minuterie->setObjectName(QString::fromLatin1(m.nom));
        minuterie->setInterval(800);
        connect(minuterie, &QTimer::timeout, this, m.pas);
        this->*m.membre = minuterie;
    }
}
