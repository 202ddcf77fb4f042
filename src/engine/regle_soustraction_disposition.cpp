// SPDX-License-Identifier: GPL-3.0-or-later
// Where the subtraction rule window puts its lines of terms, the circles
// and brackets that mark the signs and the terms they take, and the comment
// line under the brackets. The example rows and the exercise line are laid
// out the same way.
#include "regle_soustraction.h"

#include "regle_soustraction_noms.h"
#include "vue_regle_soustraction.h"

#include <algorithm>

using namespace regle_soust;

// Labels: first term, minus, subtracted term, " = " and the first term,
// plus, opposite. The equals label follows the subtracted term with no gap
// of its own, since its text begins with a blank.
void RegleSoustraction::aligne(const Ligne &ligne, int gauche)
{
    const auto etiquette = [&ligne](int i) { return ligne.etiquette(ligne.premiere + i); };
    deplace(etiquette(0), gauche, ligne.haut);
    for (int i = 1; i < 6; ++i) {
        const int ecart = i == 3 ? 0 : 7;
        deplace(etiquette(i), droite(etiquette(i - 1)) + ecart, ligne.haut);
    }
    const QRect moins = m_vue.geometrie(etiquette(1));
    const QRect plus = m_vue.geometrie(etiquette(4));
    deplace(ligne.cercle_moins, moins.x() - 5, moins.y() + 2);
    deplace(ligne.cercle_plus, plus.x() - 3, plus.y());
    place_accolade(ligne.accolade, etiquette(1), etiquette(2));
    place_accolade(ligne.accolade + 1, etiquette(4), etiquette(5));
}

// Bracket k: its ticks and its bar, from under the sign to under the term's
// last column.
void RegleSoustraction::place_accolade(int k, const QString &signe, const QString &terme)
{
    const QRect s = m_vue.geometrie(signe);
    const QRect t = m_vue.geometrie(terme);
    const QString g = tiret_gauche(k);
    const QString d = tiret_droit(k);
    deplace(g, s.x() - 3, s.y() + 21);
    deplace(d, droite(terme) + 1, t.y() + 21);
    const int gauche = m_vue.geometrie(g).x();
    QRect r = m_vue.geometrie(barre(k));
    r.moveTo(gauche, s.y() + 25);
    r.setWidth(m_vue.geometrie(d).x() - gauche + 2);
    m_vue.place(barre(k), r);
}

void RegleSoustraction::montre_accolade(int k, bool visible)
{
    for (const QString &morceau : {tiret_gauche(k), tiret_droit(k), barre(k)})
        m_vue.montre(morceau, visible);
}

// Comments c .. c+4: "pour soustraire b", " à a", the dots, "j'ajoute -b",
// " à a". The first comment ends where the first bracket ends; once the
// " à a" comments are shown (complete), it is the first " à a" that ends
// there, with "pour soustraire b" just before it.
void RegleSoustraction::ajuste_ligne_commentaire(int c, int accolade, bool complete)
{
    const QRect barre_moins = m_vue.geometrie(barre(accolade));
    const QRect barre_plus = m_vue.geometrie(barre(accolade + 1));
    const int haut = barre_moins.y() + 3;
    const int fin_barre = barre_moins.x() + barre_moins.width() + 1;
    const QString pour = commentaire(c);
    const QString a = commentaire(c + 1);
    const QString points = commentaire(c + 2);
    const QString ajoute = commentaire(c + 3);
    const QString a_bis = commentaire(c + 4);
    for (const QString &n : {pour, a, points, ajoute, a_bis})
        fixe_haut(n, haut);

    fixe_gauche(ajoute, barre_plus.x());
    QString avant_points = pour;
    int marge = 0;
    if (complete) {
        fixe_gauche(a, fin_barre - m_vue.geometrie(a).width());
        fixe_gauche(pour, m_vue.geometrie(a).x() - m_vue.geometrie(pour).width() + 1);
        fixe_gauche(a_bis, droite(ajoute) + 1);
        avant_points = a;
        marge = 2;
    } else {
        fixe_gauche(pour, fin_barre - m_vue.geometrie(pour).width());
    }
    fixe_gauche(points, droite(avant_points) + marge);
    fixe_largeur(points, std::max(0, barre_plus.x() - droite(avant_points) - 2 - marge));
}

void RegleSoustraction::deplace(const QString &controle, int gauche, int haut)
{
    QRect r = m_vue.geometrie(controle);
    r.moveTo(gauche, haut);
    m_vue.place(controle, r);
}

void RegleSoustraction::fixe_gauche(const QString &controle, int gauche)
{
    QRect r = m_vue.geometrie(controle);
    r.moveLeft(gauche);
    m_vue.place(controle, r);
}

void RegleSoustraction::fixe_haut(const QString &controle, int haut)
{
    QRect r = m_vue.geometrie(controle);
    r.moveTop(haut);
    m_vue.place(controle, r);
}

void RegleSoustraction::fixe_largeur(const QString &controle, int largeur)
{
    QRect r = m_vue.geometrie(controle);
    r.setWidth(largeur);
    m_vue.place(controle, r);
}

// The first column right of the control: left + width.
int RegleSoustraction::droite(const QString &controle) const
{
    const QRect r = m_vue.geometrie(controle);
    return r.x() + r.width();
}
