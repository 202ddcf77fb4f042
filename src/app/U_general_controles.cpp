// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls as designed: names, kinds, positions, fonts,
// colours and design contents. Positions are in the client area, under the
// menu bar.

#include "U_general.h"

#include "Annonce.h"
#include "EffectLabel.h"
#include "Gradient.h"
#include "LedCharset.h"
#include "LedMatrix.h"
#include "bouton_sur_fond.h"
#include "etiquette_auto.h"
#include "exercice.h"
#include "disposition_general.h"
#include "fabrique_controles.h"
#include "noms_general.h"
#include "panneau.h"
#include "teintes.h"

#include <QPushButton>
#include <QTimer>

namespace {

using fabrique::arial_gras;
using fabrique::nomme;
using namespace couleurs;
namespace dg = disposition_general;

// The disabled look keeps the style's grey, so a disabled key shows it.
void couleur_du_texte(QWidget *w, Couleur couleur)
{
    fabrique::colore_actif(w, teinte(couleur));
}

// Whether the text of `w` is already `couleur` wherever couleur_du_texte
// would set it.
bool texte_deja(const QWidget &w, Couleur couleur)
{
    const QPalette &p = w.palette();
    for (const auto groupe : {QPalette::Active, QPalette::Inactive})
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText})
            if (p.color(groupe, role) != teinte(couleur))
                return false;
    return true;
}

TPanneau *panneau(QWidget *parent, const QString &nom, const QRect &r, Couleur fond,
                  const QFont &f, Couleur couleur_police, const QString &texte)
{
    auto *p = nomme(new TPanneau(parent), nom);
    p->setGeometry(r);
    p->setLargeurBiseau(4);
    p->setCouleur(teinte(fond));
    p->setFont(f);
    p->setCouleurPolice(teinte(couleur_police));
    p->setText(texte);
    return p;
}

EtiquetteAuto *etiquette(QWidget *parent, const QString &nom, QPoint position,
                         const QString &texte, const QFont &f, Couleur couleur)
{
    auto *e = nomme(new EtiquetteAuto(parent), nom);
    e->move(position);
    e->setFont(f);
    couleur_du_texte(e, couleur);
    e->ecrit(texte);
    return e;
}

// A transparent label of fixed size, top-left aligned: a picture in it is
// cropped from the bottom when the label is shortened.
QLabel *etiquette_fixe(QWidget *parent, const QString &nom, const QRect &r)
{
    auto *i = nomme(new QLabel(parent), nom);
    i->setGeometry(r);
    i->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    i->setAttribute(Qt::WA_TranslucentBackground);
    return i;
}

// Keys of the keypad and the two OK buttons. A pixel height of 0 keeps the
// window's font.
struct Touche
{
    QString nom;
    QRect geometrie;
    const char *texte;
    int pixels;
    const char *nom_accessible;
};

const Touche touches_du_clavier[] = {
    {general::Button_, {66, 170, 45, 189}, "(-)", 43, "signe moins"},
    {general::chiffre(7), {114, 170, 45, 45}, "7", 43, "chiffre 7"},
    {general::chiffre(8), {162, 170, 45, 45}, "8", 43, "chiffre 8"},
    {general::chiffre(9), {210, 170, 45, 45}, "9", 43, "chiffre 9"},
    {general::chiffre(4), {114, 218, 45, 45}, "4", 43, "chiffre 4"},
    {general::chiffre(5), {162, 218, 45, 45}, "5", 43, "chiffre 5"},
    {general::chiffre(6), {210, 218, 45, 45}, "6", 43, "chiffre 6"},
    {general::chiffre(1), {114, 266, 45, 45}, "1", 43, "chiffre 1"},
    {general::chiffre(2), {162, 266, 45, 45}, "2", 43, "chiffre 2"},
    {general::chiffre(3), {210, 266, 45, 45}, "3", 43, "chiffre 3"},
    {general::chiffre(0), {114, 314, 141, 45}, "0", 43, "chiffre 0"},
    {general::ButtonOK, {258, 170, 93, 93}, "OK", 43, "valider la réponse"},
    {general::button_correction, {258, 266, 93, 93}, "effacer", 19,
     "effacer le dernier caractère"},
};

const Touche bouton_continuer = {general::Button10, dg::Button10, "OK", 0, "continuer"};

