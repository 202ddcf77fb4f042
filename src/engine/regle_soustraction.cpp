// SPDX-License-Identifier: GPL-3.0-or-later
// The subtraction rule window's showing, its worked examples with their
// no-repeat memory, and the explanation levels that annotate them.
#include "regle_soustraction.h"

#include "aleatoire.h"
#include "etat_partage.h"
#include "generateur.h"
#include "regle_soustraction_noms.h"
#include "vue_regle_soustraction.h"

#include <cmath>
#include <functional>
#include <optional>
#include <utility>

using namespace regle_soust;

RegleSoustraction::RegleSoustraction(EtatPartage &etat, SourceAleatoire &hasard,
                                     VueRegleSoustraction &vue)
    : m_etat(etat), m_hasard(hasard), m_vue(vue)
{
}

void RegleSoustraction::FormShow()
{
    m_etat_explications = 1;
    m_disposition_application = 0;
    m_vue.fixe_hauteur_exterieure(hauteur_explication);
    for (int k = 1; k <= 4; ++k)
        fixe_largeur(bouton(k), largeur_additions);
    m_vue.montre(Button_OK1, true);
    m_exercice_en_cours = m_etat.etat_soustraction != EtatSoustraction::Aucun;
    if (m_etat.etat_soustraction == EtatSoustraction::AdditionPosee)
        textes_exercice();
    m_nb_exemples = 0;
    deux_nouveaux_exemples();
    ajuste_positions_applications();
    affiche_application();
    montre_tout({Image1, Image3}, false);
}

void RegleSoustraction::deux_nouveaux_exemples()
{
    const bool exercice = m_etat.etat_soustraction != EtatSoustraction::Aucun;
    // Drawing the first example may advance the count: read it again.
    Exemple premier = choisir_exemple(exercice, m_nb_exemples);
    Exemple second = choisir_exemple(exercice, m_nb_exemples, premier);
    // Round half to even: 0 for u up to 0.25, so about one time in four.
    if (std::nearbyint(m_hasard.u() * 2) == 0)
        std::swap(premier, second);
    ecrit_exemple(1, premier);
    ecrit_exemple(2, second);
    affiche_explications();
    ajuste_positions_exemples();
}

// Row 1 is Label_ex_1..6 with Label_com_1..5, row 2 Label_ex_7..12 with
// Label_com_6..10. The signs between the terms are fixed labels.
void RegleSoustraction::ecrit_exemple(int rang, const Exemple &e)
{
    const int x = 6 * (rang - 1);
    const int c = 5 * (rang - 1);
    const QString a = QString::number(e.a);
    QString soustrait = QString::number(e.b);
    QString oppose = QString::number(-e.b);
    if (e.b < 0)
        soustrait = QLatin1Char('(') + soustrait + QLatin1Char(')');
    else if (e.b > 0)
        oppose = QLatin1Char('(') + oppose + QLatin1Char(')');
    m_vue.ecrit_texte(exemple(x + 1), a);
    m_vue.ecrit_texte(exemple(x + 3), soustrait);
    m_vue.ecrit_texte(exemple(x + 4), QStringLiteral(" = ") + a);
    m_vue.ecrit_texte(exemple(x + 6), oppose);

    m_vue.ecrit_texte(commentaire(c + 1), QStringLiteral("pour soustraire ") + soustrait);
    m_vue.ecrit_texte(commentaire(c + 2), QStringLiteral(" à ") + a);
    m_vue.ecrit_texte(commentaire(c + 4), QStringLiteral("j'ajoute ") + oppose);
    m_vue.ecrit_texte(commentaire(c + 5), QStringLiteral(" à ") + a);
}

