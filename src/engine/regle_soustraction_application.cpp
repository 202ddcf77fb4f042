// SPDX-License-Identifier: GPL-3.0-or-later
// The application exercise of the subtraction rule window: the pupil turns
// the question answered wrongly, a - b, into a + (-b) among four additions,
// then finds its value among four numbers. Each choice is judged in place;
// a wrong one is crossed out and the stage posed again with a growing hint.
#include "regle_soustraction.h"

#include "aleatoire.h"
#include "etat_partage.h"
#include "regle_soustraction_noms.h"
#include "vue_regle_soustraction.h"

#include <QSet>

using namespace regle_soust;

namespace {

QString nombre(int n)
{
    return QString::number(n);
}

QString addition(int a, int b)
{
    return nombre(a) + QStringLiteral(" + ") + nombre(b);
}

// Button_rep_3 bears the right addition, Button_rep_2 the right value.
constexpr int addition_juste = 3;
constexpr int valeur_juste = 2;

} // namespace

void RegleSoustraction::textes_exercice()
{
    const int a = m_etat.operande1;
    const int b = m_etat.operande2;
    m_vue.ecrit_texte(app(1), nombre(a));
    m_vue.ecrit_texte(app(3), nombre(b));
    m_vue.ecrit_texte(app(4), QStringLiteral(" = "));
    m_vue.ecrit_texte(bouton(1), addition(a, b));
    m_vue.ecrit_texte(bouton(2), addition(-a, b));
    m_vue.ecrit_texte(bouton(3), addition(a, -b));
    m_vue.ecrit_texte(bouton(4), addition(-a, -b));
    m_vue.ecrit_texte(commentaire(11), QStringLiteral("pour soustraire ") + nombre(b));
    m_vue.ecrit_texte(commentaire(12), QStringLiteral(" à ") + nombre(a));
    m_vue.ecrit_texte(commentaire(14), QStringLiteral(" j'ajoute ") + nombre(-b));
    m_vue.ecrit_texte(commentaire(15), QStringLiteral(" à ") + nombre(a));
}

void RegleSoustraction::ajuste_positions_applications()
{
    aligne(Ligne{app, 1, 253, Shape_app_1, Shape_app_2, 5}, 182);
    fixe_gauche(app(7), droite(app(6)));
    fixe_gauche(app(8), droite(app(7)));

    const QRect egal = m_vue.geometrie(app(4));
    const QRect second = m_vue.geometrie(app(6));
    fixe_gauche(Image3, egal.x() + (egal.width() + 21 - m_vue.geometrie(Image3).width()) / 2);
    fixe_gauche(Image1, second.x() + (second.width() - m_vue.geometrie(Image1).width()) / 2);
    fixe_gauche(Label_faux, droite(Image1) + 10);

    place_grille(droite(app(3)) + 30, largeur_additions);
    const QRect r3 = m_vue.geometrie(bouton(3));
    deplace(Label1, r3.x() + 88, r3.y() + 8);

    ajuste_ligne_commentaire(11, 5, m_disposition_application == 3);
}

// Buttons 1 and 2 in the left column, 3 and 4 in the right one; 1 and 3 on
// the upper row, just above the line of terms.
void RegleSoustraction::place_grille(int gauche, int ecart)
{
    const int t = m_vue.geometrie(app(4)).y();
    deplace(bouton(1), gauche, t - 12);
    deplace(bouton(2), gauche, t + 14);
    deplace(bouton(3), gauche + ecart, t - 12);
    deplace(bouton(4), gauche + ecart, t + 14);
}

void RegleSoustraction::montre_tout(std::initializer_list<QString> noms, bool visible)
{
    for (const QString &n : noms)
        m_vue.montre(n, visible);
}

void RegleSoustraction::montre_boutons(bool visible)
{
    for (int k = 1; k <= 4; ++k)
        m_vue.montre(bouton(k), visible);
    m_vue.montre(Label1, visible);
}

