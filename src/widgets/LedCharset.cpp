// SPDX-License-Identifier: GPL-3.0-or-later
#include "LedCharset.h"

#include "led_glyphes.h"

TLedCharset::TLedCharset(QObject *parent)
    : QObject(parent)
    , m_image(16 * largeurCellule, 16 * hauteurCellule, QImage::Format_RGB888)
{
    m_image.fill(Qt::white);
    const QRgb noir = qRgb(0, 0, 0);
    for (const GlypheLed &glyphe : glyphes_led()) {
        const int x0 = largeurCellule * (glyphe.code % 16);
        const int y0 = hauteurCellule * (glyphe.code / 16);
        for (int rangee = 0; rangee < hauteurCellule; ++rangee)
            for (int colonne = 0; colonne < largeurCellule; ++colonne)
                if (glyphe.rangees[rangee] & (0x10 >> colonne))
                    m_image.setPixel(x0 + colonne, y0 + rangee, noir);
    }
}

void TLedCharset::setBitmap(const QImage &image)
{
    m_image = image.convertToFormat(QImage::Format_RGB888);
    emit bitmapChanged();
}

void TLedCharset::verifiePosition(int x, int y) const
{
    if (!m_image.valid(x, y))
        throw TLedPixelError();
}

QColor TLedCharset::pixel(int x, int y) const
{
    verifiePosition(x, y);
    return QColor(m_image.pixel(x, y));
}

void TLedCharset::setPixel(int x, int y, const QColor &couleur)
{
    verifiePosition(x, y);
    if (m_image.format() != QImage::Format_RGB888)
        m_image.convertTo(QImage::Format_RGB888);
    m_image.setPixel(x, y, couleur.rgb());
    emit bitmapChanged();
}

bool TLedCharset::estAllume(unsigned char code, int colonne, int rangee) const
{
    const QColor reference = pixel(m_image.width() - 1, m_image.height() - 1);
    const QColor point = pixel(largeurCellule * (code % 16) + colonne,
                               hauteurCellule * (code / 16) + rangee);
    return point.rgb() == reference.rgb();
}

unsigned char TLedCharset::codeWindows1252(QChar caractere)
{
    const char16_t u = caractere.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    // Codes 0x80..0x9F of the code page; 0 marks the five unused codes.
    static constexpr char16_t plage80[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    for (int i = 0; i < 32; ++i)
        if (plage80[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    return '?';
}
