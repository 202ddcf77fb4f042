// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QObject>

#include <stdexcept>

// Raised by pixel access outside the character picture.
class TLedPixelError : public std::out_of_range
{
public:
    TLedPixelError() : std::out_of_range("No such pixel") {}
};

// The glyph source of the LED displays: a 24-bit picture of 16 x 16 cells of
// 5 x 7 pixels, one per Windows-1252 code (code c at column c mod 16, row
// c div 16). A dot is lit when its pixel has exactly the colour of the
// reference pixel, the bottom-right pixel of the picture.
class TLedCharset : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QImage Bitmap READ bitmap WRITE setBitmap NOTIFY bitmapChanged)

public:
    static constexpr int largeurCellule = 5;
    static constexpr int hauteurCellule = 7;

    // Builds the 80 x 112 picture with the built-in glyphs: black dots on
    // white, the cell of code 255 all black, so black is the lit colour.
    explicit TLedCharset(QObject *parent = nullptr);

    const QImage &bitmap() const { return m_image; }
    // Copies the given picture, converted to 24 bits per pixel.
    void setBitmap(const QImage &image);

    // Throws TLedPixelError outside the picture.
    QColor pixel(int x, int y) const;
    void setPixel(int x, int y, const QColor &couleur);

    // Dot (colonne 0..4, rangee 0..6) of the character with this code.
    // Throws TLedPixelError when the picture is too small for the cell.
    bool estAllume(unsigned char code, int colonne, int rangee) const;

    // The Windows-1252 byte of a character; characters the code page lacks
    // give '?', as the system conversion does.
    static unsigned char codeWindows1252(QChar caractere);

signals:
    void bitmapChanged();

private:
    void verifiePosition(int x, int y) const;

    QImage m_image;
};
