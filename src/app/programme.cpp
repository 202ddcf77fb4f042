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

#include <QApplication>

Programme::Programme(std::unique_ptr<SourceAleatoire> hasard) : m_hasard(std::move(hasard))
{
    // Every window's caption bar shows the program's icon.
    QApplication::setWindowIcon(icone_programme());
    // Before any window is described to a screen reader.
    accessibilite::installe();
    accessibilite::nomme_par_propriete("TPanneau", "text");
    m_general = std::make_unique<Tgeneral>(m_etat, *m_hasard);
    const ContexteFenetre contexte{m_etat, *m_hasard, m_general->exercice(), m_general.get()};
    // Designated initialisers run in declaration order: the creation order.
    m_annexes = {
        .regle_add = new Tregle_add(contexte),
        .regle_soust = new Tregle_soust(contexte),
        .erreur_addition = new Terreur_addition(contexte),
        .a_propos = new Ta_propos(m_general.get()),
        .lecon = new Tlecon(contexte),
        .test = new Ttest(contexte),
        .options = new Toptions(contexte),
    };
    m_general->associe_fenetres(m_annexes);
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

QList<QWidget *> Programme::fenetres() const
{
    const FenetresAnnexes &a = m_annexes;
    return {m_general.get(), a.regle_add, a.regle_soust, a.erreur_addition,
            a.a_propos,      a.lecon,     a.test,        a.options};
}
