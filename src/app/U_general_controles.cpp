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
#include "etiquette_auto.h"
#include "exercice.h"
#include "fabrique_controles.h"
#include "panneau.h"

#include <QPushButton>
#include <QTimer>

namespace {

QFont arial_gras(int pixels)
{
    return fabrique::police("Arial", pixels, true);
}

// The disabled look keeps the style's grey, so a disabled key shows it.
QPalette avec_texte(QPalette p, const QColor &couleur)
{
    for (const auto groupe : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(groupe, QPalette::WindowText, couleur);
        p.setColor(groupe, QPalette::ButtonText, couleur);
    }
    return p;
}

void couleur_du_texte(QWidget *w, const QColor &couleur)
{
    w->setPalette(avec_texte(w->palette(), couleur));
}

template <typename W>
W *nomme(W *w, const char *nom)
{
    w->setObjectName(QString::fromLatin1(nom));
    return w;
}

TPanneau *panneau(QWidget *parent, const char *nom, const QRect &r, const QColor &fond,
                  const QFont &f, const QColor &couleur_police, const QString &texte)
{
    auto *p = nomme(new TPanneau(parent), nom);
    p->setGeometry(r);
    p->setLargeurBiseau(4);
    p->setCouleur(fond);
    p->setFont(f);
    p->setCouleurPolice(couleur_police);
    p->setText(texte);
    return p;
}

EtiquetteAuto *etiquette(QWidget *parent, const char *nom, QPoint position, const QString &texte,
                         const QFont &f, const QColor &couleur)
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
QLabel *etiquette_fixe(QWidget *parent, const char *nom, const QRect &r)
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
    const char *nom;
    QRect geometrie;
    const char *texte;
    int pixels;
    const char *nom_accessible;
};

const Touche touches_du_clavier[] = {
    {"Button_", {66, 170, 45, 189}, "(-)", 43, "signe moins"},
    {"Button7", {114, 170, 45, 45}, "7", 43, "chiffre 7"},
    {"Button8", {162, 170, 45, 45}, "8", 43, "chiffre 8"},
    {"Button9", {210, 170, 45, 45}, "9", 43, "chiffre 9"},
    {"Button4", {114, 218, 45, 45}, "4", 43, "chiffre 4"},
    {"Button5", {162, 218, 45, 45}, "5", 43, "chiffre 5"},
    {"Button6", {210, 218, 45, 45}, "6", 43, "chiffre 6"},
    {"Button1", {114, 266, 45, 45}, "1", 43, "chiffre 1"},
    {"Button2", {162, 266, 45, 45}, "2", 43, "chiffre 2"},
    {"Button3", {210, 266, 45, 45}, "3", 43, "chiffre 3"},
    {"Button0", {114, 314, 141, 45}, "0", 43, "chiffre 0"},
    {"ButtonOK", {258, 170, 93, 93}, "OK", 43, "valider la réponse"},
    {"button_correction", {258, 266, 93, 93}, "effacer", 19, "effacer le dernier caractère"},
};

const Touche bouton_continuer = {"Button10", {472, 391, 41, 36}, "OK", 0, "continuer"};

QPushButton *touche(QWidget *parent, const Touche &t)
{
    auto *b = nomme(new QPushButton(QString::fromUtf8(t.texte), parent), t.nom);
    b->setGeometry(t.geometrie);
    if (t.pixels > 0)
        b->setFont(arial_gras(t.pixels));
    // The style caches a button's bevel per palette: keys that inherit the
    // black text they need share one palette, and their bevels with it.
    if (const QPalette noir = avec_texte(b->palette(), Qt::black); noir != b->palette())
        b->setPalette(noir);
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
    fond->setStartColor(QColor(0, 0, 255));
    fond->setEndColor(QColor(255, 255, 255));
    fond->setStepWidth(1);
    fond->setStyle(TGradient::gsVertical);
    // The score display lies right above the background, under every other
    // control: a long correction line, the OUI!/FAUX! picture and the rule
    // captions reaching over the gauge stay whole, whatever is raised later.
    cree_affichage_score(client);

    const QFont gras48 = arial_gras(48);
    auto *question = panneau(client, "Panel1", {66, 8, 205, 73}, QColor(192, 192, 192), font(),
                             Qt::black, QString());
    question->setAccessibleName(QStringLiteral("Question"));
    etiquette(question, "Label_question", {15, 12}, QStringLiteral("-5+(-18)"), gras48, Qt::black);
    etiquette(client, "Label1", {279, 19}, QStringLiteral("="), gras48, Qt::black);

    auto *reponse = panneau(client, "Panel2", {320, 9, 89, 73}, QColor(192, 192, 192), gras48,
                            Qt::black, QStringLiteral("-5"));
    // Named by the answer it shows.
    reponse->setAccessibleDescription(QStringLiteral("ta réponse"));
    etiquette_fixe(reponse, "Image_faux2", {4, 8, 80, 60})->hide();
    auto *oui_faux = nomme(new EtiquetteAuto(client), "Image_oui_faux");
    oui_faux->move(435, 23);
    oui_faux->adjustSize();

    // The correction line: five labels in a row on a red panel.
    const QFont gras45 = arial_gras(45);
    auto *correction = panneau(client, "Panel6", {66, 94, 221, 69}, QColor(255, 0, 0), gras45,
                               QColor(255, 255, 0), QStringLiteral(" "));
    const char *termes[] = {"Label4", "Label5", "Label6", "Label7", "Label8"};
    int gauche = 15;
    for (int i = 0; i < 5; ++i) {
        const QColor couleur = (i % 2 == 1) ? QColor(0, 0, 255) : QColor(255, 255, 0);
        auto *terme = etiquette(correction, termes[i], {gauche, 8}, QString(), gras45, couleur);
        gauche += terme->width() + 1;
    }
    correction->setAccessibleName(QStringLiteral("Correction"));
    correction->hide();

    // The prompt keeps its design size: its text never changes.
    auto *invite = etiquette_fixe(client, "Label17", {175, 395, 290, 33});
    invite->setText(QStringLiteral("Clique sur OK pour continuer:"));
    invite->setFont(arial_gras(19));
    couleur_du_texte(invite, Qt::black);
    invite->hide();

    cree_clavier(client);
    cree_legendes(client);
    cree_minuteries();
    m_annonce = new TAnnonce(client);
    indexe_controles();

    charge_image(QStringLiteral("Image1"), QStringLiteral("bitmap_1"));
    charge_image(QStringLiteral("Image2"), QStringLiteral("bitmap_2"));
    charge_image(QStringLiteral("Image7"), QStringLiteral("bitmap_19"));
    charge_image(QStringLiteral("Image8"), QStringLiteral("bitmap_17"));
    charge_image(QStringLiteral("Image9"), QStringLiteral("bitmap_18"));
}

