// SPDX-License-Identifier: GPL-3.0-or-later
#include "fleche.h"

#include "toile_nette.h"
#include "teintes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionFocusRect>

TFleche::TFleche(QWidget *parent) : QLabel(parent)
{
    setPixmap(image());
    setCursor(Qt::PointingHandCursor);
    // "Clique sur la flèche:" says which picture to click.
    setAccessibleName(QStringLiteral("flèche"));
    setFocusPolicy(Qt::StrongFocus);
}

QPixmap TFleche::image()
{
    QPixmap image = toile_nette(QSize(42, 20));
    image.fill(teintes::argent);
    QPainter peintre(&image);
    // A raised bevel: white on the top and left, grey then black on the
    // bottom and right.
    peintre.setPen(Qt::white);
    peintre.drawLine(0, 0, 40, 0);
    peintre.drawLine(0, 0, 0, 18);
    peintre.setPen(teintes::gris);
    peintre.drawLine(1, 18, 40, 18);
    peintre.drawLine(40, 1, 40, 18);
    peintre.setPen(Qt::black);
    peintre.drawLine(0, 19, 41, 19);
    peintre.drawLine(41, 0, 41, 19);

    const QPolygon fleche({{9, 8}, {22, 8}, {22, 4}, {32, 10}, {22, 16}, {22, 12}, {9, 12}});
    peintre.setPen(teintes::marron);
    peintre.setBrush(teintes::rouge);
    peintre.drawPolygon(fleche);
    return image;
}

void TFleche::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TFleche::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit clicked();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

// The focus shows as a dotted frame inside the bevel.
void TFleche::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter peintre(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &peintre, this);
}
