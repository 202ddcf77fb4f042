// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog's controls: names, places, captions and
// colours. Places are in the client area or in the group box that holds
// the control.

#include "U_options.h"
#include "catalogue_types.h"
#include "fabrique_controles.h"
#include "teintes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

using namespace teintes;

// The type rows: one line per type id, the additions in the left column
// and the subtractions of the same shape beside them.
constexpr int haut_des_lignes = 40;
constexpr int pas_des_lignes = 22;
constexpr int hauteur_ligne = 20;
constexpr int largeur_champ = 28;

using fabrique::nomme;

QLabel *etiquette(QWidget *parent, const QString &nom, const QString &texte, const QRect &r,
                  Qt::Alignment alignement = Qt::AlignLeft)
{
    auto *e = nomme(new QLabel(texte, parent), nom);
    e->setGeometry(r);
    e->setAlignment(alignement | Qt::AlignVCenter);
    return e;
}

QLineEdit *champ(QWidget *parent, int n, const QRect &r, const QColor &fond)
{
    auto *c = nomme(new QLineEdit(parent), QStringLiteral("Edit%1").arg(n));
    c->setGeometry(r);
    c->setAlignment(Qt::AlignCenter);
    if (fond.isValid()) {
        QPalette p = c->palette();
        p.setColor(QPalette::Base, fond);
        c->setPalette(p);
    }
    return c;
}

// A caption and its field on one line, the caption ending right of the field.
// The field is named for a screen reader by what it holds, which its
// caption alone does not say.
void ligne(QWidget *parent, int n, const QString &nom_legende, const QString &legende, QPoint champ_a,
           int largeur_legende, const QColor &fond, const QString &nom_lu)
{
    etiquette(parent, nom_legende, legende,
              QRect(champ_a.x() - 4 - largeur_legende, champ_a.y(), largeur_legende, hauteur_ligne),
              Qt::AlignRight);
    champ(parent, n, QRect(champ_a, QSize(largeur_champ, hauteur_ligne)), fond)
        ->setAccessibleName(nom_lu);
}

// "type x+(-x):" gives "Nombre de questions x+(-x)", "0+0:" "Nombre de
// questions 0+0".
QString nom_du_compte(const QString &legende)
{
    QString forme = legende;
    forme.remove(QRegularExpression(QStringLiteral("^type |:$")));
    return QStringLiteral("Nombre de questions ") + forme;
}

QGroupBox *groupe(QWidget *parent, const char *nom, const QString &titre, const QRect &r)
{
    auto *g = nomme(new QGroupBox(titre, parent), QString::fromLatin1(nom));
    g->setGeometry(r);
    return g;
}

QFont gras(QFont f)
{
    f.setBold(true);
    return f;
}

} // namespace

void Toptions::cree_controles(QWidget *client)
{
    setFont(fabrique::police("MS Sans Serif", 11, false));

    cree_composition(client);
    cree_maxima(client);
    cree_moteur(client);
    cree_choix(client);
    cree_boutons(client);
}

QGroupBox *Toptions::cree_composition(QWidget *client)
{
    QGroupBox *g = groupe(client, "GroupBox1", QStringLiteral("Composition du test:"),
                          QRect(8, 4, 384, 444));
    const int colonnes[] = {132, 314}; // left of the fields
    const int dernier_de_colonne = catalogue::dernier_type_addition;
    for (int n = catalogue::premier_type; n <= catalogue::dernier_type; ++n) {
        const TypeQuestion &type = catalogue::type(n);
        const int colonne = catalogue::est_addition(n) ? 0 : 1;
        const int rang = (n - 1) % dernier_de_colonne;
        // Lime: the type's numbers need no computation and follow the
        // maximum "sans calcul mental"; yellow: the other maximum.
        const bool sans_calcul = type.groupe == Groupe::Z || type.groupe == Groupe::S;
        const QString legende = QString::fromUtf8(type.legende);
        ligne(g, n, QStringLiteral("Label%1").arg(n), legende,
              QPoint(colonnes[colonne], haut_des_lignes + rang * pas_des_lignes), 120,
              sans_calcul ? lime : jaune, nom_du_compte(legende));
    }

    const int bas = haut_des_lignes + dernier_de_colonne * pas_des_lignes;
    const struct
    {
        const char *nom;
        const char *texte;
        QRect r;
        Qt::Alignment alignement;
        bool titre;
    } legendes[] = {
        {"Label35", "Additions:", {12, 18, 150, 18}, Qt::AlignLeft, true},
        {"Label36", "Soustractions:", {194, 18, 150, 18}, Qt::AlignLeft, true},
        {"Label37", "TOTAL: 20", {8, bas, 152, hauteur_ligne}, Qt::AlignRight, true},
        {"Label38", "TOTAL: 20", {190, bas, 152, hauteur_ligne}, Qt::AlignRight, true},
        {"Label39", "x>0", {350, haut_des_lignes, 30, hauteur_ligne}, Qt::AlignLeft, false},
        {"Label40", "Y>x", {350, haut_des_lignes + pas_des_lignes, 30, hauteur_ligne},
         Qt::AlignLeft, false},
    };
    for (const auto &l : legendes) {
        QLabel *e = etiquette(g, QString::fromLatin1(l.nom), QString::fromUtf8(l.texte), l.r,
                              l.alignement);
        if (l.titre)
            e->setFont(gras(font()));
    }
    return g;
}

