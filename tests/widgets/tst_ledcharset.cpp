#include "LedCharset.h"

#include <QtTest>

class tst_LedCharset : public QObject
{
    Q_OBJECT

private slots:
    void pixelHorsImage_data();
    void pixelHorsImage();
    void pixelDeReferenceDecideDuLit();
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

QTEST_APPLESS_MAIN(tst_LedCharset)
#include "tst_ledcharset.moc"
