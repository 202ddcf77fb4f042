#include "LedMatrix.h"
#include "polices.h"

#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <array>

using Rangees = std::array<int, 7>;
Q_DECLARE_METATYPE(Rangees)

namespace {

const QRgb fond = qRgb(0, 0, 0);
const QRgb allume = qRgb(128, 255, 0);
const QRgb eteint = qRgb(0, 83, 0);
const QRgb rien = qRgb(255, 0, 255);

// Paints the display alone into a picture prefilled with magenta, so that
// pixels the display leaves untouched stay magenta.
QImage rendu(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(rien);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// The main window's configuration: 18 x 21 with a space column.
void configurePrincipal(TLedMatrix &led, TLedCharset *jeu)
{
    led.setCharSet(jeu);
    led.setAddSpace(true);
    led.resize(18, 21);
}

// Checks every pixel of an 18 x 21 display with 3 x 3 cells drawn 2 x 2.
void verifiePoints(const QImage &image, const Rangees &rangees)
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

class tst_LedMatrix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }

    void glyphes_data();
    void glyphes();
    void sansJeuToutEteint();
    void largeurVingtLaisseDeuxColonnesDeFond();
    void sansEspaceInterieurLesPointsSeTouchent();
    void pointsEteintsQuandLedOnFaux();
    void chaine_data();
    void chaine();
    void troisiemeAfficheLeA();
    void periode_data();
    void periode();
    void negatifStockeZero_data();
    void negatifStockeZero();
    void defilementEtClignotementAuxBonsPas();
    void clignoteSansDefiler();
    void arretLibereLaMinuterieEtRallume();
    void gestionnaireDeDefilementChangeLeTexte();
    void laVraieMinuterieFaitDefiler();
    void cycleRefuse();
    void suivantDetruitEfface();
    void jeuDetruitEteintTout();
    void couleursDescendentLaChaine();
    void etatEtClignotementDescendent();
    void meneurCommandeLesSuiveurs();
    void clignotementNePeintQueLesPoints();
    void pixelHorsImage_data();
    void pixelHorsImage();
    void pixelDeReferenceDecideDuLit();
};

void tst_LedMatrix::glyphes_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<Rangees>("rangees");
    QTest::newRow("seven") << QStringLiteral("7") << Rangees{0x1F, 0x01, 0x01, 0x02, 0x04, 0x04, 0x04};
    QTest::newRow("empty text lights all 35 dots")
        << QString() << Rangees{0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F};
    QTest::newRow("only the first character shows") << QStringLiteral("B7") << Rangees{0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E};
    QTest::newRow("space is blank") << QStringLiteral(" ") << Rangees{};
    QTest::newRow("accented letter is blank") << QStringLiteral("é") << Rangees{};
    QTest::newRow("code 131 right arrow") << QString(QChar(0x0192)) << Rangees{0x02, 0x06, 0x0F, 0x1F, 0x0F, 0x06, 0x02};
    QTest::newRow("backslash") << QStringLiteral("\\") << Rangees{0x10, 0x10, 0x08, 0x04, 0x02, 0x01, 0x01};
    QTest::newRow("lower-case g") << QStringLiteral("g") << Rangees{0x00, 0x00, 0x0C, 0x12, 0x0E, 0x02, 0x1C};
}

void tst_LedMatrix::glyphes()
{
    QFETCH(QString, texte);
    QFETCH(Rangees, rangees);
    TLedCharset jeu;
    TLedMatrix led;
    configurePrincipal(led, &jeu);
    led.setDisplayText(texte);
    verifiePoints(rendu(led), rangees);
}

void tst_LedMatrix::sansJeuToutEteint()
{
    TLedMatrix led;
    led.setAddSpace(true);
    led.resize(18, 21);
    verifiePoints(rendu(led), Rangees{});
}

