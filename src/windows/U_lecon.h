// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contexte_fenetre.h"
#include "repertoire_controles.h"

#include <QColor>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QTimer;
class TEffectLabel;

// The lesson window on the vocabulary of relative numbers: a number line
// from -5 to 5 and six word buttons. A word shows its definition and
// examples, braces and titles on the line, and most words start an endless
// blink or sweep driven by one of five timers. OK leaves a word, or closes
// the window from the home state.
//
// The animation keeps no state of its own apart from the pair of opposites
// to highlight next: each tick reads the present colour or visibility of a
// reference label to decide its phase.
class Tlecon : public QWidget
{
    Q_OBJECT

public:
    explicit Tlecon(const ContexteFenetre &contexte);

    // The pair of opposite numbers (1..5) the next tick of "opposé" highlights.
    int rang_oppose() const { return m_rang_oppose; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The six words, in the order of their buttons.
    enum class Mot { negatif, positif, relatif, signe, valeur_absolue, oppose };

    // Layout (U_lecon_controles.cpp).
    void cree_controles(QWidget *client);
    void cree_droite(QWidget *client);
    void cree_titres(QWidget *client);
    void cree_opposes(QWidget *client);
    void cree_explications(QWidget *client);
    void cree_boutons(QWidget *client);
    void cree_minuteries();

    // Behaviour (U_lecon.cpp).
    void FormShow();
    void initialise();
    // Every timer of the window: the five animations and any other.
    void arrete_minuteries();
    void efface_boutons();
    void montre_mot(Mot mot);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();

    // Animation (U_lecon_animation.cpp).
    void Timer_negatifTimer();
    void Timer_positifTimer();
    void Timer_signeTimer();
    void Timer_vaTimer();
    void Timer_opposeTimer();
    QColor bascule_moitie(QLabel *reference, QLabel *moitie, const char *bitmap,
                          const QColor &allumee);

    // Labels of the number line by name, whatever the case: "label" + n +
    // "a" (plus sign), "b" (positive digit), "c" (minus sign), "d"
    // (negative digit) for n = 1..5, and "label0".
    QLabel *labl(const QString &nom) const;
    QLabel *labl(int n, char partie) const;
    // The five labels of one part, n = 1..5.
    std::array<QLabel *, 5> famille(char partie) const;
    void colore(QLabel *label, const QColor &couleur);
    void colore(const std::array<QLabel *, 5> &labels, const QColor &couleur);
    static QColor couleur(const QLabel *label);
    void montre_signes_plus(bool visibles);
    void charge(QLabel *image, const char *bitmap);
    // Loads the bitmap into the image and shows both it and its title, if any.
    void montre_image(QLabel *image, const char *bitmap, QLabel *titre = nullptr);
    void ecrit_titre(const QString &titre);

    RepertoireControles<QLabel> m_labels;
    QLabel *m_label12 = nullptr;
    QLabel *m_label13 = nullptr;
    QLabel *m_label18 = nullptr;
    QLabel *m_label19 = nullptr;
    QLabel *m_label_opposes = nullptr;
    // Image1..Image6 at indexes 0..5.
    std::array<QLabel *, 6> m_images{};
    QLabel *m_fleche1 = nullptr;
    QLabel *m_fleche2 = nullptr;
    // trait1..trait8 at indexes 0..7.
    std::array<QLabel *, 8> m_traits{};
    TEffectLabel *m_effet1 = nullptr;
    TEffectLabel *m_effet2 = nullptr;
    // Button1..Button7 at indexes 0..6.
    std::array<QPushButton *, 7> m_boutons{};
    QTimer *m_timer_negatif = nullptr;
    QTimer *m_timer_positif = nullptr;
    QTimer *m_timer_signe = nullptr;
    QTimer *m_timer_va = nullptr;
    QTimer *m_timer_oppose = nullptr;

    int m_rang_oppose = 1;
};
