// SPDX-License-Identifier: GPL-3.0-or-later
// Answer entry: the keypad, the typing rule, erasing, the blinking cursor
// and the keyboard.
#include "exercice.h"

#include "etat_partage.h"
#include "noms_general.h"
#include "touches_virtuelles.h"
#include "vue_exercice.h"

#include <QStringList>

namespace {

const QString curseur = QStringLiteral("_");

// The sign and digit keys with the eraser; ButtonOK goes its own way.
const QStringList &touches_du_clavier()
{
    static const QStringList noms = [] {
        QStringList n{general::Button_, general::button_correction};
        for (int chiffre = 0; chiffre <= 9; ++chiffre)
            n << general::chiffre(chiffre);
        return n;
    }();
    return noms;
}

} // namespace

QString Exercice::cible() const
{
    return m_etat.panneau_actif;
}

void Exercice::montre_clavier(bool visible)
{
    for (const QString &nom : touches_du_clavier())
        m_vue.montre(nom, visible);
    m_vue.montre(general::ButtonOK, visible);
}

void Exercice::active_clavier(bool actif)
{
    for (const QString &nom : touches_du_clavier())
        m_vue.active(nom, actif);
}

void Exercice::active_ok(bool actif)
{
    m_ok_actif = actif;
    m_vue.active(general::ButtonOK, actif);
}

void Exercice::ecrire(QChar s)
{
    m_vue.donne_focus(general::ButtonOK);
    m_vue.arrete_minuterie(general::Timer_panel_actif);

    const QString avant = m_vue.texte(cible());
    QString texte = avant == curseur ? QString() : avant;
    const QChar c = texte.isEmpty() ? QChar() : texte.front();
    const QChar moins = QLatin1Char('-');
    const QChar zero = QLatin1Char('0');

    // Only "0", 1..99 and -1..-99 can be written: each check appends only
    // at its own length, so one key adds one character at most.
    if (texte.size() == 2 && c == moins && s != moins)
        texte += s;
    if (texte.size() == 1 && c != zero && c != moins && s == zero)
        texte += s;
    if (texte.size() == 1 && c != zero && s != zero && s != moins)
        texte += s;
    if (texte.isEmpty())
        texte = s;
    // A key the rule refuses leaves the panel as it was, unpainted.
    if (texte != avant)
        m_vue.ecrit_texte(cible(), texte);
}

void Exercice::Button_chiffreClick(QChar chiffre)
{
    ecrire(chiffre);
}

void Exercice::Button_Click()
{
    ecrire(QLatin1Char('-'));
}

void Exercice::button_correctionClick()
{
    m_vue.donne_focus(general::ButtonOK);
    QString texte = m_vue.texte(cible()).left(3);
    texte.chop(1);
    if (texte.isEmpty()) {
        texte = curseur;
        m_vue.demarre_minuterie(general::Timer_panel_actif);
    }
    m_vue.ecrit_texte(cible(), texte);
}

void Exercice::Timer_panel_actifTimer()
{
    m_vue.ecrit_texte(cible(), m_vue.texte(cible()) == curseur ? QString() : curseur);
}

void Exercice::ButtonOKClick()
{
    // A disabled button takes no click; the subtraction exercise holds the
    // drill while it runs.
    if (!m_ok_actif || m_etat.etat_soustraction != EtatSoustraction::Aucun)
        return;
    const QString reponse = m_vue.texte(cible());
    if (reponse.isEmpty() || reponse == QLatin1String("-") || reponse == curseur)
        return;
    active_ok(false);
    corrige_reponse();
}

void Exercice::ButtonOKKeyUp(int code)
{
    // The keys reach the OK button only while it holds the focus, that is
    // while it is enabled.
    if (!m_ok_actif)
        return;
    if (code >= touches::chiffre_0 && code <= touches::chiffre_0 + 9)
        Button_chiffreClick(QChar(u'0' + (code - touches::chiffre_0)));
    else if (code >= touches::pave_0 && code <= touches::pave_0 + 9)
        Button_chiffreClick(QChar(u'0' + (code - touches::pave_0)));
    else if (code == touches::suppr)
        button_correctionClick();
    else if (code == touches::pave_moins)
        Button_Click();
}

void Exercice::FormKeyUp(int code)
{
    if (code == touches::verr_num || code == touches::maj)
        m_vue.force_verrous_clavier();
}
