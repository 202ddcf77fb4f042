// SPDX-License-Identifier: GPL-3.0-or-later
#include "jauge.h"

#include "toile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int largeur_jauge = 69;
constexpr int hauteur_jauge = 373;
const QRect zone_cache(18, 39, 36, 320);
constexpr int bas_colonne = 358;     // last row of the column
constexpr int gauche_cellule = 22;   // cells stay within the 33 columns the cover always hides
constexpr int largeur_cellule = 27;

// Top row of cell i (0 is the lowest cell).
int haut_cellule(const Graduation &g, int i)
{
    return bas_colonne - (g.pas * i + g.ecart * (i / g.par_groupe) + g.pas - 1);
}

// Middle of the gap that closes group k (0 is the lowest group), as a row.
qreal milieu_ecart(const Graduation &g, int k)
{
    const int debut = g.pas * g.par_groupe * (k + 1) + g.ecart * k;
    return bas_colonne - debut - (g.ecart - 1) / 2.0;
}

// A recessed well: a bevel lit from below, then a dark inside.
void creuse(QPainter &p, const QRectF &interieur, qreal rayon, const QColor &fond)
{
    QLinearGradient biseau(0, interieur.top() - 1, 0, interieur.bottom() + 1);
    biseau.setColorAt(0, QColor(84, 92, 108));
    biseau.setColorAt(1, QColor(252, 253, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(biseau);
    p.drawRoundedRect(interieur.adjusted(-1, -1, 1, 1), rayon + 1, rayon + 1);
    p.setBrush(fond);
    p.drawRoundedRect(interieur, rayon, rayon);
}

void dessine_boitier(QPainter &p)
{
    QLinearGradient metal(0, 0, largeur_jauge, 0);
    metal.setColorAt(0, QColor(200, 206, 216));
    metal.setColorAt(0.35, QColor(242, 244, 248));
    metal.setColorAt(1, QColor(172, 179, 192));
    p.setPen(QPen(QColor(92, 100, 118), 1));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(0.5, 0.5, largeur_jauge - 1, hauteur_jauge - 1), 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, largeur_jauge - 3, hauteur_jauge - 3), 7, 7);
}

void dessine_cellule(QPainter &p, const QRect &r, bool allumee)
{
    const QColor bord = allumee ? QColor(64, 176, 0) : QColor(0, 52, 4);
    const QColor coeur = allumee ? QColor(168, 255, 64) : QColor(12, 92, 14);
    QLinearGradient reflet(r.left(), 0, r.right() + 1, 0);
    reflet.setColorAt(0, bord);
    reflet.setColorAt(0.4, coeur);
    reflet.setColorAt(1, nuance(bord, -0.15));
    const qreal arrondi = r.height() > 6 ? 2 : 1;
    QPainterPath forme;
    forme.addRoundedRect(QRectF(r), arrondi, arrondi);
    p.fillPath(forme, reflet);
    if (r.height() > 6)
        p.fillRect(QRect(r.left() + 2, r.top(), r.width() - 4, 1), nuance(coeur, allumee ? 0.45 : 0.12));
}

void dessine_reperes(QPainter &p, const Graduation &g)
{
    p.setFont(police_grasse(10));
    const int groupes = g.cellules / g.par_groupe;
    for (int k = 0; k < groupes; ++k) {
        const qreal y = milieu_ecart(g, k);
        const QString texte = QString::number((k + 1) * g.par_groupe);
        const QRectF cadre(0, y - 8, 17, 16);
        p.setPen(QColor(255, 255, 255, 200));
        p.drawText(cadre.translated(0, 1), Qt::AlignRight | Qt::AlignVCenter, texte);
        p.setPen(QColor(30, 42, 70));
        p.drawText(cadre, Qt::AlignRight | Qt::AlignVCenter, texte);
        const int haut = qFloor(y);
        p.fillRect(QRect(54, haut, 8, qCeil(y) - haut + 1), QColor(50, 62, 90));
    }
    const int lignes_allumees = g.pas - 1 - g.separation_basse;
    for (int i = 0; i < g.cellules; ++i) {
        const qreal y = haut_cellule(g, i) + 1 + (lignes_allumees - 1) / 2.0;
        const int haut = qFloor(y);
        p.fillRect(QRect(54, haut, 4, qCeil(y) - haut + 1), QColor(120, 128, 146));
    }
}

} // namespace

QImage dessine_jauge(const Graduation &graduation, bool allumee)
{
    QImage image = toile_transparente(largeur_jauge, hauteur_jauge);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    dessine_boitier(p);
    creuse(p, QRectF(13, 4, 47, 29), 4, Qt::black);
    creuse(p, QRectF(19, 37, 33, 326), 3, QColor(14, 16, 18));
    const int lignes_allumees = graduation.pas - 1 - graduation.separation_basse;
    for (int i = 0; i < graduation.cellules; ++i)
        dessine_cellule(p, QRect(gauche_cellule, haut_cellule(graduation, i) + 1, largeur_cellule, lignes_allumees),
                        allumee);
    dessine_reperes(p, graduation);
    return image;
}

QImage dessine_cache(const Graduation &graduation)
{
    return decoupe(dessine_jauge(graduation, false), zone_cache);
}
