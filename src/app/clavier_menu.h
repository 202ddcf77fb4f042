// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QMenuBar;

// The menu bar from the keyboard, as on the desktop the program was
// designed for, whatever the style: a tap of Alt or F10 selects the bar's
// first entry, the arrows move along the bar and into the menus, Return
// opens or triggers, Escape leaves and gives the keyboard back to the
// control that had it. The entries' underlined letters open them with Alt.
class ClavierMenu : public QObject
{
    Q_OBJECT

public:
    // Made a child of the bar, which must already lie in its window.
    explicit ClavierMenu(QMenuBar *barre);

    // Selects the bar's first entry, or leaves the bar when it is selected.
    void bascule();

private:
    QMenuBar *m_barre;
};
