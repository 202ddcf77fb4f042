// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "disposition_general.h"
#include "noms_general.h"
#include "vue_exercice.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

// A main window without widgets: it records the state of every control,
// timer and LED cell the drill touches, found by name without regard to
// case, and refuses a name the main window does not declare. Auto-sized
// labels take 10 px per character and 55 px of height, so
// that layout formulas can be checked to the pixel.
class VueFactice : public VueExercice
{
public:
    static constexpr int pixels_par_caractere = 10;
    static constexpr int hauteur_auto = 55;

    VueFactice()
    {
        // Design geometry of the controls whose position the drill reads.
        namespace dg = disposition_general;
        const struct { const QString &nom; QRect r; } depart[] = {
            {general::Panel1, dg::Panel1},
            {general::Label_question, {dg::Label_question, QSize()}},
            {general::Label1, {dg::Label1, QSize()}},
            {general::Panel2, dg::Panel2},
            {general::Image_oui_faux, {dg::Image_oui_faux, QSize(88, 44)}},
            {general::Image_faux2, dg::Image_faux2},
            {general::Panel6, dg::Panel6},
            {general::EffectLabel9, dg::EffectLabel9},
            {general::EffectLabel10, dg::EffectLabel10},
            {general::Label17, dg::Label17},
            {general::Button10, dg::Button10},
            {general::Image1, dg::Image1},
            {general::Image2, dg::Image2},
        };
        for (const auto &d : depart)
            m_geometrie.insert(cle(d.nom), d.r);
        for (int i = 0; i < 3; ++i)
            m_geometrie.insert(cle(*general::leds[i]),
                               QRect(dg::gauches_led_creation[i], dg::haut_led,
                                     dg::largeurs_led[i], dg::hauteur_led));
        m_auto.insert(cle(general::Label_question));
        m_auto.insert(cle(general::Label1));
        for (int n = general::premier_terme; n <= general::dernier_terme; ++n)
            m_auto.insert(cle(general::terme(n)));
        ecrit_texte(general::Label1, QStringLiteral("="));
        m_police.insert(cle(general::terme(5)), couleurs::bleu);
        m_police.insert(cle(general::terme(7)), couleurs::bleu);
        m_police.insert(cle(general::Panel6), couleurs::jaune);
    }

    // Called after every text written, with the control's name as given.
    std::function<void(const QString &controle, const QString &texte)> sur_texte;

    QString texte(const QString &c) const override { return m_texte.value(cle(c)); }
    void ecrit_texte(const QString &c, const QString &t) override
    {
        m_texte.insert(cle(c), t);
        if (m_auto.contains(cle(c))) {
            QRect &r = m_geometrie[cle(c)];
            r.setSize({pixels_par_caractere * static_cast<int>(t.size()), t.isEmpty() ? 0 : hauteur_auto});
        }
        if (sur_texte)
            sur_texte(c, t);
    }

    void montre(const QString &c, bool v) override { m_visible.insert(cle(c), v); }
    bool visible(const QString &c) const { return m_visible.value(cle(c)); }
    void active(const QString &c, bool a) override { m_actif.insert(cle(c), a); }
    bool actif(const QString &c) const { return m_actif.value(cle(c)); }

    QRect geometrie(const QString &c) const override { return m_geometrie.value(cle(c)); }
    void place(const QString &c, const QRect &r) override { m_geometrie.insert(cle(c), r); }

    void couleur_fond(const QString &c, Couleur k) override { m_fond.insert(cle(c), k); }
    Couleur fond(const QString &c) const { return m_fond.value(cle(c)); }
    Couleur couleur_police(const QString &c) const override { return m_police.value(cle(c)); }
    void fixe_couleur_police(const QString &c, Couleur k) override { m_police.insert(cle(c), k); }
    void taille_police(const QString &c, int p) override { m_taille.insert(cle(c), p); }
    int taille(const QString &c) const { return m_taille.value(cle(c)); }
    void centre_texte(const QString &c) override { m_centre.insert(cle(c)); }
    bool centre(const QString &c) const { return m_centre.contains(cle(c)); }

    void donne_focus(const QString &c) override { m_focus = cle(c); }
    // The focused control, as a lower-case name.
    QString focus() const { return m_focus; }
    void met_devant(const QString &c) override { m_devant.append(cle(c)); }
    // Controls raised, in order, as lower-case names.
    const QList<QString> &devant() const { return m_devant; }

    void charge_image(const QString &c, const QString &image) override { m_image.insert(cle(c), image); }
    QString image(const QString &c) const { return m_image.value(cle(c)); }

    void demarre_minuterie(const QString &m) override { m_minuteries.insert(cle(m)); }
    void arrete_minuterie(const QString &m) override { m_minuteries.remove(cle(m)); }
    void intervalle_minuterie(const QString &m, int ms) override { m_intervalle.insert(cle(m), ms); }
    bool tourne(const QString &m) const { return m_minuteries.contains(cle(m)); }
    int intervalle(const QString &m) const { return m_intervalle.value(cle(m)); }

    void texte_led(const QString &l, const QString &t) override { m_led.insert(cle(l), t); }
    QString led(const QString &l) const { return m_led.value(cle(l)); }
    void defilement_led(const QString &l, bool d) override { m_defile.insert(cle(l), d); }
    bool defile(const QString &l) const { return m_defile.value(cle(l)); }

    // What a screen reader hears is checked on the real window.
    void nom_accessible(const QString &, const QString &) override {}
    void annonce(const QString &) override {}

    void titre_fenetre(const QString &t) override { m_titre = t; }
    QString titre() const { return m_titre; }
    void ouvre_fenetre(FenetreRegle f) override { m_fenetres.append(f); }
    // Rule windows opened, in order.
    const QList<FenetreRegle> &fenetres() const { return m_fenetres; }

    void sauve_etat_clavier() override { ++m_sauvegardes_clavier; }
    void force_verrous_clavier() override { ++m_verrous_forces; }
    int sauvegardes_clavier() const { return m_sauvegardes_clavier; }
    int verrous_forces() const { return m_verrous_forces; }

private:
    // The key of a control the main window has; any other name is a fault
    // of the drill, which stops the test at once with the name.
    static QString cle(const QString &nom)
    {
        static const QSet<QString> declares = [] {
            QSet<QString> cles;
            for (const QString &n : general::tous())
                cles.insert(n.toLower());
            return cles;
        }();
        const QString k = nom.toLower();
        if (!declares.contains(k))
            qFatal("VueFactice: no control named \"%s\" in the main window", qPrintable(nom));
        return k;
    }

    QHash<QString, QString> m_texte;
    QHash<QString, bool> m_visible;
    QHash<QString, bool> m_actif;
    QHash<QString, QRect> m_geometrie;
    QSet<QString> m_auto;
    QHash<QString, Couleur> m_fond;
    QHash<QString, Couleur> m_police;
    QHash<QString, int> m_taille;
    QSet<QString> m_centre;
    QString m_focus;
    QList<QString> m_devant;
    QHash<QString, QString> m_image;
    QSet<QString> m_minuteries;
    QHash<QString, int> m_intervalle;
    QHash<QString, QString> m_led;
    QHash<QString, bool> m_defile;
    QString m_titre;
    QList<FenetreRegle> m_fenetres;
    int m_sauvegardes_clavier = 0;
    int m_verrous_forces = 0;
};
