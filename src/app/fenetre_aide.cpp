// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre_aide.h"

#include "ressources.h"

FenetreAide::FenetreAide(QWidget *principale) : QTextBrowser(principale)
{
    setObjectName(QStringLiteral("aide"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Aide de TAVELO"));
    setOpenExternalLinks(true);
    resize(600, 500);
}

void FenetreAide::ouvre_sommaire()
{
    setSource(page_aide());
    show();
    raise();
    activateWindow();
}
