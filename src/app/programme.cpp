// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme.h"

#include "U_apropos.h"
#include "U_erreur_addition.h"
#include "U_lecon.h"
#include "U_options.h"
#include "U_regle_add.h"
#include "U_regle_soust.h"
#include "U_test.h"
#include "accessibilite.h"
#include "ressources.h"
#include "sans_gestionnaire.h"
#include "style_programme.h"

#include <QApplication>

namespace {

// The secondary windows' names, in the order of Annexe.
constexpr const char *noms_annexes[nombre_annexes] = {
    "regle_add", "regle_soust", "erreur_addition", "a_propos", "lecon", "test", "options"};

} // namespace

Programme::Programme(std::unique_ptr<SourceAleatoire> hasard) : m_hasard(std::move(hasard))
{
    // Before the first window is made (see style_programme.h).
    if (!qobject_cast<StyleProgramme *>(QApplication::style()))
        QApplication::setStyle(new StyleProgramme);
    // The menu bar belongs to the main window's design, under its own
    // caption bar, where the keyboard reaches it (Alt, F10): a desktop's
    // global menu must not take it out of the window.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // Every window's caption bar shows the program's icon.
    QApplication::setWindowIcon(icone_fenetres());
    // Before any window is described to a screen reader.
    accessibilite::installe();
    accessibilite::nomme_par_propriete("TPanneau", "text");
    m_general = std::make_unique<Tgeneral>(m_etat, *m_hasard);
    const ContexteFenetre contexte{m_etat, *m_hasard, m_general->exercice(), m_general.get()};
    m_annexes = FenetresAnnexes({
        [contexte] { return new Tregle_add(contexte); },
        [contexte] { return new Tregle_soust(contexte); },
        [contexte] { return new Terreur_addition(contexte); },
        [this] { return new Ta_propos(m_general.get()); },
        [contexte] { return new Tlecon(contexte); },
        [contexte] { return new Ttest(contexte); },
        [contexte] { return new Toptions(contexte); },
    });
    m_general->associe_fenetres(m_annexes);
    // The windows not made yet are looked after from their making.
    if (!SansGestionnaire::gestionnaire_present()) {
        auto *gardien = new SansGestionnaire(*m_general);
        m_annexes.a_chaque_creation([gardien](QWidget *fenetre) { gardien->suit(*fenetre); });
    }
}

Programme::~Programme() = default;

void Programme::demarre()
{
    m_general->showMaximized();
}

EtatPartage &Programme::etat()
{
    return m_etat;
}

Tgeneral &Programme::general()
{
    return *m_general;
}

QList<QWidget *> Programme::fenetres()
{
    QList<QWidget *> toutes{m_general.get()};
    for (int rang = 0; rang < nombre_annexes; ++rang)
        toutes.append(m_annexes.fenetre(Annexe(rang)));
    return toutes;
}

QWidget *Programme::fenetre(const QString &nom)
{
    if (nom.compare(m_general->objectName(), Qt::CaseInsensitive) == 0)
        return m_general.get();
    for (int rang = 0; rang < nombre_annexes; ++rang)
        if (nom.compare(QLatin1String(noms_annexes[rang]), Qt::CaseInsensitive) == 0)
            return m_annexes.fenetre(Annexe(rang));
    return nullptr;
}

QList<QWidget *> Programme::fenetres_creees() const
{
    QList<QWidget *> creees{m_general.get()};
    for (int rang = 0; rang < nombre_annexes; ++rang)
        if (QWidget *f = m_annexes.si_creee(Annexe(rang)))
            creees.append(f);
    return creees;
}
