// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A shape of the rule windows. Framed, it is a rounded rectangle filled
// with a brush and outlined with a one-pixel pen; it draws over what lies
// beneath it, and in inverting mode fill and outline are combined with it
// as pen AND NOT screen, so that a white fill shows the covered pixels in
// inverse colours and a black outline stays black. As a highlight, it is a
// smooth rounded rectangle or ellipse filled with the brush, unoutlined.
class TForme : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor brosse READ brosse)
    Q_PROPERTY(QColor stylo READ stylo)
    Q_PROPERTY(bool inverse READ inverse)

public:
    enum Contour { Cadre, Surlignage, CercleSurligne };

    TForme(QWidget *parent, const QColor &brosse, const QColor &stylo, bool inverse = false);
    // A highlight (Surlignage or CercleSurligne) filled with the brush.
    TForme(QWidget *parent, Contour contour, const QColor &brosse);

    QColor brosse() const { return m_brosse; }
    QColor stylo() const { return m_stylo; }
    bool inverse() const { return m_inverse; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Contour m_contour = Cadre;
    QColor m_brosse;
    QColor m_stylo;
    bool m_inverse = false;
};
