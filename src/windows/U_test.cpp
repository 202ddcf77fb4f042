#include "U_test.h"

#include "fenetre_annexe.h"

Ttest::Ttest(const ContexteFenetre &contexte) : QWidget(contexte.principale)
{
    prepare_fenetre(*this, "test", QStringLiteral("TEST sur l'addition et la soustraction des nombres RELATIFS"), QSize(640, 480), Cadre::FermetureSeule, QPoint(1, 1));
}