Exemple RegleSoustraction::choisir_exemple(bool exercice, int n,
                                           std::optional<Exemple> autre_rangee)
{
    if (!exercice && n == 0) {
        // The opening example is counted but neither checked nor recorded.
        ++m_nb_exemples;
        return {100, m_hasard.entier(1, 9)};
    }

    int type = 0;
    std::function<Exemple()> tire;
    if (!exercice && n == 1)
        tire = [this] { return Exemple{10, -m_hasard.entier(1, 9)}; };
    else if (!exercice && n == 2)
        tire = [this] { return Exemple{-100, m_hasard.entier(1, 9)}; };
    else if (!exercice && n == 3)
        type = 34;
    else if (exercice && n % 2 == 0)
        type = m_etat.type_question;
    else
        type = m_hasard.entier(19, 34);
    if (type != 0) {
        tire = [this, type] {
            const Tirage t = ::tire_au_sort(m_hasard, type, false, 9, 9);
            return Exemple{t.operande1, t.operande2};
        };
    }

    // In the exercise, every other example is of the question's own type,
    // and never the question itself; no row repeats the other.
    const bool ecarte_question = exercice && n % 2 == 0;
    const Exemple question{m_etat.operande1, m_etat.operande2};
    const auto ecarte = [&](const Exemple &e) {
        return (ecarte_question && e == question) || e == autre_rangee;
    };
    // Past the bound, the example seen longest ago, which is counted and
    // recorded as a new one: the kinds keep alternating.
    std::optional<Exemple> repli;
    int rang_repli = 0;
    Exemple e;
    for (int i = 0; i < tirages_max; ++i) {
        e = tire();
        // The memory is asked first: the question itself is recorded too.
        if (!exemple_dejavu(e.a, e.b) && !ecarte(e))
            return e;
        const int rang = rang_en_memoire(cle(e));
        if (!ecarte(e) && (!repli || rang < rang_repli)) {
            repli = e;
            rang_repli = rang;
        }
    }
    if (!repli)
        return e;
    retiens(cle(*repli));
    return *repli;
}

QString RegleSoustraction::cle(const Exemple &e)
{
    return QString::number(e.a) + QLatin1Char(' ') + QString::number(e.b);
}

int RegleSoustraction::rang_en_memoire(const QString &cle) const
{
    const int m = std::min(m_nb_exemples, Tableau<QString, 20>::taille);
    for (int i = 1; i <= m; ++i)
        if (m_exemples_vus[i] == cle)
            return i;
    return 0;
}

void RegleSoustraction::retiens(const QString &cle)
{
    ++m_nb_exemples;
    if (m_nb_exemples <= Tableau<QString, 20>::taille) {
        m_exemples_vus[m_nb_exemples] = cle;
    } else {
        for (int i = 1; i < Tableau<QString, 20>::taille; ++i)
            m_exemples_vus[i] = m_exemples_vus[i + 1];
        m_exemples_vus[Tableau<QString, 20>::taille] = cle;
    }
}

bool RegleSoustraction::exemple_dejavu(int a, int b)
{
    const QString c = cle({a, b});
    if (rang_en_memoire(c) != 0)
        return true;
    retiens(c);
    return false;
}

void RegleSoustraction::ajuste_positions_exemples()
{
    ajuste_rangee(1);
    ajuste_rangee(2);
}

void RegleSoustraction::ajuste_rangee(int rang)
{
    const int x = 6 * (rang - 1);
    const int premiere_accolade = 2 * rang - 1;
    const Ligne ligne{exemple, x + 1, rang == 1 ? 122 : 177, cercle_exemple(premiere_accolade),
                      cercle_exemple(premiere_accolade + 1), premiere_accolade};
    aligne(ligne, 102);
    ajuste_ligne_commentaire(5 * (rang - 1) + 1, premiere_accolade, m_etat_explications == 3);
}

void RegleSoustraction::affiche_explications()
{
    const int n = m_etat_explications;
    for (const QString &forme : {Shape_reg_1, Shape_reg_2})
        m_vue.montre(forme, n >= 1);
    for (int k = 1; k <= 4; ++k)
        m_vue.montre(cercle_exemple(k), n >= 1);
    for (int k = 1; k <= 4; ++k)
        montre_accolade(k, n >= 2);
    for (int c : {1, 3, 4, 6, 8, 9})
        m_vue.montre(commentaire(c), n >= 2);
    for (int c : {2, 5, 7, 10})
        m_vue.montre(commentaire(c), n == 3);
    if (n >= 2)
        ajuste_positions_exemples();
}

void RegleSoustraction::BitBtn_explicClick()
{
    m_etat_explications = (m_etat_explications + 1) % 4;
    affiche_explications();
}

void RegleSoustraction::BitBtn_exemplesClick()
{
    deux_nouveaux_exemples();
}

void RegleSoustraction::Button_OK1Click()
{
    if (m_etat.etat_soustraction == EtatSoustraction::Aucun) {
        m_vue.ferme();
        return;
    }
    m_vue.montre(Button_OK1, false);
    m_vue.fixe_hauteur_exterieure(hauteur_exercice);
}
