#include "programme.h"

#include "U_apropos.h"
#include "U_erreur_addition.h"
#include "U_general.h"
#include "U_lecon.h"
#include "U_options.h"
#include "U_regle_add.h"
#include "U_regle_soust.h"
#include "U_test.h"

Programme::Programme(std::unique_ptr<SourceAleatoire> hasard) : m_hasard(std::move(hasard))
{
    m_general = std::make_unique<Tgeneral>(m_etat, *m_hasard);
    m_regle_add = new Tregle_add(m_general.get());
    m_regle_soust = new Tregle_soust(m_general.get());
    m_erreur_addition = new Terreur_addition(m_general.get());
    m_a_propos = new Ta_propos(m_general.get());
    m_lecon = new Tlecon(m_general.get());
    m_test = new Ttest(m_general.get());
    m_options = new Toptions(m_general.get());
    m_general->associe_fenetres({m_regle_add, m_regle_soust, m_erreur_addition, m_a_propos,
                                 m_lecon, m_test, m_options});
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
    return {m_general.get(), m_regle_add, m_regle_soust, m_erreur_addition,
            m_a_propos,      m_lecon,     m_test,        m_options};
}
