// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gradient.h"
#include "LedMatrix.h"
#include "polices.h"

#include <QtTest>

// Painting costs of the display widgets, measured through the real paint
// path (repaint() into the window's backing store). Run offscreen.
class bench_Widgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }
    void degradePremierePeinture();
    void degradeRepeintSimple();
    void afficheurLed();
};

// Each round changes the start colour, so the off-screen picture is drawn
// again: the cost of the first painting at full-screen size.
void bench_Widgets::degradePremierePeinture()
{
    TGradient degrade;
    degrade.setEndColor(Qt::white);
    degrade.resize(1920, 1080);
    degrade.show();
    QVERIFY(QTest::qWaitForWindowExposed(&degrade));
    const int avant = degrade.redrawCount();
    int tours = 0;
    QBENCHMARK {
        degrade.setStartColor(tours++ % 2 ? Qt::blue : Qt::darkBlue);
        degrade.repaint();
    }
    QCOMPARE(degrade.redrawCount() - avant, tours);
}

// A repaint with nothing changed is one copy of the cached picture.
void bench_Widgets::degradeRepeintSimple()
{
    TGradient degrade;
    degrade.setEndColor(Qt::white);
    degrade.resize(1920, 1080);
    degrade.show();
    QVERIFY(QTest::qWaitForWindowExposed(&degrade));
    degrade.repaint();
    const int avant = degrade.redrawCount();
    QBENCHMARK {
        degrade.repaint();
    }
    QCOMPARE(degrade.redrawCount(), avant);
}

void bench_Widgets::afficheurLed()
{
    QWidget fenetre;
    fenetre.resize(60, 30);
    TLedCharset jeu;
    TLedMatrix led(&fenetre);
    led.setCharSet(&jeu);
    led.setAddSpace(true);
    led.setGeometry(3, 3, 18, 21);
    led.setDisplayText(QStringLiteral("8"));
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QBENCHMARK {
        led.repaint();
    }
}

QTEST_MAIN(bench_Widgets)
#include "bench_widgets.moc"
