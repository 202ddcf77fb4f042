#include "U_apropos.h"

#include "fenetre_annexe.h"

Ta_propos::Ta_propos(QWidget *principale) : QWidget(principale)
{
    prepare_fenetre(*this, "a_propos", QStringLiteral("A propos de\"Tavelo\""), QSize(345, 500),
                    Cadre::SansBoutons);
}
