// SPDX-License-Identifier: GPL-3.0-or-later
#include "essais_led.h"
#include "polices.h"


using namespace essais_led;

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
    void cycleRefuse();
    void suivantDetruitEfface();
    void jeuDetruitEteintTout();
    void couleursDescendentLaChaine();
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

QTEST_MAIN(tst_LedMatrix)
#include "tst_ledmatrix.moc"
