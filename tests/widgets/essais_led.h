// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the LED display tests.

#include "LedMatrix.h"

#include <QImage>
#include <QtTest>

#include <array>

using Rangees = std::array<int, 7>;
Q_DECLARE_METATYPE(Rangees)

namespace essais_led {

inline const QRgb fond = qRgb(0, 0, 0);
inline const QRgb allume = qRgb(128, 255, 0);
inline const QRgb eteint = qRgb(0, 83, 0);
inline const QRgb rien = qRgb(255, 0, 255);

// Paints the display alone into a picture prefilled with magenta, so that
// pixels the display leaves untouched stay magenta.
inline QImage rendu(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(rien);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// The main window's configuration: 18 x 21 with a space column.
inline void configurePrincipal(TLedMatrix &led, TLedCharset *jeu)
{
    led.setCharSet(jeu);
    led.setAddSpace(true);
    led.resize(18, 21);
}

// Checks every pixel of an 18 x 21 display with 3 x 3 cells drawn 2 x 2.
inline void verifiePoints(const QImage &image, const Rangees &rangees)
{
    QCOMPARE(image.size(), QSize(18, 21));
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 18; ++x) {
            const int i = x / 3, j = y / 3;
            QRgb attendu = fond;
            if (x % 3 != 2 && y % 3 != 2)
                attendu = (i < 5 && (rangees[j] & (0x10 >> i))) ? allume : eteint;
            if (image.pixel(x, y) != attendu)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                     .arg(x).arg(y)
                                     .arg(image.pixel(x, y), 8, 16)
                                     .arg(attendu, 8, 16)));
        }
}

// A display that paints magenta over itself before its own painting, to
// show which pixels a painting leaves alone.
} // namespace essais_led
