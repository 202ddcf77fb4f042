// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Ancrage.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>

class QPainter;
class TAncrage;

// Fills its area with a gradient between two colours in one of ten
// geometric styles. While Buffered, the gradient is drawn into an
// off-screen picture that is redrawn only after a size or property change;
// an ordinary repaint is then a copy of that picture over the repainted
// zone. Bands keep a narrow strip of it, copied over the zone, or on a
// zoomed screen a single line whose colours are filled band by band.
class TGradient : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(Ancrage::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(bool Buffered READ buffered WRITE setBuffered)
    Q_PROPERTY(TGradDirection Direction READ direction WRITE setDirection)
    Q_PROPERTY(QColor EndColor READ endColor WRITE setEndColor)
    Q_PROPERTY(QColor StartColor READ startColor WRITE setStartColor)
    Q_PROPERTY(int StepWidth READ stepWidth WRITE setStepWidth)
    Q_PROPERTY(TGradStyle Style READ style WRITE setStyle)

public:
    enum TGradDirection { gdDownRight, gdUpLeft };
    Q_ENUM(TGradDirection)
    enum TGradStyle {
        gsCornerTopLeft,
        gsCornerTopRight,
        gsCornerBottomRight,
        gsCornerBottomLeft,
        gsDiagonalRising,
        gsDiagonalFalling,
        gsEllipse,
        gsHorizontal,
        gsPyramid,
        gsVertical,
    };
    Q_ENUM(TGradStyle)

    using TableDeCouleurs = std::array<QRgb, 256>;

    explicit TGradient(QWidget *parent = nullptr);
    ~TGradient() override;

    Ancrage::TAlign align() const;
    void setAlign(Ancrage::TAlign align);
    bool buffered() const { return m_tampon; }
    void setBuffered(bool valeur);
    TGradDirection direction() const { return m_direction; }
    void setDirection(TGradDirection direction);
    QColor endColor() const { return m_couleurFin; }
    void setEndColor(const QColor &couleur);
    QColor startColor() const { return m_couleurDebut; }
    void setStartColor(const QColor &couleur);
    int stepWidth() const { return m_pas; }
    // Values outside 1..10 are ignored.
    void setStepWidth(int pas);
    TGradStyle style() const { return m_style; }
    void setStyle(TGradStyle style);

    // Entry 0 carries the colour at the near end (top or left).
    const TableDeCouleurs &colourTable() const { return m_table; }
    // How many times the off-screen picture has been drawn.
    int redrawCount() const { return m_redessins; }

    // Paints the gradient under `dessus`, a widget lying on it in the same
    // window, with that widget's own painter. Every style but the ellipse
    // covers all of it.
    void peint_sous(QPainter &painter, const QWidget &dessus);

    // Draws the gradient of a W x H area with this table.
    static void dessine(QPainter &painter, const TableDeCouleurs &table, TGradStyle style,
                        int largeur, int hauteur, int pas);
    static TableDeCouleurs calculeTable(const QColor &debut, const QColor &fin,
                                        TGradDirection direction);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The strip kept at one device pixel per pixel: wider than a keypad key
    // (45 pixels), so that a key's repaint takes one plain copy.
    static constexpr int epaisseur_touche = 48;
    void peint(QPainter &painter, const QRegion &region);
    void prepare();
    void pave(QPainter &painter, const QRect &zone) const;
    void peint_bandes(QPainter &painter, const QRect &zone) const;

    void aChange();
    void recalculeTable();

    TAncrage *m_ancrage;
    bool m_tampon = true;
    TGradDirection m_direction = gdDownRight;
    QColor m_couleurFin{0, 0, 0};
    QColor m_couleurDebut{0, 0, 255};
    int m_pas = 1;
    TGradStyle m_style = gsVertical;
    TableDeCouleurs m_table{};
    QImage m_image;
    QSize m_tailleDessinee{0, 0};
    int m_redessins = 0;
};
