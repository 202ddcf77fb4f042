#include "U_options.h"

#include "fenetre_annexe.h"

Toptions::Toptions(const ContexteFenetre &contexte) : QWidget(contexte.principale)
{
    prepare_fenetre(*this, "options", QStringLiteral("Configuration"), QSize(640, 480), Cadre::Dialogue);
}
