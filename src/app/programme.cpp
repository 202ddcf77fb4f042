#include "programme.h"

#include "U_apropos.h"
#include "U_erreur_addition.h"
#include "U_lecon.h"
#include "U_options.h"
#include "U_regle_add.h"
#include "U_regle_soust.h"
#include "U_test.h"

Programme::Programme(std::unique_ptr<SourceAleatoire> hasard) : m_hasard(std::move(hasard))
{
    m_general = std::make_unique<Tgeneral>(m_etat, *m_hasard);
    // Designated initialisers run in declaration order: the creation order.
    m_annexes = {
        .regle_add = new Tregle_add(m_general.get()),
        .regle_soust = new Tregle_soust(m_general.get()),
        .erreur_addition = new Terreur_addition(m_general.get()),
        .a_propos = new Ta_propos(m_general.get()),
        .lecon = new Tlecon(m_general.get()),
        .test = new Ttest(m_general.get()),
        .options = new Toptions(m_general.get()),
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
