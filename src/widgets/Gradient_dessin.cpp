// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gradient.h"

#include <QPainter>

#include <algorithm>

namespace {

// n × q truncated toward zero, where q is a quotient held in single
// precision and the product is not rounded back to single: with H = 449,
// 255 × (449 / 255) stays just below 449 and band 255 starts at row 448.
int fois(int n, float q)
{
    return int(double(n) * double(q));
}

QColor entree(const TGradient::TableDeCouleurs &table, int i)
{
    return QColor(table[std::clamp(i, 0, 255)]);
}

void polygone(QPainter &painter, const QColor &couleur, std::initializer_list<QPoint> coins)
{
    painter.setBrush(couleur);
    painter.drawPolygon(coins.begin(), int(coins.size()));
}

void coins(QPainter &painter, const TGradient::TableDeCouleurs &table,
           TGradient::TGradStyle style, int W, int H)
{
    const float qW = float(W) / 255.0f, qH = float(H) / 255.0f;
    const int bw = int(double(qW) + 1.0), bh = int(double(qH) + 1.0);
    for (int i = 0; i <= 255; ++i) {
        const QColor c = entree(table, i);
        int x = 0, y = 0;
        switch (style) {
        case TGradient::gsCornerTopLeft:
            x = fois(255 - i, qW);
            y = fois(255 - i, qH);
            polygone(painter, c, {{0, y}, {x, y}, {x, 0}, {x + bw, 0}, {x + bw, y + bh}, {0, y + bh}});
            break;
        case TGradient::gsCornerTopRight:
            x = fois(i, qW);
            y = fois(255 - i, qH);
            polygone(painter, c, {{x + bw, 0}, {x + bw, y}, {W, y}, {W, y + bh}, {x, y + bh}, {x, 0}});
            break;
        case TGradient::gsCornerBottomRight:
            x = fois(i, qW);
            y = fois(i, qH);
            polygone(painter, c, {{W, y + bh}, {x + bw, y + bh}, {x + bw, H}, {x, H}, {x, y}, {W, y}});
            break;
        default: // gsCornerBottomLeft
            x = fois(255 - i, qW);
            y = fois(i, qH);
            polygone(painter, c, {{x, H}, {x, y + bh}, {0, y + bh}, {0, y}, {x + bw, y}, {x + bw, H}});
            break;
        }
    }
}

void diagonales(QPainter &painter, const TGradient::TableDeCouleurs &table, bool montante,
                int W, int H)
{
    const float qW = float(W) / 127.0f, qH = float(H) / 127.0f;
    const int bw = int(double(qW) + 1.0), bh = int(double(qH) + 1.0);
    // The 128 bands from the first corner, then the 128 toward the opposite one.
    for (int moitie = 0; moitie < 2; ++moitie)
        for (int i = 0; i <= 127; ++i) {
            const int h = fois(i, qW), v = fois(i, qH), u = fois(127 - i, qH);
            const QColor c = entree(table, 128 * moitie + i);
            if (!montante && moitie == 0)
                polygone(painter, c, {{h, 0}, {h + bw, 0}, {0, v + bh}, {0, v}});
            else if (!montante)
                polygone(painter, c, {{W, v}, {W, v + bh}, {h + bw, H}, {h, H}});
            else if (moitie == 0)
                polygone(painter, c, {{h, H}, {h + bw, H}, {0, u}, {0, u + bh}});
            else
                polygone(painter, c, {{W, u + bh}, {W, u}, {h + bw, 0}, {h, 0}});
        }
}

void ellipses(QPainter &painter, const TGradient::TableDeCouleurs &table, int W, int H, int pas)
{
    const int f = W / 2 - 2;
    if (f <= 0)
        return;
    const float qEntree = 255.0f / float(f), qH = float(H) / float(W);
    int margeX = 1, margeY = 1;
    for (int g = 2; g < f; g += pas) {
        painter.setBrush(entree(table, fois(g, qEntree)));
        painter.drawEllipse(QRect(margeX, margeY, W - 2 * margeX, H - 2 * margeY));
        margeX = g;
        margeY = fois(g, qH);
    }
}

void pyramide(QPainter &painter, const TGradient::TableDeCouleurs &table, int W, int H, int pas)
{
    const QPoint centre(W / 2, H / 2);
    const float s = 255.0f / float(W + H);
    QPen crayon(Qt::black, pas, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto trait = [&](QPoint de, QPoint a, int i) {
        crayon.setColor(entree(table, i));
        painter.setPen(crayon);
        painter.drawLine(de, a);
    };
    for (int m = 0; m <= W; m += pas) {
        trait({m, 0}, centre, fois(m, s));
        trait(centre, {m, H}, fois(m + H, s));
    }
    for (int m = 0; m <= H; m += pas) {
        trait({W, m}, centre, fois(m + W, s));
        trait(centre, {-1, m}, fois(m, s));
    }
}

} // namespace

void TGradient::dessine(QPainter &painter, const TableDeCouleurs &table, TGradStyle style,
                        int W, int H, int pas)
{
    if (W <= 0 || H <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    switch (style) {
    case gsVertical: {
        const float q = float(H) / 255.0f;
        const int bh = int(double(q) + 1.0);
        for (int i = 0; i <= 255; ++i)
            painter.fillRect(0, fois(i, q), W, bh, QColor(table[i]));
        break;
    }
    case gsHorizontal: {
        const float q = float(W) / 255.0f;
        const int bw = int(double(q) + 1.0);
        for (int i = 0; i <= 255; ++i)
            painter.fillRect(fois(i, q), 0, bw, H, QColor(table[i]));
        break;
    }
    case gsCornerTopLeft:
    case gsCornerTopRight:
    case gsCornerBottomRight:
    case gsCornerBottomLeft:
        coins(painter, table, style, W, H);
        break;
    case gsDiagonalRising:
    case gsDiagonalFalling:
        diagonales(painter, table, style == gsDiagonalRising, W, H);
        break;
    case gsEllipse:
        ellipses(painter, table, W, H, pas);
        break;
    case gsPyramid:
        pyramide(painter, table, W, H, pas);
        break;
    }
    painter.restore();
}
