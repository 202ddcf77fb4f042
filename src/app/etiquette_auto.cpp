// SPDX-License-Identifier: GPL-3.0-or-later
#include "etiquette_auto.h"

#include <QEvent>

EtiquetteAuto::EtiquetteAuto(QWidget *parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
}

void EtiquetteAuto::ecrit(const QString &texte)
{
    setText(texte);
    adjustSize();
}

void EtiquetteAuto::montre_image(const QPixmap &image)
{
    setPixmap(image);
    adjustSize();
}

void EtiquetteAuto::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustSize();
}
