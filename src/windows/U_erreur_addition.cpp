#include "U_erreur_addition.h"

#include "fenetre_annexe.h"

Terreur_addition::Terreur_addition(const ContexteFenetre &contexte) : QWidget(contexte.principale)
{
    prepare_fenetre(*this, "erreur_addition", QStringLiteral("ERREUR D'ADDITION!!!"), QSize(551, 283), Cadre::SansBoutons);
}
