// SPDX-License-Identifier: GPL-3.0-or-later
#include "essais_led.h"
#include "polices.h"

#include <QPainter>
#include <QScreen>

using namespace essais_led;

namespace {

class SondeLed : public TLedMatrix
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter painter(this);
            painter.fillRect(rect(), QColor(rien));
        }
        TLedMatrix::paintEvent(event);
    }
};
} // namespace

class tst_LedMatrixMinuterie : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }

    void periode_data();
    void periode();
    void negatifStockeZero_data();
    void negatifStockeZero();
    void defilementEtClignotementAuxBonsPas();
    void clignoteSansDefiler();
    void arretLibereLaMinuterieEtRallume();
    void gestionnaireDeDefilementChangeLeTexte();
    void laVraieMinuterieFaitDefiler();
    void etatEtClignotementDescendent();
    void meneurCommandeLesSuiveurs();
    void clignotementNePeintQueLesPoints();
};

void tst_LedMatrixMinuterie::periode_data()
{
    QTest::addColumn<int>("vitesse");
    QTest::addColumn<int>("intervalle");
    QTest::addColumn<int>("periode");
    QTest::newRow("300 and 1000 give 100") << 300 << 1000 << 100;
    QTest::newRow("no scroll: the blink interval") << 0 << 1000 << 1000;
    QTest::newRow("no blink: the scroll speed") << 300 << 0 << 300;
    QTest::newRow("coprime") << 7 << 10 << 1;
    QTest::newRow("both zero") << 0 << 0 << 0;
}

void tst_LedMatrixMinuterie::periode()
{
    QFETCH(int, vitesse);
    QFETCH(int, intervalle);
    QFETCH(int, periode);
    TLedMatrix led;
    led.setMarqueeSpeed(vitesse);
    led.setBlinkInterval(intervalle);
    led.setMarquee(true);
    QCOMPARE(led.stepPeriod(), periode);
    QCOMPARE(led.timerActive(), periode > 0);
}

void tst_LedMatrixMinuterie::negatifStockeZero_data()
{
    QTest::addColumn<bool>("surVitesse");
    QTest::newRow("marquee speed") << true;
    QTest::newRow("blink interval") << false;
}

void tst_LedMatrixMinuterie::negatifStockeZero()
{
    QFETCH(bool, surVitesse);
    TLedMatrix led;
    if (surVitesse)
        led.setMarqueeSpeed(-5);
    else
        led.setBlinkInterval(-5);
    QCOMPARE(surVitesse ? led.marqueeSpeed() : led.blinkInterval(), 0);
    // The step period then follows the other period alone.
    QCOMPARE(led.stepPeriod(), surVitesse ? 1000 : 300);
}

void tst_LedMatrixMinuterie::defilementEtClignotementAuxBonsPas()
{
    TLedMatrix led;
    led.setDisplayText(QStringLiteral("ABCD"));
    led.setMarquee(true);
    led.setBlink(true);
    QCOMPARE(led.stepPeriod(), 100);
    QStringList textes;
    QList<bool> etats;
    for (int pas = 1; pas <= 20; ++pas) {
        led.pasDeMinuterie();
        textes << led.displayText();
        etats << led.ledOn();
    }
    // Scrolls at 300, 600, 900 ... ms.
    QCOMPARE(textes.mid(0, 7), QStringList({"ABCD", "ABCD", "BCDA", "BCDA", "BCDA", "CDAB", "CDAB"}));
    QCOMPARE(textes.at(8), QStringLiteral("DABC"));
    QCOMPARE(textes.at(17), QStringLiteral("CDAB")); // 1800 ms: six steps
    // Toggles at 1000 and 2000 ms only.
    for (int pas = 0; pas < 20; ++pas)
        QCOMPARE(etats.at(pas), pas < 9 || pas == 19);
}

void tst_LedMatrixMinuterie::clignoteSansDefiler()
{
    TLedMatrix led;
    led.setDisplayText(QStringLiteral("AB"));
    led.setMarqueeSpeed(0);
    led.setMarquee(true);
    led.setBlink(true);
    QCOMPARE(led.stepPeriod(), 1000);
    led.pasDeMinuterie();
    QCOMPARE(led.ledOn(), false);
    led.pasDeMinuterie();
    QCOMPARE(led.ledOn(), true);
    QCOMPARE(led.displayText(), QStringLiteral("AB"));
}