QPushButton *touche(QWidget *parent, TGradient &fond, const Touche &t)
{
    auto *b = nomme(new BoutonSurFond(QString::fromUtf8(t.texte), fond, parent), t.nom);
    b->setGeometry(t.geometrie);
    if (t.pixels > 0)
        b->setFont(arial_gras(t.pixels));
    // The style caches a button's bevel per palette: keys that inherit the
    // black text they need share one palette, and their bevels with it.
    if (!texte_deja(*b, noir))
        couleur_du_texte(b, noir);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAccessibleName(QString::fromUtf8(t.nom_accessible));
    return b;
}

} // namespace

void Tgeneral::cree_controles()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    auto *fond = nomme(new TGradient(client), "Gradient1");
    fond->setAlign(Ancrage::alClient);
    fond->setBuffered(true);
    fond->setDirection(TGradient::gdDownRight);
    fond->setStartColor(teinte(bleu));
    fond->setEndColor(teinte(blanc));
    fond->setStepWidth(1);
    fond->setStyle(TGradient::gsVertical);
    // The score display lies right above the background, under every other
    // control: a long correction line, the OUI!/FAUX! picture and the rule
    // captions reaching over the gauge stay whole, whatever is raised later.
    cree_affichage_score(client);

    const QFont gras48 = arial_gras(48);
    auto *question = panneau(client, general::Panel1, dg::Panel1, argent, font(), noir, QString());
    question->setAccessibleName(QStringLiteral("Question"));
    etiquette(question, general::Label_question, dg::Label_question, QStringLiteral("-5+(-18)"),
              gras48, noir);
    etiquette(client, general::Label1, dg::Label1, QStringLiteral("="), gras48, noir);

    auto *reponse = panneau(client, general::Panel2, dg::Panel2, argent, gras48, noir,
                            QStringLiteral("-5"));
    // Named by the answer it shows.
    reponse->setAccessibleDescription(QStringLiteral("ta réponse"));
    etiquette_fixe(reponse, general::Image_faux2, dg::Image_faux2)->hide();
    auto *oui_faux = nomme(new EtiquetteAuto(client), general::Image_oui_faux);
    oui_faux->move(dg::Image_oui_faux);
    oui_faux->adjustSize();

    // The correction line: five labels in a row on a red panel.
    const QFont gras45 = arial_gras(45);
    auto *correction = panneau(client, general::Panel6, dg::Panel6, rouge, gras45, jaune,
                               QStringLiteral(" "));
    int gauche = 15;
    for (int n = general::premier_terme; n <= general::dernier_terme; ++n) {
        // The terms alternate yellow and blue, from yellow.
        const Couleur couleur = (n - general::premier_terme) % 2 == 1 ? bleu : jaune;
        auto *terme = etiquette(correction, general::terme(n), {gauche, 8}, QString(), gras45,
                                couleur);
        gauche += terme->width() + 1;
    }
    correction->setAccessibleName(QStringLiteral("Correction"));
    correction->hide();

    // The prompt keeps its design size: its text never changes.
    auto *invite = etiquette_fixe(client, general::Label17, dg::Label17);
    invite->setText(QStringLiteral("Clique sur OK pour continuer:"));
    invite->setFont(arial_gras(19));
    couleur_du_texte(invite, noir);
    invite->hide();

    cree_clavier(client, *fond);
    cree_legendes(client);
    cree_minuteries();
    m_annonce = new TAnnonce(client);
    indexe_controles();

    charge_image(general::Image1, QStringLiteral("bitmap_1"));
    charge_image(general::Image2, QStringLiteral("bitmap_2"));
    charge_image(general::Image7, QStringLiteral("bitmap_19"));
    charge_image(general::Image8, QStringLiteral("bitmap_17"));
    charge_image(general::Image9, QStringLiteral("bitmap_18"));
}

void Tgeneral::cree_clavier(QWidget *client, TGradient &fond)
{
    for (const Touche &t : touches_du_clavier)
        touche(client, fond, t);
    m_bouton_moins = client->findChild<QPushButton *>(general::Button_);
    for (int chiffre = 0; chiffre < 10; ++chiffre)
        m_chiffres[chiffre] = client->findChild<QPushButton *>(general::chiffre(chiffre));
    m_bouton_correction = client->findChild<QPushButton *>(general::button_correction);
    m_bouton_correction->setToolTip(QStringLiteral("efface le dernier caractère tapé"));

    // The focus stays on OK for the whole question: Space and Enter submit.
    m_bouton_ok = client->findChild<QPushButton *>(general::ButtonOK);
    m_bouton_ok->setFocusPolicy(Qt::StrongFocus);
    m_bouton_ok->setAutoDefault(true);
    m_bouton_ok->setDefault(true);

    m_bouton10 = touche(client, fond, bouton_continuer);
    m_bouton10->setFocusPolicy(Qt::TabFocus);
    m_bouton10->setAutoDefault(true);
    m_bouton10->hide();
}

