// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tableau.h"

#include <QString>

#include <optional>

struct EtatPartage;
class SourceAleatoire;
class VueRegleSoustraction;

// An example of the subtraction rule: the subtraction a - b.
struct Exemple
{
    int a = 0;
    int b = 0;

    friend constexpr bool operator==(const Exemple &, const Exemple &) = default;
};

// The logic of the subtraction rule window, without widgets. Its upper part
// states the rule "Pour soustraire un nombre, on ajoute le nombre opposé"
// with two worked examples that the pupil renews and annotates in stages.
// Opened by a rule error (etat_soustraction AdditionPosee), its lower part
// makes the pupil apply the rule to the question answered wrongly, a - b,
// in two stages: choose the addition a + (-b) among four, then its value
// among four. etat_soustraction is the step of that exercise
// (EtatSoustraction). It writes nothing of the shared state but
// etat_soustraction; score and statistics were counted before the window
// opened.
class RegleSoustraction
{
public:
    // Redraws of one example, at most: past it, the example seen longest
    // ago is shown again rather than drawing for ever from a type whose few
    // examples are all in the memory.
    static constexpr int tirages_max = 1000;
    // The candidates of the first stage span their column: the widest
    // addition, "-19 + -19" below a score of 10, stands whole on them.
    static constexpr int largeur_additions = 80;
    static constexpr int hauteur_explication = 264;
    static constexpr int hauteur_exercice = 340;

    RegleSoustraction(EtatPartage &etat, SourceAleatoire &hasard, VueRegleSoustraction &vue);

    // Each time the window goes from hidden to shown.
    void FormShow();

    // Explanation and worked examples.
    void deux_nouveaux_exemples();
    // n is the count of examples so far; never the example on the other
    // row, when there is one.
    Exemple choisir_exemple(bool exercice, int n, std::optional<Exemple> autre_rangee = {});
    // True when the example is among those recently seen; records it
    // otherwise.
    bool exemple_dejavu(int a, int b);
    void ajuste_positions_exemples();
    void affiche_explications();
    void BitBtn_explicClick();
    void BitBtn_exemplesClick();
    void Button_OK1Click();

    // The application exercise.
    void ajuste_positions_applications();
    void affiche_application();
    void melange_boutons();
    void affiche_boutons();
    void Button_repClick(int k); // Button_rep_1Click .. Button_rep_4Click
    void corrige_soustraction(int k);
    void corrige_addition(int k);
    void Button_OK2Click();

    // What the drill tells the window while it is shown. A rule error asks
    // for the exercise: posed at once when the window shows the
    // explanation alone (a showing poses it otherwise).
    void erreur_de_regle();
    // The drill went on (its next question, a level restarted): an
    // exercise still on show is withdrawn and the window closes.
    void exercice_poursuivi();

    int etat_explications() const { return m_etat_explications; }
    int nb_exemples() const { return m_nb_exemples; }
    int disposition_application() const { return m_disposition_application; }

private:
    // A line "a - b = a + (-b)": six labels of a numbered family from their
    // first number, the circles behind the two signs and the first of its
    // two brackets (under the minus sign and the term it takes, under the
    // plus sign and the opposite).
    struct Ligne
    {
        QString (*etiquette)(int);
        int premiere;
        int haut;
        QString cercle_moins;
        QString cercle_plus;
        int accolade;
    };

    static QString cle(const Exemple &exemple); // "a b"
    // The slot of the memory that holds the key, 1 the oldest; 0 if none.
    int rang_en_memoire(const QString &cle) const;
    // Counts an example and records its key, the oldest dropped past 20.
    void retiens(const QString &cle);
    void textes_exercice();
    void aligne(const Ligne &ligne, int gauche);
    void ecrit_exemple(int rang, const Exemple &exemple);
    void ajuste_rangee(int rang);
    void ajuste_ligne_commentaire(int premier_commentaire, int accolade, bool complete);
    void montre_accolade(int k, bool visible);
    void place_accolade(int k, const QString &signe, const QString &terme);
    void montre_tout(std::initializer_list<QString> noms, bool visible);
    void montre_boutons(bool visible);
    // Hides the answer buttons whose value another shown button already
    // bears, the right one kept; true when one was hidden.
    bool cache_doublons(int juste);
    void place_grille(int gauche, int ecart);

    void deplace(const QString &controle, int gauche, int haut);
    void fixe_gauche(const QString &controle, int gauche);
    void fixe_haut(const QString &controle, int haut);
    void fixe_largeur(const QString &controle, int largeur);
    int droite(const QString &controle) const;

    EtatPartage &m_etat;
    SourceAleatoire &m_hasard;
    VueRegleSoustraction &m_vue;

    int m_etat_explications = 0;
    int m_nb_exemples = 0;
    // Keys "a b" of the last 20 examples recorded; kept from one showing to
    // the next.
    Tableau<QString, 20> m_exemples_vus;
    int m_disposition_application = 0;
    // An exercise was posed and has not ended.
    bool m_exercice_en_cours = false;
};
