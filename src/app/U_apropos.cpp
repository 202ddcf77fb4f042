// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_apropos.h"

#include "EffectLabel.h"
#include "Gradient.h"
#include "fabrique_controles.h"
#include "fenetre_annexe.h"
#include "panneau.h"
#include "ressources.h"
#include "teintes.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>

const QUrl Ta_propos::adresse_site(QStringLiteral("https://tavelo.example.org/"));
const QUrl Ta_propos::adresse_courriel(QStringLiteral("mailto:contact@tavelo.example.org"));

namespace {

QFont arial(int pixels, bool gras, fabrique::Style style = fabrique::Style::droit)
{
    return fabrique::police("Arial", pixels, gras, style);
}

QLabel *etiquette(QWidget *parent, const char *nom, const QRect &r, const QString &texte,
                  const QColor &couleur, Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignTop)
{
    auto *l = fabrique::nomme(new QLabel(texte, parent), nom);
    l->setGeometry(r);
    l->setFont(arial(11, true));
    fabrique::colore(l, couleur);
    l->setAlignment(alignement);
    return l;
}

// A link: blue and underlined, with a hand cursor; a click hands its target
// to the desktop's default handler.
QLabel *lien(QWidget *parent, const char *nom, QPoint position, const QString &texte,
             const QUrl &cible)
{
    auto *l = etiquette(parent, nom, QRect(position, QSize(290, 16)), texte, teintes::bleu);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    l->setCursor(Qt::PointingHandCursor);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    l->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">%2</a>")
                   .arg(cible.toString(), texte.toHtmlEscaped()));
    l->setOpenExternalLinks(false);
    l->setAccessibleName(texte);
    QObject::connect(l, &QLabel::linkActivated, l,
                     [cible](const QString &) { QDesktopServices::openUrl(cible); });
    return l;
}

// "Version 1.12.0    (09.12.2026)" for a release; a build between releases
// shows its version alone, which carries its date already.
QString texte_version()
{
    constexpr char date[] = TAVELO_DATE_VERSION;
    QString texte = QStringLiteral("Version " TAVELO_VERSION);
    if (date[0] != '\0')
        texte += QStringLiteral("    (%1)").arg(QLatin1String(date));
    return texte;
}

} // namespace

Ta_propos::Ta_propos(QWidget *principale) : QWidget(principale)
{
    QWidget *client = prepare_fenetre(*this, "a_propos", QStringLiteral("A propos de\"Tavelo\""),
                                      QSize(345, 500), Cadre::SansBoutons);
    setFont(arial(11, false));

    auto *cadre = new TPanneau(client);
    cadre->setObjectName(QStringLiteral("Panel1"));
    cadre->setGeometry(8, 8, 318, 393);
    cadre->setLargeurBiseau(1);
    cadre->setReleve(true);

    // The gradient fills the panel inside its bevel.
    auto *fond = new TGradient(cadre);
    fond->setObjectName(QStringLiteral("Gradient1"));
    fond->setGeometry(cadre->interieur());
    fond->setStartColor(teintes::rouge);
    fond->setEndColor(teintes::jaune);
    fond->setStyle(TGradient::gsVertical);

    auto *icone = new QLabel(cadre);
    icone->setObjectName(QStringLiteral("Image1"));
    icone->setGeometry(8, 8, 65, 65);
    icone->setScaledContents(true);
    icone->setPixmap(icone_programme().pixmap(256, 256));

    auto *titre = new TEffectLabel(QStringLiteral("TAVELO "), cadre);
    titre->setObjectName(QStringLiteral("EffectLabel1"));
    titre->setFont(arial(24, true, fabrique::Style::italique));
    titre->setFontColor(teintes::bleu);
    titre->setGeometry(80, 16, 142, 33);

    const QColor bleu = teintes::bleu;
    const QColor violet = teintes::violet;
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
    etiquette(cadre, "Label_version", {87, 59, 220, 16}, texte_version(), bleu);
    // Three centred, wrapped texts; the last two are empty.
    etiquette(cadre, "Label_texte1", {52, 134, 214, 48},
              QStringLiteral("Ce logiciel permet de maîtriser l'addition et la soustraction des "
                             "nombres relatifs. "),
              Qt::black, centre)
        ->setWordWrap(true);
    etiquette(cadre, "Label_texte2", {68, 187, 182, 48}, QString(), Qt::black, centre)
        ->setWordWrap(true);
    etiquette(cadre, "Label_texte3", {121, 243, 76, 40}, QString(), Qt::black, centre)
        ->setWordWrap(true);
    etiquette(cadre, "Label_site", {18, 293, 290, 16},
              QStringLiteral("Téléchargez la dernière version sur le site:"), violet);
    lien(cadre, "Lien_site", {18, 311}, adresse_site.toString(), adresse_site);
    etiquette(cadre, "Label_courriel", {18, 337, 290, 16},
              QStringLiteral("Faites vos suggestions à:"), violet);
    lien(cadre, "Lien_courriel", {18, 355}, adresse_courriel.path(), adresse_courriel);

    auto *ok = new QPushButton(QStringLiteral("OK"), client);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(136, 432, 58, 27);
    ok->setCursor(Qt::PointingHandCursor);
    connect(ok, &QPushButton::clicked, this, &Ta_propos::OKButtonClick);
    // Return closes the box; Tab reaches the links first.
    ok->setFocus();
}

void Ta_propos::OKButtonClick()
{
    close();
}
