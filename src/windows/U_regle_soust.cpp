#include "U_regle_soust.h"

#include "fenetre_annexe.h"

Tregle_soust::Tregle_soust(const ContexteFenetre &contexte) : QWidget(contexte.principale)
{
    prepare_fenetre(*this, "regle_soust", QStringLiteral("Règle de soustraction "), QSize(553, 361), Cadre::SansBoutons);
}
