#include "U_options.h"

#include "fenetre_annexe.h"

Toptions::Toptions(QWidget *principale) : QWidget(principale)
{
    prepare_fenetre(*this, "options", QStringLiteral("Configuration"), QSize(640, 480), Cadre::Dialogue);
}
