// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

// Counts the paint events a widget receives and the region they cover.
struct Peintures : QObject
{
    int nombre = 0;
    QRegion zone;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            ++nombre;
            zone += static_cast<QPaintEvent *>(e)->region();
        }
        return false;
    }
};
