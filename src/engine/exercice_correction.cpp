// SPDX-License-Identifier: GPL-3.0-or-later
// Judging an answer: right, mental-calculation error or rule error, with
// the correction line, the rule captions and the rule windows.
#include "exercice.h"

#include "catalogue_types.h"
#include "corrections.h"
#include "etat_partage.h"
#include "niveaux.h"
#include "noms_general.h"
#include "parole.h"
#include "presentation.h"
#include "vue_exercice.h"
#include "vue_outils.h"

#include <algorithm>
#include <cstdlib>

using namespace vue_outils;

void Exercice::corrige_reponse()
{
    const int type = m_etat.type_question;
    const int m = std::max(std::abs(m_etat.operande1), std::abs(m_etat.operande2));
    const QString a = m_vue.texte(general::Panel2);

    // The typing rule lets only canonical integers through, so equal texts
    // mean equal numbers.
    const bool exact = a == m_etat.texte_resultat.texte();
    bool acceptable = exact;
    if (!exact) {
        // Right sign and a magnitude on the right side of the larger
        // operand's: the rule was kept, the count went wrong.
        const int reponse = a.toInt();
        const bool bon_signe = reponse * m_etat.texte_resultat.texte().toInt() > 0;
        if (catalogue::est_croissant(type))
            acceptable = std::abs(reponse) > m && bon_signe;
        else if (catalogue::est_decroissant(type))
            acceptable = std::abs(reponse) < m && bon_signe;
    }

    if (!acceptable) {
        erreur_de_regle();
        return;
    }

    ++m_etat.reussites[type];
    if (exact) {
        ++m_etat.rang_question;
        ++m_etat.score;
        affiche_score();
        m_vue.charge_image(general::Image_oui_faux, QStringLiteral("bitmap_13"));
        m_vue.montre(general::Image_oui_faux, true);
        m_vue.intervalle_minuterie(general::timer_oui, intervalles::timer_oui);
        m_vue.demarre_minuterie(general::timer_oui);
        m_vue.annonce(parole::verdict(true));
        return;
    }

    m_etat.score = niveaux::score_apres_erreur_de_calcul(m_etat.score);
    affiche_score();
    montre_faux();
    m_vue.couleur_fond(general::Panel6, couleurs::rouge);
    for (int n = 4; n <= 6; ++n)
        m_vue.fixe_couleur_police(labl(n), couleurs::jaune);
    ligne_addition();
    affiche_legende(Legende::CalculMental);
    active_clavier(false);
    annonce_correction(Legende::CalculMental);
}

void Exercice::erreur_de_regle()
{
    const int type = m_etat.type_question;
    active_clavier(false);
    active_ok(false);
    montre_faux();

    // A beginner (judged on the score before the penalty) meets a type's
    // rule window instead of its correction line.
    const IssueErreurRegle &issue = issue_erreur_regle(type);
    if (issue.fenetre && m_etat.score < niveaux::score_confirme) {
        if (*issue.fenetre == FenetreRegle::ReglesAddition)
            m_etat.regle_choisie = issue.regle_choisie;
        if (*issue.fenetre == FenetreRegle::RegleSoustraction)
            m_etat.etat_soustraction = EtatSoustraction::AdditionPosee;
        m_fenetre_attendue = *issue.fenetre;
        // Said before the window comes, which the screen reader then reads.
        m_vue.annonce(parole::verdict(false));
        m_vue.ouvre_fenetre(*issue.fenetre);
        emit fenetre_regle_ouverte(*issue.fenetre);
    } else if (issue.ligne == Ligne::Addition) {
        m_vue.fixe_couleur_police(general::Panel6, couleurs::jaune);
        m_vue.fixe_couleur_police(labl(5), couleurs::jaune);
        ligne_addition();
        affiche_legende(issue.legende);
        annonce_correction(issue.legende);
    } else if (issue.ligne == Ligne::Soustraction) {
        ligne_soustraction();
        affiche_legende(issue.legende);
        annonce_correction(issue.legende);
    }

    m_etat.score = niveaux::score_apres_erreur_de_regle(m_etat.score);
    affiche_score();
    ++m_etat.erreurs[type];
}

void Exercice::montre_faux()
{
    m_vue.charge_image(general::Image_faux2, QStringLiteral("bitmap_5"));
    m_vue.montre(general::Image_faux2, true);
    m_vue.charge_image(general::Image_oui_faux, QStringLiteral("bitmap_14"));
    m_vue.montre(general::Image_oui_faux, true);
}

