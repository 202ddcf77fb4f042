// SPDX-License-Identifier: GPL-3.0-or-later
#include "touches.h"

#include <QTest>

// Key events as X11 reports them (native scan codes are XKB key codes), as
// Wayland reports them (XKB key codes too, but the pad's keys without the
// keypad mark) or as a platform without them reports them (scan code 0).
class tst_touches : public QObject
{
    Q_OBJECT

private slots:
    void code_virtuel_data();
    void code_virtuel();
};

void tst_touches::code_virtuel_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<quint32>("scan");
    QTest::addColumn<bool>("xkb");
    QTest::addColumn<int>("attendu");

    const Qt::KeyboardModifiers rien = Qt::NoModifier;
    const Qt::KeyboardModifiers pave = Qt::KeypadModifier;

    // The digit row: 1..9 are XKB key codes 10..18, 0 is 19.
    QTest::newRow("US digit row 1") << int(Qt::Key_1) << rien << 10u << true << 49;
    QTest::newRow("US digit row 9") << int(Qt::Key_9) << rien << 18u << true << 57;
    QTest::newRow("US digit row 0") << int(Qt::Key_0) << rien << 19u << true << 48;
    QTest::newRow("US shifted 1 (exclamation) still 1")
        << int(Qt::Key_Exclam) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 10u << true << 49;
    QTest::newRow("AZERTY ampersand key is 1") << int(Qt::Key_Ampersand) << rien << 10u << true << 49;
    QTest::newRow("AZERTY e acute key is 2") << int(Qt::Key_Eacute) << rien << 11u << true << 50;
    QTest::newRow("AZERTY quotedbl key is 3") << int(Qt::Key_QuoteDbl) << rien << 12u << true << 51;
    QTest::newRow("AZERTY paren left key is 5") << int(Qt::Key_ParenLeft) << rien << 14u << true << 53;
    QTest::newRow("AZERTY c cedilla key is 9") << int(Qt::Key_Ccedilla) << rien << 18u << true << 57;
    QTest::newRow("AZERTY a grave key is 0") << int(Qt::Key_Agrave) << rien << 19u << true << 48;
    QTest::newRow("AZERTY shifted 4 gives 4")
        << int(Qt::Key_4) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 13u << true << 52;
    QTest::newRow("digit without scan codes") << int(Qt::Key_7) << rien << 0u << false << 55;
    QTest::newRow("scan codes ignored where they are not XKB")
        << int(Qt::Key_Ampersand) << rien << 10u << false << 0;

    // The numeric pad with Num Lock on.
    for (int chiffre = 0; chiffre <= 9; ++chiffre) {
        QTest::addRow("pad %d, Num Lock on", chiffre)
            << int(Qt::Key_0 + chiffre) << pave << 0u << true << 96 + chiffre;
    }
    // With Num Lock off the pad sends navigation keys with the keypad flag.
    const int sans_verrou[10] = {Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown,
                                 Qt::Key_Left,   Qt::Key_Clear, Qt::Key_Right, Qt::Key_Home,
                                 Qt::Key_Up,     Qt::Key_PageUp};
    for (int chiffre = 0; chiffre <= 9; ++chiffre) {
        QTest::addRow("pad %d, Num Lock off", chiffre)
            << sans_verrou[chiffre] << pave << 0u << true << 96 + chiffre;
    }
    // Wayland: no keypad mark; the pad is known by its XKB key codes.
    const quint32 codes_pave[10] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
    for (int chiffre = 0; chiffre <= 9; ++chiffre) {
        QTest::addRow("Wayland pad %d, Num Lock on", chiffre)
            << int(Qt::Key_0 + chiffre) << rien << codes_pave[chiffre] << true << 96 + chiffre;
        QTest::addRow("Wayland pad %d, Num Lock off", chiffre)
            << sans_verrou[chiffre] << rien << codes_pave[chiffre] << true << 96 + chiffre;
    }
    QTest::newRow("Wayland pad minus") << int(Qt::Key_Minus) << rien << 82u << true << 109;
    QTest::newRow("Wayland pad Delete, Num Lock off")
        << int(Qt::Key_Delete) << rien << 91u << true << 46;
    QTest::newRow("Wayland pad point, Num Lock on gives nothing")
        << int(Qt::Key_Period) << rien << 91u << true << 0;
    QTest::newRow("Wayland pad Enter is not mapped") << int(Qt::Key_Enter) << rien << 104u << true << 0;
    QTest::newRow("pad codes ignored where they are not XKB")
        << int(Qt::Key_Home) << rien << 79u << false << 0;
    QTest::newRow("navigation keys off the pad give nothing")
        << int(Qt::Key_Home) << rien << 110u << true << 0;

    QTest::newRow("Delete") << int(Qt::Key_Delete) << rien << 119u << true << 46;
    QTest::newRow("pad Delete, Num Lock off") << int(Qt::Key_Delete) << pave << 91u << true << 46;
    QTest::newRow("pad minus") << int(Qt::Key_Minus) << pave << 82u << true << 109;
    QTest::newRow("main minus gives nothing") << int(Qt::Key_Minus) << rien << 20u << true << 0;
    QTest::newRow("AZERTY main minus (6 key) is 6") << int(Qt::Key_Minus) << rien << 15u << true << 54;
    QTest::newRow("Backspace gives nothing") << int(Qt::Key_Backspace) << rien << 22u << true << 0;
    QTest::newRow("Return is not mapped") << int(Qt::Key_Return) << rien << 36u << true << 0;
    QTest::newRow("pad Enter is not mapped") << int(Qt::Key_Enter) << pave << 104u << true << 0;
    QTest::newRow("Space is not mapped") << int(Qt::Key_Space) << rien << 65u << true << 0;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << rien << 50u << true << 16;
    QTest::newRow("Num Lock") << int(Qt::Key_NumLock) << rien << 77u << true << 144;
    QTest::newRow("Num Lock with the keypad flag") << int(Qt::Key_NumLock) << pave << 77u << true << 144;
    QTest::newRow("a letter gives nothing") << int(Qt::Key_A) << rien << 38u << true << 0;
}

void tst_touches::code_virtuel()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(quint32, scan);
    QFETCH(bool, xkb);
    QFETCH(int, attendu);

    QCOMPARE(touches::code_virtuel(key, modifiers, scan, xkb), attendu);
}

QTEST_APPLESS_MAIN(tst_touches)
#include "tst_touches.moc"