void tst_LedMatrixMinuterie::arretLibereLaMinuterieEtRallume()
{
    TLedMatrix led;
    QVERIFY(!led.timerActive());
    led.setBlink(true);
    QVERIFY(led.timerActive());
    for (int pas = 0; pas < 10; ++pas)
        led.pasDeMinuterie();
    QCOMPARE(led.ledOn(), false);
    led.setBlink(false);
    QVERIFY(!led.timerActive());
    QCOMPARE(led.ledOn(), true);
    led.setMarquee(true);
    QVERIFY(led.timerActive());
    led.setMarqueeSpeed(0);
    led.setBlinkInterval(0);
    QVERIFY(!led.timerActive());
}

void tst_LedMatrixMinuterie::gestionnaireDeDefilementChangeLeTexte()
{
    TLedMatrix a, b;
    a.setNextLed(&b);
    a.setDisplayText(QStringLiteral("5"));
    a.setMarqueeSpeed(100);
    a.setMarquee(true);
    int appels = 0;
    a.setOnMarqueeTimer([&](TLedMatrix *emetteur, QString &texte) {
        QCOMPARE(emetteur, &a);
        ++appels;
        texte = QString::number(texte.toInt() + 1) + QLatin1Char('!');
    });
    a.pasDeMinuterie();
    QCOMPARE(appels, 1);
    QCOMPARE(a.displayText(), QStringLiteral("6!"));
    QCOMPARE(b.displayText(), QStringLiteral("!"));
}

void tst_LedMatrixMinuterie::laVraieMinuterieFaitDefiler()
{
    TLedMatrix led;
    led.setDisplayText(QStringLiteral("XY"));
    led.setMarqueeSpeed(20);
    led.setMarquee(true);
    QTRY_COMPARE(led.displayText(), QStringLiteral("YX"));
}

void tst_LedMatrixMinuterie::etatEtClignotementDescendent()
{
    TLedMatrix a, b, c;
    a.setNextLed(&b);
    b.setNextLed(&c);
    a.setLedOn(false);
    QVERIFY(!c.ledOn());
    a.setBlink(true);
    QVERIFY(c.blink());
    QVERIFY(c.timerActive());
    b.setApplyBlinkToNext(false);
    a.setBlink(false);
    QVERIFY(!b.blink());
    QVERIFY(c.blink());
    QVERIFY(!b.timerActive());
}

void tst_LedMatrixMinuterie::meneurCommandeLesSuiveurs()
{
    TLedMatrix a, b, c;
    a.setApplyBlinkToNext(false);
    a.setNextLed(&b);
    b.setNextLed(&c);
    a.setBlinkInterval(100);
    a.setBlinkSync(true);
    a.setBlink(true);
    b.setBlinkWaitForSync(true); // b waits, c does not blink at all
    b.setApplyBlinkToNext(false);
    b.setBlinkInterval(100);
    b.setBlink(true);
    b.pasDeMinuterie();
    QVERIFY(b.ledOn()); // a waiting display does not blink by itself
    a.pasDeMinuterie();
    QVERIFY(!a.ledOn());
    QVERIFY(!b.ledOn());
    QVERIFY(c.ledOn());
    a.pasDeMinuterie();
    QVERIFY(a.ledOn());
    QVERIFY(b.ledOn());
}

void tst_LedMatrixMinuterie::clignotementNePeintQueLesPoints()
{
    TLedCharset jeu;
    SondeLed led;
    configurePrincipal(led, &jeu);
    led.setBlink(true);
    led.show();
    QVERIFY(QTest::qWaitForWindowExposed(&led));
    auto ecran = [&] { return led.screen()->grabWindow(led.winId()).toImage().convertToFormat(QImage::Format_RGB32); };
    QCOMPARE(ecran().pixel(2, 2), fond); // a normal painting fills the gaps
    for (int pas = 0; pas < 10; ++pas)
        led.pasDeMinuterie();
    QVERIFY(!led.ledOn());
    const QImage apres = ecran();
    QCOMPARE(apres.pixel(0, 0), eteint);
    QCOMPARE(apres.pixel(2, 2), rien); // the blink painting left the gap alone
    QCOMPARE(apres.pixel(17, 20), rien);
    led.repaint();
    QCOMPARE(ecran().pixel(2, 2), fond);
}

QTEST_MAIN(tst_LedMatrixMinuterie)
#include "tst_ledmatrix_minuterie.moc"
