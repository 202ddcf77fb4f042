// SPDX-License-Identifier: GPL-3.0-or-later
#include "feuille_test.h"

#include <QFont>
#include <QPainter>

namespace feuille_test {

namespace {

// Font sizes of 40 and 60 points on a 96-dpi display, in sheet units.
constexpr int petite_police = 53;
constexpr int grande_police = 80;

QFont police_de_la_feuille(int unites)
{
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(unites);
    return police;
}

// Text whose top-left corner is at (x, y).
void ecrit(QPainter &p, int x, int y, const QString &texte)
{
    p.drawText(QRect(x, y, taille.width(), taille.height()),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, texte);
}

int ligne_de_la_grille(int k)
{
    return 240 + 595 * k / 2;
}

void dessine_cadre(QPainter &p)
{
    const QPoint coins[] = {{0, 230}, {1620, 230}, {1620, 2630}, {0, 2630}, {0, 230}};
    p.drawPolyline(coins, int(std::size(coins)));
    // 30-unit dashes with 30-unit gaps: 27 along the top and bottom edges,
    // 40 down each side.
    for (int i = 0; i <= 26; ++i) {
        p.fillRect(QRect(60 * i, 230, 30, 10), Qt::black);
        p.fillRect(QRect(60 * i, 2620, 30, 10), Qt::black);
    }
    for (int i = 0; i <= 39; ++i) {
        p.fillRect(QRect(0, 230 + 60 * i, 10, 30), Qt::black);
        p.fillRect(QRect(1610, 230 + 60 * i, 10, 30), Qt::black);
    }
}

// Five columns 320 units wide, eight rows.
void dessine_grille(QPainter &p)
{
    for (int i = 0; i <= 5; ++i)
        p.drawLine(320 * i + 10, 240, 320 * i + 10, 2620);
    for (int k = 0; k <= 8; ++k)
        p.drawLine(10, ligne_de_la_grille(k), 1610, ligne_de_la_grille(k));
}

// White page, frame and grid: what the sheet and its key share.
void commence(QPainter &p)
{
    p.fillRect(QRect(QPoint(0, 0), taille - QSize(1, 1)), Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.setFont(police_de_la_feuille(petite_police));
    dessine_cadre(p);
    dessine_grille(p);
}

QPoint place_de_la_question(int n)
{
    const int j = (n - 1) % 5, k = (n - 1) / 5;
    return {320 * j + 60, 250 + 595 * k / 2};
}

// The questions run from left to right, then from top to bottom, on white
// so that no line crosses them.
void ecrit_questions(QPainter &p, const Tableau<TexteTest, 40> &questions)
{
    p.save();
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::white);
    p.setBrush(Qt::white);
    for (int n = 1; n <= 40; ++n) {
        const QPoint a = place_de_la_question(n);
        ecrit(p, a.x(), a.y(), questions[n] + QLatin1Char('='));
    }
    p.restore();
}

// The scale and the code at the foot, in the small font.
void ecrit_pied(QPainter &p, const QString &echelle, const QString &code)
{
    p.setFont(police_de_la_feuille(petite_police));
    if (!echelle.isEmpty())
        ecrit(p, 30, 2655, echelle);
    p.drawText(place_du_code, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
               QStringLiteral("Feuille ") + code);
}

} // namespace

QRect place_de_la_reponse(int n)
{
    return QRect(place_de_la_question(n) + QPoint(0, 80), QSize(260, 70));
}

QPicture dessine(const Tableau<TexteTest, 40> &questions, const QString &code)
{
    QPicture feuille;
    QPainter p(&feuille);
    commence(p);
    ecrit_questions(p, questions);

    p.setFont(police_de_la_feuille(grande_police));
    ecrit(p, 40, 0, QStringLiteral("nom:"));
    ecrit(p, 40, 100, QStringLiteral("prénom:"));
    p.drawEllipse(QRect(QPoint(1000, 10), QPoint(1549, 209)));
    ecrit(p, 1035, 60, QStringLiteral("note:"));

    ecrit_pied(p, QStringLiteral("-2 points par erreur ou absence de réponse"), code);
    p.end();
    return feuille;
}

QPicture dessine_corrige(const SujetTest &sujet, const QString &code)
{
    QPicture corrige;
    QPainter p(&corrige);
    commence(p);
    ecrit_questions(p, sujet.questions);

    QFont gras = police_de_la_feuille(petite_police);
    gras.setBold(true);
    p.setFont(gras);
    for (int n = 1; n <= 40; ++n)
        p.drawText(place_de_la_reponse(n), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   sujet.reponses[n]);

    p.setFont(police_de_la_feuille(grande_police));
    ecrit(p, 40, 60, QStringLiteral("Corrigé"));

    ecrit_pied(p, {}, code);
    p.end();
    return corrige;
}

QRect place_sur_la_page(QSize page)
{
    const qint64 l = taille.width();
    const qint64 h = taille.height();
    qint64 largeur = 9 * l * page.height() / (10 * h);
    qint64 hauteur = 9 * h * page.height() / (10 * h);
    if (largeur > page.width()) {
        largeur = 9 * qint64(page.width()) / 10;
        hauteur = 9 * h * page.width() / (10 * l);
    }
    return QRect(int((page.width() - largeur) / 2), int((page.height() - hauteur) / 2),
                 int(largeur), int(hauteur));
}

void pose(QPainter &peintre, QSize page, const QPicture &feuille)
{
    const QRect place = place_sur_la_page(page);
    // A picture replayed on a device scales itself by the device's
    // resolution against its own; that is undone here so that one sheet
    // unit is exactly what the placement says on any device.
    const QPaintDevice &support = *peintre.device();
    const double dpi_x = double(feuille.logicalDpiX()) / support.logicalDpiX();
    const double dpi_y = double(feuille.logicalDpiY()) / support.logicalDpiY();
    peintre.save();
    peintre.translate(place.topLeft());
    peintre.scale(dpi_x * place.width() / taille.width(), dpi_y * place.height() / taille.height());
    peintre.drawPicture(0, 0, feuille);
    peintre.restore();
}

} // namespace feuille_test
