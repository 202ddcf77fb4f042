// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>

// The program's help, shown at its contents page in a window of its own.
class FenetreAide : public QTextBrowser
{
    Q_OBJECT

public:
    explicit FenetreAide(QWidget *principale);

    // Shows the contents page, whatever page was open before.
    void ouvre_sommaire();
};
