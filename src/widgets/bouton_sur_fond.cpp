// SPDX-License-Identifier: GPL-3.0-or-later
#include "bouton_sur_fond.h"

#include "Gradient.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

BoutonSurFond::BoutonSurFond(const QString &texte, TGradient &fond, QWidget *parent)
    : QPushButton(texte, parent), m_fond(fond)
{
}

// Said opaque once the style has polished the button: styles take the
// attribute off the widgets they polish.
bool BoutonSurFond::event(QEvent *event)
{
    const bool traite = QPushButton::event(event);
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_OpaquePaintEvent);
    return traite;
}

// The gradient first, then the button as the style draws it, with one
// painter.
void BoutonSurFond::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    m_fond.peint_sous(painter, *this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}
