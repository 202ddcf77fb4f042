// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The design names of the main window's controls and timers: the window
// gives them as objectName, the drill addresses them through its view, and
// the tests' fake view refuses any other. A misspelt name is a compile
// error rather than a request that silently finds nothing.
namespace general {

// The question line and the answer panel.
inline const QString Panel1 = QStringLiteral("Panel1");
inline const QString Label_question = QStringLiteral("Label_question");
inline const QString Label1 = QStringLiteral("Label1");
inline const QString Panel2 = QStringLiteral("Panel2");
inline const QString Image_faux2 = QStringLiteral("Image_faux2");
inline const QString Image_oui_faux = QStringLiteral("Image_oui_faux");

// The keypad.
inline const QString Button_ = QStringLiteral("Button_");
inline const QString ButtonOK = QStringLiteral("ButtonOK");
inline const QString button_correction = QStringLiteral("button_correction");

// The correction line, its prompt and the rule captions.
inline const QString Panel6 = QStringLiteral("Panel6");
inline const QString Label17 = QStringLiteral("Label17");
inline const QString Button10 = QStringLiteral("Button10");
inline const QString EffectLabel9 = QStringLiteral("EffectLabel9");
inline const QString EffectLabel10 = QStringLiteral("EffectLabel10");

// The score display: the gauge and its cover, the level pictures, the LEDs.
inline const QString Image1 = QStringLiteral("Image1");
inline const QString Image2 = QStringLiteral("Image2");
inline const QString Image7 = QStringLiteral("Image7");
inline const QString Image8 = QStringLiteral("Image8");
inline const QString Image9 = QStringLiteral("Image9");
inline const QString LedMatrix1 = QStringLiteral("LedMatrix1");
inline const QString LedMatrix2 = QStringLiteral("LedMatrix2");
inline const QString LedMatrix3 = QStringLiteral("LedMatrix3");
// The LED cells in the order of their chain.
inline constexpr const QString *leds[] = {&LedMatrix1, &LedMatrix2, &LedMatrix3};

// Timers.
inline const QString timer_oui = QStringLiteral("timer_oui");
inline const QString timer_couleur = QStringLiteral("timer_couleur");
inline const QString Timer_panel_actif = QStringLiteral("Timer_panel_actif");
inline const QString Timer_fin_bravo = QStringLiteral("Timer_fin_bravo");

// Digit key "Button0".."Button9".
inline QString chiffre(int c)
{
    return QStringLiteral("Button%1").arg(c);
}

// Label n of the correction line, "Label4".."Label8".
inline QString terme(int n)
{
    return QStringLiteral("Label%1").arg(n);
}
constexpr int premier_terme = 4;
constexpr int dernier_terme = 8;

// Every name the drill may address, the numbered families included.
inline const QStringList &tous()
{
    static const QStringList noms = [] {
        QStringList n{Panel1, Label_question, Label1, Panel2, Image_faux2, Image_oui_faux,
                      Button_, ButtonOK, button_correction, Panel6, Label17, Button10,
                      EffectLabel9, EffectLabel10, Image1, Image2, Image7, Image8, Image9,
                      LedMatrix1, LedMatrix2, LedMatrix3, timer_oui, timer_couleur,
                      Timer_panel_actif, Timer_fin_bravo};
        for (int c = 0; c <= 9; ++c)
            n << chiffre(c);
        for (int t = premier_terme; t <= dernier_terme; ++t)
            n << terme(t);
        return n;
    }();
    return noms;
}

} // namespace general