void tst_LedMatrix::largeurVingtLaisseDeuxColonnesDeFond()
{
    TLedCharset jeu;
    TLedMatrix led;
    configurePrincipal(led, &jeu);
    led.resize(20, 21);
    const QImage image = rendu(led);
    for (int y = 0; y < 21; ++y) {
        QCOMPARE(image.pixel(18, y), fond);
        QCOMPARE(image.pixel(19, y), fond);
        QCOMPARE(image.pixel(17, y), fond); // gap after the sixth column
    }
    QCOMPARE(image.pixel(15, 0), eteint); // the sixth column is always unlit
    QCOMPARE(image.pixel(16, 1), eteint);
    QCOMPARE(image.pixel(0, 0), allume); // empty text: the all-lit block
}

void tst_LedMatrix::sansEspaceInterieurLesPointsSeTouchent()
{
    TLedCharset jeu;
    TLedMatrix led;
    configurePrincipal(led, &jeu);
    led.setNoInnerSpace(true);
    const QImage image = rendu(led);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 18; ++x)
            QCOMPARE(image.pixel(x, y), x < 15 ? allume : eteint);
}

void tst_LedMatrix::pointsEteintsQuandLedOnFaux()
{
    TLedCharset jeu;
    TLedMatrix led;
    configurePrincipal(led, &jeu);
    led.setDisplayText(QStringLiteral("8"));
    led.setLedOn(false);
    verifiePoints(rendu(led), Rangees{});
}

void tst_LedMatrix::chaine_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendus");
    QTest::newRow("one digit leaves the others blank")
        << QStringLiteral("7") << QStringList{"7", " ", " "};
    QTest::newRow("two digits") << QStringLiteral("12") << QStringList{"12", "2", " "};
    QTest::newRow("empty text gives a space down the chain")
        << QString() << QStringList{"", " ", " "};
    QTest::newRow("bravo banner") << QStringLiteral("BRAVO ")
                                  << QStringList{"BRAVO ", "RAVO ", "AVO "};
}

void tst_LedMatrix::chaine()
{
    QFETCH(QString, texte);
    QFETCH(QStringList, attendus);
    TLedMatrix a, b, c;
    a.setNextLed(&b);
    b.setNextLed(&c);
    c.setDisplayText(QStringLiteral("x"));
    a.setDisplayText(texte);
    QCOMPARE(QStringList({a.displayText(), b.displayText(), c.displayText()}), attendus);
}

void tst_LedMatrix::troisiemeAfficheLeA()
{
    TLedCharset jeu;
    TLedMatrix a, b, c;
    for (TLedMatrix *led : {&a, &b, &c})
        configurePrincipal(*led, &jeu);
    c.setAddSpace(false);
    c.resize(18, 21); // same size as the others, to compare the dots
    a.setNextLed(&b);
    b.setNextLed(&c);
    a.setDisplayText(QStringLiteral("BRAVO "));
    verifiePoints(rendu(a), Rangees{0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E});
    verifiePoints(rendu(b), Rangees{0x1E, 0x11, 0x11, 0x1E, 0x12, 0x11, 0x11});
    // Without the space column the last display has 3-pixel cells on 15 pixels.
    c.resize(15, 21);
    const QImage image = rendu(c);
    QCOMPARE(image.pixel(0, 0), eteint);  // A: 0E, leftmost dot unlit
    QCOMPARE(image.pixel(3, 0), allume);
    QCOMPARE(image.pixel(0, 9), allume);  // 1F row
    QCOMPARE(image.pixel(12, 9), allume);
    QCOMPARE(image.pixel(14, 9), fond);
}

void tst_LedMatrix::periode_data()
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

void tst_LedMatrix::periode()
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

void tst_LedMatrix::negatifStockeZero_data()
{
    QTest::addColumn<bool>("surVitesse");
    QTest::newRow("marquee speed") << true;
    QTest::newRow("blink interval") << false;
}

void tst_LedMatrix::negatifStockeZero()
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

