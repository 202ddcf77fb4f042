// SPDX-License-Identifier: GPL-3.0-or-later
#include "droite.h"

#include "toile.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int longueur_droite = 600;
constexpr int hauteur_droite = 15;
constexpr int unite = 50;
constexpr int pas_fin = 5;

// One edge of a brace whose point is downward, with its arms at height
// `bras`: from the left end down and round into the arm, into the point,
// then up and out to the right end.
void trace_bord(QPainterPath &chemin, qreal gauche, qreal droite, qreal bouts, qreal pointe, qreal bras,
                qreal boucle, bool depuis_la_gauche)
{
    const qreal milieu = (gauche + droite) / 2;
    const qreal sens = depuis_la_gauche ? 1 : -1;
    const qreal depart = depuis_la_gauche ? gauche : droite;
    const qreal arrivee = depuis_la_gauche ? droite : gauche;
    chemin.quadTo(depart, bras, depart + sens * boucle, bras);
    chemin.lineTo(milieu - sens * boucle, bras);
    chemin.quadTo(milieu, bras, milieu, pointe);
    chemin.quadTo(milieu, bras, milieu + sens * boucle, bras);
    chemin.lineTo(arrivee - sens * boucle, bras);
    chemin.quadTo(arrivee, bras, arrivee, bouts);
}

} // namespace

QImage dessine_droite(const QColor &couleur)
{
    QImage image = toile_transparente(longueur_droite, hauteur_droite);
    QPainter p(&image);
    p.fillRect(QRect(0, 6, longueur_droite, 3), couleur);
    for (int x = 0; x <= longueur_droite; x += pas_fin) {
        if (x % unite == 0)
            p.fillRect(QRect(x - 1, 0, 3, hauteur_droite), couleur);
        else
            p.fillRect(QRect(x, 3, 1, 9), couleur);
    }
    return image;
}

QImage dessine_accolade(int largeur, int hauteur, const QColor &couleur, bool pointe_en_haut)
{
    QImage image = toile_transparente(largeur, hauteur);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (pointe_en_haut) {
        p.translate(0, hauteur);
        p.scale(1, -1);
    }
    const qreal gauche = 2.5;
    const qreal droite = largeur - 2.5;
    const qreal bouts = 1.5;
    const qreal pointe = hauteur - 1.5;
    const qreal bras = (bouts + pointe) / 2;
    const qreal epaisseur = largeur > 400 ? 3.6 : 3.2;
    const qreal boucle = hauteur * 0.6;

    // The arms are thickest halfway along and thin out to the ends and the point.
    QPainterPath accolade;
    accolade.moveTo(gauche, bouts);
    trace_bord(accolade, gauche, droite, bouts, pointe, bras - epaisseur / 2, boucle, true);
    trace_bord(accolade, gauche, droite, bouts, pointe, bras + epaisseur / 2, boucle, false);
    accolade.closeSubpath();
    p.setPen(QPen(couleur, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(couleur);
    p.drawPath(accolade);
    return image;
}
