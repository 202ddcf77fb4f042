// SPDX-License-Identifier: GPL-3.0-or-later
#include "LedCharset.h"

#include <QtTest>

class tst_LedCharset : public QObject
{
    Q_OBJECT

private slots:
    void pixelHorsImage_data();
    void pixelHorsImage();
    void pixelDeReferenceDecideDuLit();
    void glyphesAffiches_data();
    void glyphesAffiches();
};

void tst_LedCharset::pixelHorsImage_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("right of the picture") << 80 << 0;
    QTest::newRow("left of the picture") << -1 << 5;
    QTest::newRow("below the picture") << 0 << 112;
    QTest::newRow("above the picture") << 10 << -1;
}

void tst_LedCharset::pixelHorsImage()
{
    QFETCH(int, x);
    QFETCH(int, y);
    TLedCharset jeu;
    QVERIFY_THROWS_EXCEPTION(TLedPixelError, jeu.pixel(x, y));
    QVERIFY_THROWS_EXCEPTION(TLedPixelError, jeu.setPixel(x, y, Qt::red));
    try {
        jeu.pixel(x, y);
    } catch (const std::out_of_range &erreur) {
        QCOMPARE(QString::fromLatin1(erreur.what()), QStringLiteral("No such pixel"));
    }
    jeu.setBitmap(QImage(5, 7, QImage::Format_Mono));
    QVERIFY_THROWS_EXCEPTION(TLedPixelError, jeu.estAllume('A', 0, 0));
}

void tst_LedCharset::pixelDeReferenceDecideDuLit()
{
    TLedCharset jeu;
    QCOMPARE(jeu.bitmap().size(), QSize(80, 112));
    QCOMPARE(jeu.bitmap().format(), QImage::Format_RGB888);
    QVERIFY(jeu.estAllume(255, 4, 6));
    QVERIFY(jeu.estAllume('A', 0, 3));
    QVERIFY(!jeu.estAllume('A', 0, 0));
    QVERIFY(!jeu.estAllume(' ', 2, 3));
    // Whitening the reference pixel makes white the lit colour.
    jeu.setPixel(79, 111, Qt::white);
    QVERIFY(jeu.estAllume(' ', 2, 3));
    QVERIFY(jeu.estAllume('A', 0, 0));
    QVERIFY(!jeu.estAllume('A', 0, 3));
}

// The characters the main window shows: the score's digits and the
// "BRAVO " banner, dot by dot.
void tst_LedCharset::glyphesAffiches_data()
{
    QTest::addColumn<char>("caractere");
    QTest::addColumn<QList<int>>("rangees");
    const struct
    {
        char c;
        QList<int> r;
    } glyphes[] = {
        {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
        {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
        {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
        {'3', {0x0E, 0x11, 0x01, 0x06, 0x01, 0x11, 0x0E}},
        {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
        {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
        {'6', {0x0E, 0x11, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
        {'7', {0x1F, 0x01, 0x01, 0x02, 0x04, 0x04, 0x04}},
        {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
        {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x11, 0x0E}},
        {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
        {'R', {0x1E, 0x11, 0x11, 0x1E, 0x12, 0x11, 0x11}},
        {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
        {'V', {0x11, 0x11, 0x11, 0x0A, 0x0A, 0x0A, 0x04}},
        {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
        {' ', {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto &g : glyphes)
        QTest::newRow(QByteArray("'") + g.c + "'") << g.c << g.r;
}

void tst_LedCharset::glyphesAffiches()
{
    QFETCH(char, caractere);
    QFETCH(QList<int>, rangees);
    const TLedCharset jeu;
    for (int rangee = 0; rangee < 7; ++rangee)
        for (int colonne = 0; colonne < 5; ++colonne)
            QVERIFY2(jeu.estAllume(caractere, colonne, rangee)
                         == bool(rangees[rangee] & (0x10 >> colonne)),
                     qPrintable(QStringLiteral("dot %1 of row %2").arg(colonne).arg(rangee)));
}

QTEST_APPLESS_MAIN(tst_LedCharset)
#include "tst_ledcharset.moc"
