// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gradient.h"
#include "bouton_sur_fond.h"
#include "peintures.h"
#include "polices.h"

#include <QPainter>
#include <QtTest>

namespace {

const QRgb rien = qRgb(255, 0, 255);

// Paints a widget alone (a region of it if given), at a device pixel ratio,
// into a picture prefilled with magenta, so that pixels the widget leaves
// untouched stay magenta.
QImage rendu(QWidget &widget, qreal ratio = 1, const QRegion &region = QRegion())
{
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(rien);
    widget.render(&image, region.boundingRect().topLeft(), region, QWidget::DrawChildren);
    return image;
}

QRgb gris(int niveau)
{
    return qRgb(niveau, niveau, niveau);
}

} // namespace

class tst_Gradient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }

    void bleuVersBlancVertical_data();
    void bleuVersBlancVertical();
    void tableDeCouleurs();
    void styles_data();
    void styles();
    void ellipseLaisseVoirLesCoins();
    void redimensionnerRedessineUneFois();
    void repeindreNeRedessinePas();
    void memeValeurNeRedessinePas();
    void pasHorsLimitesIgnore_data();
    void pasHorsLimitesIgnore();
    void sansTamponPeintDirectement();
    void ancrageRemplitLeParent();
    void unePartieRepeinteEgaleLeTout_data();
    void unePartieRepeinteEgaleLeTout();
    void boutonSurFond();
};

void tst_Gradient::bleuVersBlancVertical_data()
{
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<bool>("inverse");
    QTest::addColumn<QRgb>("haut");
    QTest::addColumn<QRgb>("bas");
    QTest::addColumn<QRgb>("rangee2");
    const QRgb bleu = qRgb(0, 0, 255), blanc = qRgb(255, 255, 255);
    QTest::newRow("main window: blue at the top, white at the bottom")
        << 449 << false << bleu << blanc << qRgb(1, 1, 255);
    QTest::newRow("up-left: white at the top, blue at the bottom")
        << 449 << true << blanc << bleu << qRgb(254, 254, 255);
    QTest::newRow("band 255 falls below a 450-row area: bottom keeps entry 254")
        << 450 << false << bleu << qRgb(254, 254, 255) << qRgb(1, 1, 255);
}

void tst_Gradient::bleuVersBlancVertical()
{
    QFETCH(int, hauteur);
    QFETCH(bool, inverse);
    QFETCH(QRgb, haut);
    QFETCH(QRgb, bas);
    QFETCH(QRgb, rangee2);
    TGradient degrade;
    degrade.setStartColor(Qt::blue);
    degrade.setEndColor(Qt::white);
    if (inverse)
        degrade.setDirection(TGradient::gdUpLeft);
    degrade.resize(638, hauteur);
    const QImage image = rendu(degrade);
    QCOMPARE(image.pixel(0, 0), haut);
    QCOMPARE(image.pixel(637, hauteur - 1), bas);
    // Band 1 starts at row 1 and is 2 rows high: band 2 starts at row 3.
    QCOMPARE(image.pixel(300, 1), rangee2);
    QCOMPARE(image.pixel(300, 2), rangee2);
    for (int y = 0; y < hauteur; ++y) {
        const QRgb premier = image.pixel(0, y);
        QVERIFY(premier != rien);
        for (int x = 1; x < 638; ++x)
            if (image.pixel(x, y) != premier)
                QFAIL(qPrintable(QStringLiteral("row %1 is not uniform at x %2").arg(y).arg(x)));
    }
}

void tst_Gradient::tableDeCouleurs()
{
    const auto table = TGradient::calculeTable(QColor(10, 200, 0), QColor(250, 0, 101),
                                               TGradient::gdDownRight);
    QCOMPARE(table[0], qRgb(10, 200, 0));
    QCOMPARE(table[255], qRgb(250, 0, 101));
    // 10 + 240 × 100 / 255 = 104.12; 200 - 200 × 100 / 255 = 121.57; 101 × 100 / 255 = 39.6
    QCOMPARE(table[100], qRgb(104, 122, 40));
    const auto inverse = TGradient::calculeTable(QColor(10, 200, 0), QColor(250, 0, 101),
                                                 TGradient::gdUpLeft);
    QCOMPARE(inverse[155], table[100]);
    QCOMPARE(inverse[0], table[255]);
}

