// SPDX-License-Identifier: GPL-3.0-or-later
#include "marsCap_disposition.h"

#include <cstdlib>

namespace {

bool est_outil(StyleBordure style)
{
    return style == StyleBordure::Outil || style == StyleBordure::OutilRedimensionnable;
}

int epaisseur_cadre(StyleBordure style, bool minimisee)
{
    if (style == StyleBordure::Aucune)
        return 0;
    if (minimisee)
        return metriques::cadre_fixe;
    if (style == StyleBordure::Redimensionnable || style == StyleBordure::OutilRedimensionnable)
        return metriques::cadre_redimensionnable;
    return metriques::cadre_fixe;
}

int hauteur_barre(StyleBordure style)
{
    if (style == StyleBordure::Aucune)
        return 0;
    return (est_outil(style) ? metriques::hauteur_petite_legende : metriques::hauteur_legende) - 1;
}

// Which buttons the bar shows, and which of those act.
void choisit_boutons(DispositionBarre &d, StyleBordure style, IconesBordure icones)
{
    if (style == StyleBordure::Aucune || !icones.testFlag(IconeBordure::MenuSysteme))
        return;
    d.montre[indice(GenreBouton::Fermer)] = true;
    d.actif[indice(GenreBouton::Fermer)] = true;
    if (est_outil(style))
        return;
    if (style == StyleBordure::Dialogue) {
        icones &= ~(IconesBordure(IconeBordure::Reduire) | IconeBordure::Agrandir);
    } else {
        icones &= ~IconesBordure(IconeBordure::Aide);
    }
    const bool min_max = icones & (IconesBordure(IconeBordure::Reduire) | IconeBordure::Agrandir);
    const struct
    {
        GenreBouton genre;
        IconeBordure icone;
        bool montre;
    } autres[] = {{GenreBouton::Reduire, IconeBordure::Reduire, min_max},
                  {GenreBouton::Agrandir, IconeBordure::Agrandir, min_max},
                  {GenreBouton::Aide, IconeBordure::Aide, icones.testFlag(IconeBordure::Aide)}};
    for (const auto &b : autres) {
        d.montre[indice(b.genre)] = b.montre;
        d.actif[indice(b.genre)] = icones.testFlag(b.icone);
    }
}

QRect de_bords(int gauche, int haut, int droite, int bas)
{
    return QRect(gauche, haut, droite - gauche, bas - haut);
}

} // namespace

int muldiv(int a, int b, int c)
{
    const qint64 produit = qint64(a) * b;
    const qint64 quotient = (std::llabs(produit) + std::llabs(c) / 2) / std::llabs(c);
    return int((produit < 0) != (c < 0) ? -quotient : quotient);
}

DispositionBarre dispose_barre(int largeur, StyleBordure style, IconesBordure icones,
                               bool minimisee)
{
    DispositionBarre d;
    d.cadre = epaisseur_cadre(style, minimisee);
    d.hauteur = hauteur_barre(style);
    const int f = d.cadre;
    d.barre = de_bords(f, f, largeur - f, f + d.hauteur);
    choisit_boutons(d, style, icones);

    const int gauche = d.barre.left();
    const int droite = gauche + d.barre.width();
    const int haut = d.barre.top();
    const int bas = haut + d.barre.height();
    const bool menu = d.bouton_montre(GenreBouton::Fermer);

    const bool avec_icone = menu
                            && (style == StyleBordure::Simple
                                || style == StyleBordure::Redimensionnable);
    d.icone = de_bords(gauche, haut, avec_icone ? gauche + metriques::largeur_bouton : gauche, bas);

    const int l = metriques::largeur_bouton - 2;
    int largeur_boutons = 0;
    if (menu && est_outil(style))
        largeur_boutons = metriques::largeur_petit_bouton;
    else if (menu)
        largeur_boutons = (1 + (d.bouton_montre(GenreBouton::Agrandir) ? 2 : 0)
                           + (d.bouton_montre(GenreBouton::Aide) ? 1 : 0))
                          * l;
    d.boutons = menu ? de_bords(droite - largeur_boutons - 2, haut + 2, droite, bas - 2)
                     : de_bords(droite, haut + 2, droite, bas - 2);
    d.texte = de_bords(d.icone.left() + d.icone.width() + 2, haut + 2, d.boutons.left() - 2,
                       bas - 2);

    if (!menu)
        return d;
    const QRect &b = d.boutons;
    if (est_outil(style)) {
        d.rect_bouton[indice(GenreBouton::Fermer)] = QRect(b.left() + 2, b.top(), b.width() - 4,
                                                           b.height());
        return d;
    }
    const int h = metriques::hauteur_bouton - 4;
    const QRect fermer(b.left() + b.width() - metriques::largeur_bouton, b.top(), l, h);
    const QRect agrandir = fermer.translated(-2 - l, 0);
    const QRect reduire = agrandir.translated(-l, 0);
    d.rect_bouton[indice(GenreBouton::Fermer)] = fermer;
    d.rect_bouton[indice(GenreBouton::Agrandir)] = agrandir;
    d.rect_bouton[indice(GenreBouton::Reduire)] = reduire;
    d.rect_bouton[indice(GenreBouton::Aide)] =
        d.bouton_montre(GenreBouton::Agrandir) ? reduire.translated(-l, 0) : agrandir;
    return d;
}

QList<Bande> bandes_degrade(const QRect &barre, const QColor &debut, const QColor &fin, int n)
{
    QList<Bande> bandes;
    if (n < 1)
        return bandes;
    bandes.reserve(n);
    auto composante = [n](int i, int de, int a) {
        return n == 1 ? de : de + muldiv(i, a - de, n - 1);
    };
    for (int i = 0; i < n; ++i) {
        const int x0 = barre.left() + muldiv(i, barre.width(), n);
        const int x1 = barre.left() + muldiv(i + 1, barre.width(), n);
        bandes.append({QRect(x0, barre.top(), x1 - x0, barre.height()),
                       QColor(composante(i, debut.red(), fin.red()),
                              composante(i, debut.green(), fin.green()),
                              composante(i, debut.blue(), fin.blue()))});
    }
    return bandes;
}

EtatsMenuSysteme etats_menu_systeme(Qt::WindowStates etat, bool reduire_possible,
                                    bool agrandir_possible)
{
    EtatsMenuSysteme e;
    const bool agrandie = etat.testFlag(Qt::WindowMaximized);
    const bool reduite = etat.testFlag(Qt::WindowMinimized);
    if (agrandie || reduite) {
        e.restaurer_par_defaut = true;
        e.deplacer = false;
        e.taille = false;
        if (reduite)
            e.reduire = false;
        else
            e.agrandir = false;
    } else {
        e.restaurer = false;
    }
    e.agrandir = e.agrandir && agrandir_possible;
    e.reduire = e.reduire && reduire_possible;
    return e;
}
