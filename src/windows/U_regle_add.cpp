#include "U_regle_add.h"

#include "fenetre_annexe.h"

Tregle_add::Tregle_add(const ContexteFenetre &contexte) : QWidget(contexte.principale)
{
    prepare_fenetre(*this, "regle_add", QStringLiteral("Deuxième règle d'addition "), QSize(553, 278), Cadre::Dialogue);
}