void tst_LedMatrix::defilementEtClignotementAuxBonsPas()
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

void tst_LedMatrix::clignoteSansDefiler()
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

void tst_LedMatrix::arretLibereLaMinuterieEtRallume()
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

void tst_LedMatrix::gestionnaireDeDefilementChangeLeTexte()
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

void tst_LedMatrix::laVraieMinuterieFaitDefiler()
{
    TLedMatrix led;
    led.setDisplayText(QStringLiteral("XY"));
    led.setMarqueeSpeed(20);
    led.setMarquee(true);
    QTRY_COMPARE(led.displayText(), QStringLiteral("YX"));
}

void tst_LedMatrix::cycleRefuse()
{
    TLedMatrix a, b, c;
    a.setNextLed(&b);
    b.setNextLed(&c);
    c.setNextLed(&a);
    QCOMPARE(c.nextLed(), nullptr);
    a.setNextLed(&a);
    QCOMPARE(a.nextLed(), &b);
    c.setNextLed(&b);
    QCOMPARE(c.nextLed(), nullptr);
    a.setNextLed(&c); // shortening the chain is no cycle
    QCOMPARE(a.nextLed(), &c);
    a.setNextLed(nullptr);
    QCOMPARE(a.nextLed(), nullptr);
}

void tst_LedMatrix::suivantDetruitEfface()
{
    TLedMatrix a;
    auto *b = new TLedMatrix;
    a.setNextLed(b);
    delete b;
    QCOMPARE(a.nextLed(), nullptr);
    a.setDisplayText(QStringLiteral("42"));
    QCOMPARE(a.displayText(), QStringLiteral("42"));
}

void tst_LedMatrix::jeuDetruitEteintTout()
{
    auto *jeu = new TLedCharset;
    TLedMatrix led;
    configurePrincipal(led, jeu);
    delete jeu;
    QCOMPARE(led.charSet(), nullptr);
    verifiePoints(rendu(led), Rangees{});
}

void tst_LedMatrix::couleursDescendentLaChaine()
{
    TLedMatrix a, b, c;
    a.setNextLed(&b);
    b.setNextLed(&c);
    a.setDotOnColor(Qt::red);
    QCOMPARE(c.dotOnColor(), QColor(Qt::red));
    b.setApplyColorsToNext(false);
    a.setDotOnColor(Qt::blue);
    QCOMPARE(b.dotOnColor(), QColor(Qt::blue));
    QCOMPARE(c.dotOnColor(), QColor(Qt::red));
    a.setDotOffColor(Qt::yellow); // travels only with the background colour
    QCOMPARE(b.dotOffColor(), QColor(0, 83, 0));
    a.setBackgroundColor(Qt::white);
    QCOMPARE(b.dotOffColor(), QColor(Qt::yellow));
    QCOMPARE(b.backgroundColor(), QColor(Qt::black));
    b.setDotOffColor(Qt::gray);
    b.setApplyColorsToNext(true); // passes both dot colours on
    QCOMPARE(c.dotOffColor(), QColor(Qt::gray));
    QCOMPARE(c.dotOnColor(), QColor(Qt::blue));
}

void tst_LedMatrix::etatEtClignotementDescendent()
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

void tst_LedMatrix::meneurCommandeLesSuiveurs()
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

void tst_LedMatrix::clignotementNePeintQueLesPoints()
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

void tst_LedMatrix::pixelHorsImage_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("right of the picture") << 80 << 0;
    QTest::newRow("left of the picture") << -1 << 5;
    QTest::newRow("below the picture") << 0 << 112;
    QTest::newRow("above the picture") << 10 << -1;
}

void tst_LedMatrix::pixelHorsImage()
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

void tst_LedMatrix::pixelDeReferenceDecideDuLit()
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

QTEST_MAIN(tst_LedMatrix)
#include "tst_ledmatrix.moc"
