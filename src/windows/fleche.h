#pragma once

#include <QLabel>

// A picture that reacts to a click: a small grey button bearing a red arrow
// pointing right, with a hand-shaped cursor.
class TFleche : public QLabel
{
    Q_OBJECT

public:
    explicit TFleche(QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The picture, 42 x 20.
    static QPixmap image();
};
