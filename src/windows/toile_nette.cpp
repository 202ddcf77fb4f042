// SPDX-License-Identifier: GPL-3.0-or-later
#include "toile_nette.h"

#include <QGuiApplication>

#include <cmath>

QPixmap toile_nette(QSize taille)
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap toile(int(std::ceil(taille.width() * ratio)), int(std::ceil(taille.height() * ratio)));
    toile.setDevicePixelRatio(ratio);
    return toile;
}