// Black to white, so that entry i is grey (i, i, i). With 255 x 255 the
// quotient W / 255 is exactly 1 and the bands 2 pixels wide; with 381 x 381
// W / 127 is exactly 3 and the diagonal bands 4 pixels wide.
void tst_Gradient::styles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<int>("pas");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QRgb>("attendu");
    // Column x is covered last by band x.
    QTest::newRow("horizontal: band x at column x") << int(TGradient::gsHorizontal)
        << QSize(255, 100) << 1 << QPoint(100, 50) << gris(100);
    // The L of band i has its corner at (255 - i, 255 - i); the innermost L
    // reaching (100, 30) is the one with its vertical arm at columns 99..100.
    QTest::newRow("corner top-left: 256 - max(x, y)") << int(TGradient::gsCornerTopLeft)
        << QSize(255, 255) << 1 << QPoint(100, 30) << gris(156);
    QTest::newRow("corner top-left: end colour in the corner") << int(TGradient::gsCornerTopLeft)
        << QSize(255, 255) << 1 << QPoint(0, 0) << gris(255);
    // Band i: columns i..i+1 from the top down to row 256 - i.
    QTest::newRow("corner top-right: min(x, 255 - y)") << int(TGradient::gsCornerTopRight)
        << QSize(255, 255) << 1 << QPoint(200, 30) << gris(200);
    // Band i: rows i..i+1 rightward from column i.
    QTest::newRow("corner bottom-right: min(x, y)") << int(TGradient::gsCornerBottomRight)
        << QSize(255, 255) << 1 << QPoint(200, 30) << gris(30);
    // Band i: rows i..i+1 leftward from column 256 - i.
    QTest::newRow("corner bottom-left: min(255 - x, y)") << int(TGradient::gsCornerBottomLeft)
        << QSize(255, 255) << 1 << QPoint(200, 30) << gris(30);
    // Band i covers the pixel centres with 3i < x + y + 1 < 3i + 4.
    QTest::newRow("diagonal falling, first half") << int(TGradient::gsDiagonalFalling)
        << QSize(381, 381) << 1 << QPoint(10, 21) << gris(10);
    // Band 128 + i covers 381 + 3i < x + y + 1 < 381 + 3i + 4: i = 123.
    QTest::newRow("diagonal falling, second half") << int(TGradient::gsDiagonalFalling)
        << QSize(381, 381) << 1 << QPoint(370, 380) << gris(251);
    // Band i joins (3i, 381) on the bottom edge to (0, 381 - 3i) on the left
    // one, about the line y - x = 381 - 3i: (50, 300) lies in band 44
    // (y - x = 250, 3i = 131 to 132), more than a pixel from its edges.
    QTest::newRow("diagonal rising, first half") << int(TGradient::gsDiagonalRising)
        << QSize(381, 381) << 1 << QPoint(50, 300) << gris(44);
    // Band 128 + i joins (381, 381 - 3i) to (3i, 0): (300, 50) in band 128 + 83.
    QTest::newRow("diagonal rising, second half") << int(TGradient::gsDiagonalRising)
        << QSize(381, 381) << 1 << QPoint(300, 50) << gris(211);
    // f = 98; with steps of 10 the ellipse of g = 22 (entry 57) runs from
    // inset 12 to the next one at inset 22; the last, g = 92, is entry 239.
    QTest::newRow("ellipse: ring of g = 22") << int(TGradient::gsEllipse)
        << QSize(200, 200) << 10 << QPoint(100, 17) << gris(57);
    QTest::newRow("ellipse: centre") << int(TGradient::gsEllipse)
        << QSize(200, 200) << 10 << QPoint(100, 100) << gris(239);
    QTest::newRow("ellipse: corner shows what lies behind") << int(TGradient::gsEllipse)
        << QSize(200, 200) << 10 << QPoint(0, 0) << rien;
    // The line from (50, 0) to the centre starts on that pixel, in entry
    // trunc(50 × 255 / 400) = 31; no other line touches it.
    QTest::newRow("pyramid: top edge") << int(TGradient::gsPyramid)
        << QSize(200, 200) << 1 << QPoint(50, 0) << gris(31);
    QTest::newRow("vertical: band y at row y") << int(TGradient::gsVertical)
        << QSize(100, 255) << 1 << QPoint(50, 77) << gris(77);
}

