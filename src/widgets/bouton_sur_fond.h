// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

class TGradient;

// A push button lying on a gradient, which it paints under its own rounded
// corners itself: Qt then need not repaint the gradient beneath it, and a
// press repaints the button alone. It adds no signal nor property, and no
// meta-object: its class stays QPushButton, the kind the window's design
// gives its keys, for the views and the tools that read it.
class BoutonSurFond : public QPushButton
{
public:
    BoutonSurFond(const QString &texte, TGradient &fond, QWidget *parent);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    TGradient &m_fond;
};
