// SPDX-License-Identifier: GPL-3.0-or-later
#include "Annonce.h"

#include "accessibilite.h"

TAnnonce::TAnnonce(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("annonce"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
}

void TAnnonce::annonce(const QString &texte)
{
    m_texte = texte;
    accessibilite::nom_change(this);
    // A screen reader presents a notification when it comes to show: shown
    // again, the empty element says its new text.
    if (isVisible()) {
        hide();
        show();
    }
}