void tst_Gradient::styles()
{
    QFETCH(int, style);
    QFETCH(QSize, taille);
    QFETCH(int, pas);
    QFETCH(QPoint, point);
    QFETCH(QRgb, attendu);
    TGradient degrade;
    degrade.setStartColor(Qt::black);
    degrade.setEndColor(Qt::white);
    degrade.setStepWidth(pas);
    degrade.setStyle(TGradient::TGradStyle(style));
    degrade.resize(taille);
    const QImage image = rendu(degrade);
    QCOMPARE(image.pixel(point), attendu);
}

void tst_Gradient::ellipseLaisseVoirLesCoins()
{
    QWidget parent;
    parent.resize(200, 100);
    parent.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::green);
    parent.setPalette(palette);
    TGradient degrade(&parent);
    degrade.setStyle(TGradient::gsEllipse);
    degrade.resize(200, 100);
    const QImage image = parent.grab().toImage();
    QCOMPARE(image.pixel(1, 1), qRgb(0, 255, 0));
    // f = 98, steps of 1: the last ellipse, g = 97, covers the centre.
    QCOMPARE(image.pixel(100, 50), degrade.colourTable()[252]);
}

void tst_Gradient::redimensionnerRedessineUneFois()
{
    TGradient degrade;
    rendu(degrade);
    QCOMPARE(degrade.redrawCount(), 1);
    degrade.resize(300, 200);
    const QImage image = rendu(degrade);
    QCOMPARE(degrade.redrawCount(), 2);
    // 255 × (200 / 255) rounds up to 200 in single precision: band 255 lies
    // below the area and the bottom row keeps entry 254 of blue to black.
    QCOMPARE(image.pixel(299, 199), qRgb(0, 0, 1));
    rendu(degrade);
    QCOMPARE(degrade.redrawCount(), 2);
}

void tst_Gradient::repeindreNeRedessinePas()
{
    TGradient degrade;
    degrade.resize(640, 480);
    degrade.show();
    QVERIFY(QTest::qWaitForWindowExposed(&degrade));
    const int apresAffichage = degrade.redrawCount();
    QCOMPARE(apresAffichage, 1);
    degrade.repaint();
    degrade.repaint();
    QCOMPARE(degrade.redrawCount(), apresAffichage);
    degrade.setEndColor(Qt::red);
    degrade.repaint();
    QCOMPARE(degrade.redrawCount(), apresAffichage + 1);
}

void tst_Gradient::memeValeurNeRedessinePas()
{
    TGradient degrade;
    rendu(degrade);
    degrade.setStartColor(QColor(0, 0, 255));
    degrade.setEndColor(Qt::black);
    degrade.setStyle(TGradient::gsVertical);
    degrade.setDirection(TGradient::gdDownRight);
    degrade.setStepWidth(1);
    degrade.setBuffered(true);
    rendu(degrade);
    QCOMPARE(degrade.redrawCount(), 1);
}

void tst_Gradient::pasHorsLimitesIgnore_data()
{
    QTest::addColumn<int>("pas");
    QTest::newRow("zero") << 0;
    QTest::newRow("eleven") << 11;
    QTest::newRow("negative") << -3;
}

void tst_Gradient::pasHorsLimitesIgnore()
{
    QFETCH(int, pas);
    TGradient degrade;
    degrade.setStyle(TGradient::gsEllipse);
    degrade.setStepWidth(4);
    degrade.resize(200, 200);
    const QImage avant = rendu(degrade);
    degrade.setStepWidth(pas);
    QCOMPARE(degrade.stepWidth(), 4);
    QCOMPARE(rendu(degrade), avant);
    QCOMPARE(degrade.redrawCount(), 1);
}

void tst_Gradient::sansTamponPeintDirectement()
{
    TGradient degrade;
    degrade.setEndColor(Qt::white);
    degrade.resize(100, 255);
    const QImage tamponne = rendu(degrade);
    degrade.setBuffered(false);
    const QImage direct = rendu(degrade);
    QCOMPARE(degrade.redrawCount(), 1);
    QCOMPARE(direct, tamponne);
}

void tst_Gradient::ancrageRemplitLeParent()
{
    QWidget parent;
    parent.resize(300, 200);
    TGradient degrade(&parent);
    degrade.setAlign(Ancrage::alClient);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(degrade.geometry(), QRect(0, 0, 300, 200));
    parent.resize(500, 400);
    QCOMPARE(degrade.geometry(), QRect(0, 0, 500, 400));
    TGradient bas(&parent);
    bas.setAlign(Ancrage::alBottom);
    QCOMPARE(bas.geometry(), QRect(0, 320, 500, 80));
}