QGroupBox *Toptions::cree_maxima(QWidget *client)
{
    QGroupBox *g = groupe(client, "GroupBox3", QString(), QRect(400, 4, 232, 140));
    QLabel *titre = etiquette(g, QStringLiteral("Label41"),
                              QStringLiteral(" Maximum de    x et Y dans les opérations :"),
                              QRect(8, 8, 216, 32));
    titre->setWordWrap(true);
    ligne(g, Configuration::champ_max_sans_calcul, QStringLiteral("Label43"),
          QStringLiteral("sans calcul mental:"), QPoint(164, 46), 150, lime,
          QStringLiteral("Maximum de x et Y sans calcul mental"));
    ligne(g, Configuration::champ_max_avec_calcul, QStringLiteral("Label44"),
          QStringLiteral("avec calcul mental:"), QPoint(164, 72), 150, jaune,
          QStringLiteral("Maximum de x et Y avec calcul mental"));

    m_eviter_retenues = nomme(new QCheckBox(g), QStringLiteral("CheckBox1"));
    m_eviter_retenues->setGeometry(14, 106, 18, hauteur_ligne);
    legende_de(etiquette(g, QStringLiteral("Label42"), QStringLiteral("Eviter les retenues"),
                         QRect(34, 106, 180, hauteur_ligne)),
               m_eviter_retenues);
    return g;
}

QGroupBox *Toptions::cree_moteur(QWidget *client)
{
    QGroupBox *g = groupe(client, "GroupBox2", QStringLiteral("Moteur d'apprentissage"),
                          QRect(400, 152, 232, 64));
    ligne(g, Configuration::champ_vitesse, QStringLiteral("Label45"),
          QStringLiteral("vitesse de ciblage :"), QPoint(116, 30), 104, QColor(),
          QStringLiteral("Vitesse de ciblage en dixièmes, de 10 à 99"));
    etiquette(g, QStringLiteral("Label46"), QStringLiteral("/10"), QRect(148, 30, 24, hauteur_ligne));
    etiquette(g, QStringLiteral("Label51"), QStringLiteral("(10..99)"),
              QRect(174, 30, 52, hauteur_ligne));
    return g;
}

QGroupBox *Toptions::cree_choix(QWidget *client)
{
    QGroupBox *g = groupe(client, "GroupBox4", QString(), QRect(400, 224, 232, 112));
    // Top to bottom: go on, then levels 1 to 3. The buttons' numbers are
    // the levels, "continuer la partie" being the fourth.
    const struct
    {
        int niveau;
        const char *bouton;
        const char *legende;
        const char *texte;
    } choix[] = {
        {0, "RadioButton4", "Label50", "continuer la partie"},
        {1, "RadioButton1", "Label47", "redémarrer en niveau 1"},
        {2, "RadioButton2", "Label48", "redémarrer en niveau 2"},
        {3, "RadioButton3", "Label49", "redémarrer en niveau 3"},
    };
    int y = 10;
    for (const auto &c : choix) {
        auto *bouton = nomme(new QRadioButton(g), QString::fromLatin1(c.bouton));
        bouton->setGeometry(14, y, 18, hauteur_ligne);
        m_choix[c.niveau] = bouton;
        legende_de(etiquette(g, QString::fromLatin1(c.legende), QString::fromUtf8(c.texte),
                             QRect(34, y, 180, hauteur_ligne)),
                   bouton);
        y += 24;
    }
    m_choix[0]->setChecked(true);
    return g;
}

void Toptions::cree_boutons(QWidget *client)
{
    auto bouton = [client](const char *nom, const QString &texte, const QRect &r) {
        auto *b = nomme(new QPushButton(texte, client), QString::fromLatin1(nom));
        b->setGeometry(r);
        return b;
    };
    m_appliquer = bouton("Button4", QStringLiteral("Appliquer"), QRect(400, 348, 112, 28));
    m_par_defaut = bouton("Button5", QStringLiteral("Par défaut"), QRect(520, 348, 112, 28));
    m_quitter = bouton("Button1", QStringLiteral("quitter"), QRect(520, 420, 112, 28));

    // Whether a printed test sheet is followed by its answer key.
    m_imprimer_corrige = nomme(new QCheckBox(QStringLiteral("Imprimer le corrigé"), client),
                               QStringLiteral("CheckBox_corrige"));
    m_imprimer_corrige->setAccessibleName(QStringLiteral("Imprimer le corrigé"));
    m_imprimer_corrige->setGeometry(404, 388, 228, hauteur_ligne);
    m_imprimer_corrige->setChecked(true);
}

void Toptions::legende_de(QLabel *legende, QAbstractButton *bouton)
{
    // The box itself has no text: its caption names it.
    bouton->setAccessibleName(legende->text());
    m_legendes.insert(legende, bouton);
    legende->installEventFilter(this);
    legende->setCursor(Qt::PointingHandCursor);
}
