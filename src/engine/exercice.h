// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generateur.h"

#include <QChar>
#include <QObject>
#include <QString>

#include <optional>

struct EtatPartage;
class SourceAleatoire;
class VueExercice;
enum class Legende;
enum class FenetreRegle;

// Timer intervals of the main window, in milliseconds. The window creates
// its timers with them.
namespace intervalles {
// The right-answer pause: the window's design gives timer_oui 300 ms, and
// the drill sets 250 ms before each start, which is what the pupil waits.
// The window keeps the design value at creation, so that the timer reads
// as designed until its first start.
constexpr int timer_oui_conception = 300;
constexpr int timer_oui = 250;
constexpr int Timer_panel_actif = 500;
constexpr int timer_couleur = 1000;
constexpr int Timer_fin_bravo = 5000;
} // namespace intervalles

// The drill of the main window: levels, posing, answer entry, checking and
// correction, score display and the passage between levels. It reads and
// writes the shared state, drives the window through its view and draws
// from the program's one random source. The window forwards its events to
// the handlers below, named after control and event; the rule windows hand
// back through fenetre_regle_finie and follow the drill by its signals.
class Exercice : public QObject
{
    Q_OBJECT

public:
    // Redraws of a question that repeats one of the last 20, at most.
    static constexpr int tirages_max = 1000;

    Exercice(EtatPartage &etat, VueExercice &vue, SourceAleatoire &hasard);

    // Level start: 0 is the start step of the run (keyboard, seed,
    // defaults); 1..3 start that level and pose its first question.
    void initialise_niveau(int niveau);
    // Ends the level when the score has reached its target, else poses.
    void avant_de_poser_la_question();
    void pose_la_question();

    // Answer entry. s is "0".."9" or "-"; refused keys are ignored.
    void ecrire(QChar s);
    void Button_chiffreClick(QChar chiffre); // Button0Click .. Button9Click
    void Button_Click();
    void button_correctionClick();
    void Timer_panel_actifTimer();
    void ButtonOKClick();
    // Key releases as Windows virtual-key codes (touches_virtuelles.h):
    // digits of the main row and of the pad, Delete, the pad's minus; Num
    // Lock and Shift.
    void ButtonOKKeyUp(int code);
    void FormKeyUp(int code);

    // Judges the answer in Panel2 against the question on screen.
    void corrige_reponse();
    // Menu "Règle 1", "Règle 2", "Règle 3".
    void regle1Click();
    void regle2Click();
    void regle3Click();

    // Score display and the continuation after an answer.
    void affiche_score();
    void timer_ouiTimer();
    void Button10Click();
    void timer_couleurTimer();
    void Timer_fin_bravoTimer();

    // The question generator with the program's random source, for the
    // windows that draw questions of their own.
    Tirage tire_au_sort(int type_question, bool avec_retenues, int max_avec_calcul,
                        int max_sans_calcul);

    // False from the moment an answer is handed to checking until the next
    // question: the rules window continues the drill when it closes then.
    bool ok_actif() const { return m_ok_actif; }
    // A rule window is done with (closed, or its exercise ended). The drill
    // goes on only when a rule error opened that very window and waits for
    // it: a window opened from the menu, while typing, during a correction
    // line, the right-answer pause or another rule window's wait, must not
    // pose a question of its own.
    void fenetre_regle_finie(FenetreRegle fenetre);

    // Name of the correction line's label n ("Label4".."Label8").
    static QString labl(int n);

signals:
    // A rule error opened this rule window, already shown, and the drill
    // waits for its end. A window that was shown before learns here that
    // it now serves the error.
    void fenetre_regle_ouverte(FenetreRegle fenetre);
    // The drill waits for no rule window any more: it goes on to its next
    // question or starts a level. A rule window still busy with an earlier
    // error has nothing left to do.
    void exercice_poursuivi();

private:
    // Ends the wait for a rule window and says so.
    void cesse_d_attendre();
    void montre_clavier(bool visible);
    void active_clavier(bool actif);
    void active_ok(bool actif);
    void tire_question_nouvelle();
    void pousse_dans_historique(const QString &texte);
    void met_en_page_question();

    void ligne_addition();
    void ligne_soustraction();
    void montre_ligne();
    void montre_faux();
    void affiche_legende(Legende legende);
    // Tells assistive technology the wrong answer and its correction.
    void annonce_correction(Legende legende);
    void erreur_de_regle();

    QString cible() const;

    EtatPartage &m_etat;
    VueExercice &m_vue;
    SourceAleatoire &m_hasard;
    bool m_ok_actif = false;
    // The rule window a rule error opened, until the drill goes on.
    std::optional<FenetreRegle> m_fenetre_attendue;
};