QTEST_MAIN(tst_Gradient)
#include "tst_gradient.moc"

void tst_Gradient::unePartieRepeinteEgaleLeTout_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QRect>("zone");
    QTest::addColumn<qreal>("ratio");
    // A keypad key of the main window, and zones wider or taller than the
    // kept strip, at 1x and at zoom steps with fractional pixels.
    const auto v = int(TGradient::gsVertical), h = int(TGradient::gsHorizontal);
    QTest::newRow("vertical, key 7") << v << QRect(114, 170, 45, 45) << qreal(1);
    QTest::newRow("vertical, key 7 at 1.75") << v << QRect(114, 170, 45, 45) << qreal(1.75);
    QTest::newRow("vertical, wide zone at 1.25") << v << QRect(7, 3, 301, 60) << qreal(1.25);
    QTest::newRow("vertical, zone wider than the kept strip") << v << QRect(7, 3, 301, 60) << qreal(1);
    QTest::newRow("horizontal, tall zone at 1.75") << h << QRect(13, 5, 40, 290) << qreal(1.75);
    QTest::newRow("horizontal, wide zone") << h << QRect(30, 100, 200, 31) << qreal(1);
}

// A repaint of a part, as under a pressed key, leaves the pixels a whole
// painting gives there.
void tst_Gradient::unePartieRepeinteEgaleLeTout()
{
    QFETCH(int, style);
    QFETCH(QRect, zone);
    QFETCH(qreal, ratio);
    // The gradient lies one pixel in from its window's corner, which puts
    // its origin between device pixels at fractional ratios.
    QWidget fenetre;
    fenetre.resize(642, 482);
    auto *degrade = new TGradient(&fenetre);
    degrade->setGeometry(1, 1, 640, 480);
    degrade->setStartColor(QColor(0, 0, 255));
    degrade->setEndColor(Qt::white);
    degrade->setStyle(TGradient::TGradStyle(style));
    const QImage tout = rendu(fenetre, ratio);
    // The whole is its picture at one pixel per pixel stretched by Qt's own
    // scaled copy.
    QImage etire(tout.size(), QImage::Format_RGB32);
    etire.setDevicePixelRatio(ratio);
    QPainter(&etire).drawImage(fenetre.rect(), rendu(fenetre));
    QCOMPARE(tout, etire);
    const QRect place = zone.translated(degrade->pos());
    const QImage partie = rendu(fenetre, ratio, place);
    const QRect pixels(QPoint(qCeil(place.left() * ratio), qCeil(place.top() * ratio)),
                       QPoint(qFloor((place.right() + 1) * ratio) - 1,
                              qFloor((place.bottom() + 1) * ratio) - 1));
    QCOMPARE(partie.copy(pixels), tout.copy(pixels));
}

// A button that paints the gradient under its corners itself looks like a
// plain button lying on the gradient, zoomed too; pressed, it repaints alone.
void tst_Gradient::boutonSurFond()
{
    // The gradient and the button are siblings, neither at the window's
    // corner, as in the main window.
    const auto garnit = [](QWidget &fenetre, bool sur_fond) {
        fenetre.resize(160, 120);
        auto *fond = new TGradient(&fenetre);
        fond->setGeometry(3, 5, 150, 110);
        QPushButton *bouton = sur_fond ? new BoutonSurFond(QStringLiteral("7"), *fond, &fenetre)
                                       : new QPushButton(QStringLiteral("7"), &fenetre);
        bouton->setGeometry(17, 29, 45, 45);
        return std::pair(fond, bouton);
    };
    QWidget simple, sur_fond;
    garnit(simple, false);
    const auto [fond, bouton] = garnit(sur_fond, true);
    QCOMPARE(rendu(sur_fond, 1.75), rendu(simple, 1.75));

    sur_fond.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sur_fond));
    Peintures peintures_fond, peintures_bouton;
    fond->installEventFilter(&peintures_fond);
    bouton->installEventFilter(&peintures_bouton);
    QTest::mousePress(bouton, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(peintures_fond.nombre, 0);
    QCOMPARE(peintures_bouton.nombre, 1);
    QTest::mouseRelease(bouton, Qt::LeftButton);
}
