// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A picture that reacts to a click: a small grey button bearing a red arrow
// pointing right, with a hand-shaped cursor. It takes the keyboard focus,
// and the space bar or Return press it.
class TFleche : public QLabel
{
    Q_OBJECT

public:
    explicit TFleche(QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The picture, 42 x 20.
    static QPixmap image();
};
