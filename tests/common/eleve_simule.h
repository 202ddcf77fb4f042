// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "banc_exercice.h"
#include "catalogue_types.h"

#include <cstdlib>
#include <functional>
#include <random>

// How a simulated pupil answers: shares of right answers and of
// miscounts; the rest are breaches of the sign rules.
struct ProfilEleve
{
    double juste = 0.8;
    double calcul = 0.1;
};

enum class Intention { Juste, Calcul, Regle };

// One answer as it was given, with the question it answered.
struct Coup
{
    int niveau = 0;
    int type = 0;
    int operande1 = 0;
    int operande2 = 0;
    int resultat = 0;
    int score_avant = 0;
    QString reponse;
    Intention intention = Intention::Juste;
};

// A pupil who plays the drill through the fake window: types on the
// keyboard (main digits, pad digits, pad minus, Delete for a slip), lets
// the cursor blink, presses OK, and fires the timers the window runs, the
// correction line's OK and the rule windows' hand-back, as the window would.
class EleveSimule
{
public:
    EleveSimule(BancExercice &banc, quint64 graine, ProfilEleve profil = {})
        : m_banc(banc), m_hasard(graine), m_profil(profil)
    {
    }

    // Called after every event handed to the drill.
    std::function<void()> apres_action;
    // Called once the answer is judged, before the drill goes on.
    std::function<void(const Coup &)> apres_jugement;

    // The last level is won: the drill shows its closing message.
    bool fini() const
    {
        return m_banc.vue.texte(QStringLiteral("Label_question"))
               == QStringLiteral("Félicitations!!!");
    }

    Coup joue()
    {
        EtatPartage &etat = m_banc.etat;
        Coup coup{etat.niveau, etat.type_question, etat.operande1, etat.operande2,
                  etat.resultat, etat.score, {}, tire_intention()};
        coup.reponse = reponse_pour(coup);

        while (m_banc.vue.tourne(QStringLiteral("Timer_panel_actif")) && tire(3) == 0)
            agit([this] { m_banc.exercice.Timer_panel_actifTimer(); });
        if (tire(10) == 0)
            agit([this] { m_banc.exercice.ButtonOKClick(); }); // refused: nothing typed
        tape(coup.reponse);
        agit([this] { m_banc.exercice.ButtonOKClick(); });
        if (apres_jugement)
            apres_jugement(coup);
        continue_apres_reponse();
        return coup;
    }

private:
    int tire(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_hasard); }

    Intention tire_intention()
    {
        const double u = std::uniform_real_distribution<double>(0.0, 1.0)(m_hasard);
        if (u < m_profil.juste)
            return Intention::Juste;
        return u < m_profil.juste + m_profil.calcul ? Intention::Calcul : Intention::Regle;
    }

    // An answer that matches the intention; a miscount the type does not
    // allow becomes a rule error.
    QString reponse_pour(Coup &coup)
    {
        const int r = coup.resultat;
        const int signe = r < 0 ? -1 : 1;
        const int m = std::max(std::abs(coup.operande1), std::abs(coup.operande2));
        if (coup.intention == Intention::Calcul) {
            if (catalogue::est_croissant(coup.type))
                return QString::number(signe * (std::abs(r) + 1 + tire(2)));
            if (catalogue::est_decroissant(coup.type)) {
                // A magnitude below the larger operand's, other than the result's.
                const int choix = m - 2;
                if (choix > 0) {
                    int k = 1 + tire(choix);
                    if (k >= std::abs(r))
                        ++k;
                    return QString::number(signe * k);
                }
            }
            coup.intention = Intention::Regle;
        }
        if (coup.intention == Intention::Regle)
            return QString::number(r == 0 ? 1 + tire(9) : (tire(4) == 0 ? 0 : -r));
        return QString::number(r);
    }

    void tape(const QString &texte)
    {
        for (int i = 0; i < texte.size(); ++i) {
            if (tire(12) == 0) { // a slip, erased at once
                agit([this] { m_banc.exercice.ButtonOKKeyUp(49 + tire(9)); });
                agit([this] { m_banc.exercice.ButtonOKKeyUp(46); });
                // Erasing one digit of a lone slip brings the cursor back.
                if (i == 0)
                    agit([this] { m_banc.exercice.Timer_panel_actifTimer(); });
            }
            const QChar c = texte[i];
            const int code = c == QLatin1Char('-') ? 109
                                                   : (tire(2) ? 48 : 96) + c.digitValue();
            agit([this, code] { m_banc.exercice.ButtonOKKeyUp(code); });
        }
    }

    void continue_apres_reponse()
    {
        VueFactice &vue = m_banc.vue;
        if (vue.tourne(QStringLiteral("timer_oui"))) {
            agit([this] { m_banc.exercice.timer_ouiTimer(); });
        } else if (vue.visible(QStringLiteral("Button10"))) {
            while (vue.tourne(QStringLiteral("timer_couleur")) && tire(2) == 0)
                agit([this] { m_banc.exercice.timer_couleurTimer(); });
            agit([this] { m_banc.exercice.Button10Click(); });
        } else if (vue.fenetres().size() > m_fenetres_vues) {
            // The window is used, then its OK or closing hands back; the
            // main window's OK does nothing meanwhile.
            agit([this] { m_banc.exercice.ButtonOKClick(); });
            agit([this] { m_banc.exercice.timer_ouiTimer(); });
        }
        m_fenetres_vues = vue.fenetres().size();
        if (vue.tourne(QStringLiteral("Timer_fin_bravo")))
            agit([this] { m_banc.exercice.Timer_fin_bravoTimer(); });
    }

    template <typename F>
    void agit(F &&f)
    {
        f();
        if (apres_action)
            apres_action();
    }

    BancExercice &m_banc;
    std::mt19937_64 m_hasard;
    ProfilEleve m_profil;
    qsizetype m_fenetres_vues = 0;
};