void RegleSoustraction::affiche_application()
{
    const auto montre_app = [this](int de, int a, bool visible) {
        for (int n = de; n <= a; ++n)
            m_vue.montre(app(n), visible);
    };
    const auto montre_coms = [this](std::initializer_list<int> ns, bool visible) {
        for (int n : ns)
            m_vue.montre(commentaire(n), visible);
    };

    switch (m_etat.etat_soustraction) {
    case EtatSoustraction::Aucun:
        montre_tout({Label14, Shape_app_1, Shape_app_2, Button_OK2}, false);
        montre_app(1, 8, false);
        montre_accolade(5, false);
        montre_accolade(6, false);
        montre_coms({11, 12, 13, 14, 15}, false);
        montre_boutons(false);
        break;
    case EtatSoustraction::AdditionPosee:
        montre_tout({Label14}, true);
        montre_app(1, 4, true);
        montre_app(5, 8, false);
        montre_tout({Label_faux, Shape_app_1, Shape_app_2, Button_OK2}, false);
        montre_accolade(5, false);
        montre_accolade(6, false);
        montre_coms({11, 12, 13, 14, 15}, false);
        // Shuffled even when a candidate is hidden: this is the first try.
        melange_boutons();
        montre_boutons(true);
        cache_doublons(addition_juste);
        break;
    case EtatSoustraction::AdditionFausse:
        m_disposition_application = 2;
        montre_app(1, 4, true);
        m_vue.ecrit_texte(app(4), QStringLiteral(" = "));
        montre_app(5, 6, false);
        montre_tout({Label_faux, Button_OK2, Image1, Image3}, false);
        montre_accolade(6, false);
        montre_tout({Shape_app_1}, true);
        montre_accolade(5, true);
        montre_coms({11, 13}, true);
        affiche_boutons();
        m_etat.etat_soustraction = EtatSoustraction::AdditionAvecIndice;
        break;
    case EtatSoustraction::AdditionAvecIndice:
        montre_tout({Label14, Shape_app_1, Shape_app_2, Button_OK2}, true);
        montre_app(1, 6, true);
        montre_app(7, 8, false);
        montre_tout({Label_faux, Image1, Image3}, false);
        montre_accolade(5, false);
        montre_accolade(6, false);
        montre_coms({11, 12, 13, 14, 15}, false);
        affiche_boutons();
        break;
    case EtatSoustraction::AdditionEncoreFausse:
        montre_tout({Label14}, true);
        montre_app(1, 4, true);
        m_vue.ecrit_texte(app(4), QStringLiteral(" = "));
        montre_app(5, 8, false);
        montre_tout({Label_faux, Shape_app_2, Button_OK2, Image1, Image3}, false);
        montre_accolade(6, false);
        montre_tout({Shape_app_1}, true);
        montre_accolade(5, true);
        affiche_boutons();
        // The layout puts the candidates back on their fixed places.
        m_disposition_application = 3;
        ajuste_positions_applications();
        montre_coms({11, 12, 13}, true);
        montre_coms({14, 15}, false);
        break;
    default:
        break;
    }
}

// Exchanges places only: each button keeps its caption and its handler.
void RegleSoustraction::melange_boutons()
{
    for (int i = 4; i >= 2; --i) {
        const int j = m_hasard.entier(1, i);
        const QRect ri = m_vue.geometrie(bouton(i));
        const QRect rj = m_vue.geometrie(bouton(j));
        deplace(bouton(i), rj.x(), rj.y());
        deplace(bouton(j), ri.x(), ri.y());
    }
}

// With a zero among the terms, or opposite or equal terms, two candidates
// can bear the same value; only one of them is shown, the right one first,
// and the buttons stay on their fixed places.
void RegleSoustraction::affiche_boutons()
{
    const int juste = seconde_etape(m_etat.etat_soustraction) ? valeur_juste : addition_juste;
    montre_boutons(true);
    if (!cache_doublons(juste))
        melange_boutons();
}

bool RegleSoustraction::cache_doublons(int juste)
{
    QSet<QString> valeurs{m_vue.texte(bouton(juste))};
    bool cache = false;
    for (int k = 1; k <= 4; ++k) {
        if (k == juste)
            continue;
        const QString valeur = m_vue.texte(bouton(k));
        const bool doublon = valeurs.contains(valeur);
        m_vue.montre(bouton(k), !doublon);
        valeurs.insert(valeur);
        cache = cache || doublon;
    }
    return cache;
}

void RegleSoustraction::Button_repClick(int k)
{
    if (seconde_etape(m_etat.etat_soustraction))
        corrige_addition(k);
    else
        corrige_soustraction(k);
}