// The rule captions: a yellow copy one pixel up-left, no visible shadow.
void Tgeneral::cree_legendes(QWidget *client)
{
    struct Legende
    {
        const QString &nom;
        QRect geometrie;
        const char *texte;
        Couleur couleur;
        bool ombre_grise;
    };
    const Legende legendes[] = {
        {general::EffectLabel9, dg::EffectLabel9, "Tu dois maintenant effectuer un test.", marron,
         true},
        {general::EffectLabel10, dg::EffectLabel10, "Zéro est neutre pour l'addition", rouge,
         false},
    };
    for (const Legende &l : legendes) {
        auto *e = nomme(new TEffectLabel(client), l.nom);
        e->setColourScheme(TEffectLabel::csCustom);
        e->setEffectStyle(TEffectLabel::esCustom);
        e->setDepthShadow(0);
        e->setColourHighlight(teinte(jaune));
        if (l.ombre_grise)
            e->setColourShadow(teinte(gris));
        e->setFont(arial_gras(24));
        e->setFontColor(teinte(l.couleur));
        e->setWordWrap(true);
        e->setCaption(QString::fromUtf8(l.texte));
        e->setGeometry(l.geometrie);
        e->hide();
    }
}

void Tgeneral::cree_affichage_score(QWidget *client)
{
    etiquette_fixe(client, general::Image1, dg::Image1);
    etiquette_fixe(client, general::Image2, dg::Image2);
    etiquette_fixe(client, general::Image9, {425, 185, 69, 20});
    etiquette_fixe(client, general::Image8, {425, 205, 69, 20});
    etiquette_fixe(client, general::Image7, {425, 225, 69, 20});

    auto *jeu = nomme(new TLedCharset(client), "LedCharset1");
    TLedMatrix *precedente = nullptr;
    for (int i = 0; i < 3; ++i) {
        auto *led = nomme(new TLedMatrix(client), *general::leds[i]);
        led->setBackgroundColor(teinte(noir));
        led->setDotOnColor(teinte(led_allumee));
        led->setDotOffColor(teinte(led_eteinte));
        led->setCharSet(jeu);
        led->setMarqueeSpeed(300);
        led->setBlinkInterval(1000);
        // The last cell of the chain adds no space after its character.
        led->setAddSpace(i < 2);
        led->setGeometry(dg::gauches_led_creation[i], dg::haut_led, dg::largeurs_led[i],
                         dg::hauteur_led);
        if (precedente)
            precedente->setNextLed(led);
        precedente = led;
    }
}

void Tgeneral::cree_minuteries()
{
    struct Minuterie
    {
        const QString &nom;
        int intervalle;
        bool actif;
        QTimer **membre;
    };
    const Minuterie minuteries[] = {
        {general::timer_oui, intervalles::timer_oui_conception, false, &m_timer_oui},
        {general::timer_couleur, intervalles::timer_couleur, false, &m_timer_couleur},
        {general::Timer_panel_actif, intervalles::Timer_panel_actif, true, &m_timer_panel_actif},
        {general::Timer_fin_bravo, intervalles::Timer_fin_bravo, true, &m_timer_fin_bravo},
    };
    for (const Minuterie &m : minuteries) {
        auto *t = nomme(new QTimer(this), m.nom);
        // The pauses are short and seen by the pupil: keep them to the millisecond.
        t->setTimerType(Qt::PreciseTimer);
        t->setInterval(m.intervalle);
        if (m.actif)
            t->start();
        *m.membre = t;
    }
}

void Tgeneral::indexe_controles()
{
    const auto objets = centralWidget()->findChildren<QObject *>();
    for (QObject *o : objets) {
        if (!o->objectName().isEmpty())
            m_controles.insert(o->objectName().toLower(), o);
    }
    for (QTimer *t : {m_timer_oui, m_timer_couleur, m_timer_panel_actif, m_timer_fin_bravo})
        m_controles.insert(t->objectName().toLower(), t);
}