void Exercice::ligne_addition()
{
    // The question, "=", the right result; the last two labels stay empty.
    m_vue.ecrit_texte(labl(4), m_etat.texte_question);
    m_vue.ecrit_texte(labl(5), QStringLiteral("="));
    m_vue.ecrit_texte(labl(6), m_etat.texte_resultat);
    for (int n = 7; n <= 8; ++n) {
        m_vue.ecrit_texte(labl(n), QString());
        fixe_largeur(m_vue, labl(n), 0);
    }
    fixe_gauche(m_vue, labl(4), 15);
    for (int n = 5; n <= 8; ++n)
        fixe_gauche(m_vue, labl(n), bord_droit(m_vue.geometrie(labl(n - 1))) + 1);
    int largeur = 30;
    for (int n = 4; n <= 6; ++n)
        largeur += m_vue.geometrie(labl(n)).width();
    fixe_largeur(m_vue, general::Panel6, largeur);
    montre_ligne();
}

void Exercice::ligne_soustraction()
{
    // a-b = a+(-b): the subtracted term and the added opposite are the two
    // terms that blink.
    using presentation::nombre;
    const int a = m_etat.operande1;
    const int b = m_etat.operande2;
    const QString textes[] = {
        nombre(a),
        b < 0 ? QStringLiteral("-(%1)").arg(b) : QStringLiteral("-%1").arg(b),
        QStringLiteral(" = ") + nombre(a),
        // The opposite of zero is written plainly: "+0".
        b == 0 ? QStringLiteral("+0")
               : (b < 0 ? QStringLiteral("+%1").arg(-b) : QStringLiteral("+(%1)").arg(-b)),
        QStringLiteral(" = ") + nombre(a - b),
    };
    int largeur = 20;
    for (int n = 4; n <= 8; ++n) {
        m_vue.ecrit_texte(labl(n), textes[n - 4]);
        fixe_gauche(m_vue, labl(n), n == 4 ? 10 : bord_droit(m_vue.geometrie(labl(n - 1))));
        largeur += m_vue.geometrie(labl(n)).width();
    }
    fixe_largeur(m_vue, general::Panel6, largeur);
    m_vue.demarre_minuterie(general::timer_couleur);
    montre_ligne();
}

void Exercice::montre_ligne()
{
    for (const QString &nom : {general::Panel6, general::Label17, general::Button10})
        m_vue.montre(nom, true);
}

void Exercice::affiche_legende(Legende legende)
{
    const QRect panneau = m_vue.geometrie(general::Panel6);
    for (const PieceLegende &piece : pieces(legende)) {
        const QString &nom = *piece.controle;
        const int gauche = piece.gauche + (piece.gauche_depuis_panneau ? bord_droit(panneau) : 0);
        const int haut = piece.haut + (piece.haut_depuis_panneau ? panneau.top() : 0);
        m_vue.place(nom, QRect(gauche, haut, piece.largeur, piece.hauteur));
        m_vue.ecrit_texte(nom, QString::fromUtf8(piece.texte));
        m_vue.fixe_couleur_police(nom, piece.couleur);
        m_vue.taille_police(nom, taille_legende);
        if (piece.centre)
            m_vue.centre_texte(nom);
        m_vue.montre(nom, true);
        if (piece.devant)
            m_vue.met_devant(nom);
    }
}

// The line as written on screen, then the caption, less a word laid over
// the caption's own to highlight it.
void Exercice::annonce_correction(Legende legende)
{
    QString ligne;
    for (int n = 4; n <= 8; ++n)
        ligne += m_vue.texte(labl(n));
    QStringList legendes;
    for (const PieceLegende &piece : pieces(legende)) {
        if (!piece.devant)
            legendes.append(QString::fromUtf8(piece.texte));
    }
    m_vue.annonce(parole::verdict(false, ligne, legendes));
}

void Exercice::regle1Click()
{
    m_etat.regle_choisie = 1;
    m_vue.ouvre_fenetre(FenetreRegle::ReglesAddition);
}

void Exercice::regle2Click()
{
    m_etat.regle_choisie = 2;
    m_vue.ouvre_fenetre(FenetreRegle::ReglesAddition);
}

void Exercice::regle3Click()
{
    m_vue.ouvre_fenetre(FenetreRegle::RegleSoustraction);
}