// A cross stands on every term of the chosen addition that breaks the rule:
// the first term when its sign was changed, the second when it was not.
void RegleSoustraction::corrige_soustraction(int k)
{
    // A candidate that reads as the right addition is the right addition.
    if (m_vue.texte(bouton(k)) == m_vue.texte(bouton(addition_juste)))
        k = addition_juste;
    const int a = m_etat.operande1;
    const int b = m_etat.operande2;
    const bool premier_change = k == 2 || k == 4;
    const bool second_change = k == 3 || k == 4;
    m_vue.ecrit_texte(app(4), QStringLiteral(" = ") + nombre(premier_change ? -a : a));
    m_vue.ecrit_texte(app(6), nombre(second_change ? -b : b));
    m_vue.ecrit_texte(Label_faux,
                      k == addition_juste ? QStringLiteral("EXACT!") : QStringLiteral("FAUX!"));
    m_vue.montre(Label_faux, true);
    m_vue.montre(Image3, premier_change);
    m_vue.montre(Image1, !second_change);

    // Every answer of this stage annotates the examples further.
    if (m_etat_explications == 2)
        m_etat_explications = 3;
    if (m_etat_explications < 2)
        m_etat_explications = 2;
    affiche_explications();

    EtatSoustraction &etat = m_etat.etat_soustraction;
    if (k != addition_juste) {
        if (etat == EtatSoustraction::AdditionPosee)
            etat = EtatSoustraction::AdditionFausse;
        else if (etat == EtatSoustraction::AdditionAvecIndice)
            etat = EtatSoustraction::AdditionEncoreFausse;
    } else {
        // The hint shown is completed with the addition's side.
        if (m_vue.est_montre(commentaire(11))) {
            m_vue.montre(commentaire(14), true);
            montre_accolade(6, true);
            m_vue.montre(Shape_app_2, true);
        }
        if (m_vue.est_montre(commentaire(12)))
            m_vue.montre(commentaire(15), true);
        etat = EtatSoustraction::AdditionJuste;
    }

    ajuste_positions_applications();
    fixe_gauche(Button_OK2, m_vue.geometrie(Label_faux).x() + 90);
    for (int n : {4, 5, 6})
        m_vue.montre(app(n), true);
    m_vue.montre(Button_OK2, true);
    montre_boutons(false);
}

void RegleSoustraction::corrige_addition(int k)
{
    const QString choix = m_vue.texte(bouton(k));
    m_vue.ecrit_texte(app(8), choix);
    if (choix == m_vue.texte(bouton(valeur_juste))) {
        m_vue.ecrit_texte(Label_faux, QStringLiteral("EXACT!"));
        m_etat.etat_soustraction = EtatSoustraction::ValeurJuste;
    } else {
        const QRect valeur = m_vue.geometrie(app(8));
        fixe_gauche(Image1, valeur.x() + (valeur.width() - m_vue.geometrie(Image1).width()) / 2);
        m_vue.montre(Image1, true);
        m_vue.ecrit_texte(Label_faux, QStringLiteral("FAUX!"));
        m_etat.etat_soustraction = EtatSoustraction::ValeurFausse;
    }
    fixe_gauche(Label_faux, droite(app(8)) + 10);
    fixe_gauche(Button_OK2, droite(Label_faux) + 10);
    m_vue.montre(app(8), true);
    montre_tout({Label_faux, Button_OK2}, true);
    montre_boutons(false);
}

void RegleSoustraction::Button_OK2Click()
{
    const int a = m_etat.operande1;
    const int b = m_etat.operande2;
    switch (m_etat.etat_soustraction) {
    case EtatSoustraction::AdditionFausse:
    case EtatSoustraction::AdditionAvecIndice:
    case EtatSoustraction::AdditionEncoreFausse:
        affiche_application();
        break;
    case EtatSoustraction::AdditionJuste:
    case EtatSoustraction::ValeurFausse:
        fixe_gauche(app(7), droite(app(6)));
        fixe_gauche(app(8), droite(app(7)));
        m_vue.ecrit_texte(bouton(1), nombre(a + b));
        m_vue.ecrit_texte(bouton(2), nombre(a - b));
        m_vue.ecrit_texte(bouton(3), nombre(b - a));
        m_vue.ecrit_texte(bouton(4), nombre(-a - b));
        for (int k = 1; k <= 4; ++k)
            fixe_largeur(bouton(k), 40);
        // Label_app_8, hidden, still holds the value chosen last.
        place_grille(droite(app(8)) + 20, 50);
        fixe_gauche(Label1, m_vue.geometrie(bouton(3)).x() + 50);
        montre_tout({Label_faux, Button_OK2}, false);
        m_vue.montre(app(7), true);
        montre_tout({app(8), Image1}, false);
        affiche_boutons();
        break;
    case EtatSoustraction::ValeurJuste:
        m_exercice_en_cours = false;
        m_vue.reprend_exercice();
        m_vue.ferme();
        break;
    default:
        break;
    }
}

void RegleSoustraction::erreur_de_regle()
{
    // Showing a window already shown does not show it again.
    if (!m_exercice_en_cours && m_etat.etat_soustraction == EtatSoustraction::AdditionPosee)
        FormShow();
}

void RegleSoustraction::exercice_poursuivi()
{
    if (!m_exercice_en_cours)
        return;
    m_exercice_en_cours = false;
    m_vue.ferme();
}
