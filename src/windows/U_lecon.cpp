#include "U_lecon.h"

#include "fenetre_annexe.h"

Tlecon::Tlecon(const ContexteFenetre &contexte) : QWidget(contexte.principale)
{
    prepare_fenetre(*this, "lecon", QStringLiteral("Leçon sur les nombres relatifs"), QSize(638, 480), Cadre::Normal, QPoint(120, 33));
}