void Tgeneral::cree_clavier(QWidget *client)
{
    for (const Touche &t : touches_du_clavier)
        touche(client, t);
    m_bouton_moins = client->findChild<QPushButton *>(QStringLiteral("Button_"));
    for (int chiffre = 0; chiffre < 10; ++chiffre)
        m_chiffres[chiffre] =
            client->findChild<QPushButton *>(QStringLiteral("Button%1").arg(chiffre));
    m_bouton_correction = client->findChild<QPushButton *>(QStringLiteral("button_correction"));
    m_bouton_correction->setToolTip(QStringLiteral("efface le dernier caractère tapé"));

    // The focus stays on OK for the whole question: Space and Enter submit.
    m_bouton_ok = client->findChild<QPushButton *>(QStringLiteral("ButtonOK"));
    m_bouton_ok->setFocusPolicy(Qt::StrongFocus);
    m_bouton_ok->setAutoDefault(true);
    m_bouton_ok->setDefault(true);

    m_bouton10 = touche(client, bouton_continuer);
    m_bouton10->setFocusPolicy(Qt::TabFocus);
    m_bouton10->setAutoDefault(true);
    m_bouton10->hide();
}

// The rule captions: a yellow copy one pixel up-left, no visible shadow.
void Tgeneral::cree_legendes(QWidget *client)
{
    struct Legende
    {
        const char *nom;
        QRect geometrie;
        const char *texte;
        QColor couleur;
        bool ombre_grise;
    };
    const Legende legendes[] = {
        {"EffectLabel9", {104, 116, 441, 37}, "Tu dois maintenant effectuer un test.",
         QColor(128, 0, 0), true},
        {"EffectLabel10", {295, 100, 193, 70}, "Zéro est neutre pour l'addition",
         QColor(255, 0, 0), false},
    };
    for (const Legende &l : legendes) {
        auto *e = nomme(new TEffectLabel(client), l.nom);
        e->setColourScheme(TEffectLabel::csCustom);
        e->setEffectStyle(TEffectLabel::esCustom);
        e->setDepthShadow(0);
        e->setColourHighlight(QColor(255, 255, 0));
        if (l.ombre_grise)
            e->setColourShadow(QColor(128, 128, 128));
        e->setFont(arial_gras(24));
        e->setFontColor(l.couleur);
        e->setWordWrap(true);
        e->setCaption(QString::fromUtf8(l.texte));
        e->setGeometry(l.geometrie);
        e->hide();
    }
}

void Tgeneral::cree_affichage_score(QWidget *client)
{
    etiquette_fixe(client, "Image1", {555, 20, 69, 373});
    etiquette_fixe(client, "Image2", {573, 59, 33, 240});
    etiquette_fixe(client, "Image9", {425, 185, 69, 20});
    etiquette_fixe(client, "Image8", {425, 205, 69, 20});
    etiquette_fixe(client, "Image7", {425, 225, 69, 20});

    auto *jeu = nomme(new TLedCharset(client), "LedCharset1");
    struct Led
    {
        const char *nom;
        int gauche;
        int largeur;
        bool espace;
    };
    const Led leds[] = {{"LedMatrix1", 573, 18, true},
                        {"LedMatrix2", 591, 18, true},
                        {"LedMatrix3", 591, 15, false}};
    TLedMatrix *precedente = nullptr;
    for (const Led &l : leds) {
        auto *led = nomme(new TLedMatrix(client), l.nom);
        led->setBackgroundColor(QColor(0, 0, 0));
        led->setDotOnColor(QColor(128, 255, 0));
        led->setDotOffColor(QColor(0, 83, 0));
        led->setCharSet(jeu);
        led->setMarqueeSpeed(300);
        led->setBlinkInterval(1000);
        led->setAddSpace(l.espace);
        led->setGeometry(l.gauche, 29, l.largeur, 21);
        if (precedente)
            precedente->setNextLed(led);
        precedente = led;
    }
}

void Tgeneral::cree_minuteries()
{
    struct Minuterie
    {
        const char *nom;
        int intervalle;
        bool actif;
        QTimer **membre;
    };
    // timer_oui's design interval; the drill sets its own before each start.
    const Minuterie minuteries[] = {
        {"timer_oui", 300, false, &m_timer_oui},
        {"timer_couleur", intervalles::timer_couleur, false, &m_timer_couleur},
        {"Timer_panel_actif", intervalles::Timer_panel_actif, true, &m_timer_panel_actif},
        {"Timer_fin_bravo", intervalles::Timer_fin_bravo, true, &m_timer_fin_bravo},
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
