// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A shape of the rule windows: a rounded rectangle filled with a brush and
// outlined with a one-pixel pen. It draws over what lies beneath it; in
// inverting mode fill and outline are combined with it as pen AND NOT
// screen, so that a white fill shows the covered pixels in inverse colours
// and a black outline stays black.
class TForme : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor brosse READ brosse)
    Q_PROPERTY(QColor stylo READ stylo)
    Q_PROPERTY(bool inverse READ inverse)

public:
    TForme(QWidget *parent, const QColor &brosse, const QColor &stylo, bool inverse = false);

    QColor brosse() const { return m_brosse; }
    QColor stylo() const { return m_stylo; }
    bool inverse() const { return m_inverse; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_brosse;
    QColor m_stylo;
    bool m_inverse;
};
