// SPDX-License-Identifier: GPL-3.0-or-later
// Answer entry: the typing rule, erasing, the blinking cursor, OK and keys.
#include "banc_exercice.h"

#include <QTest>

namespace {

// Plays a sequence on the keypad: digits and '-' are keys, 'e' erases and
// 'c' is one tick of the cursor's timer.
void joue(BancExercice &b, const QString &sequence)
{
    for (QChar c : sequence) {
        if (c == QLatin1Char('e'))
            b.exercice.button_correctionClick();
        else if (c == QLatin1Char('c'))
            b.exercice.Timer_panel_actifTimer();
        else if (c == QLatin1Char('-'))
            b.exercice.Button_Click();
        else
            b.exercice.Button_chiffreClick(c);
    }
}

const QString panel2 = QStringLiteral("Panel2");
const QString clignote = QStringLiteral("Timer_panel_actif");

} // namespace

class TstSaisie : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_banc = std::make_unique<BancExercice>();
        m_banc->demarre();
    }

    void regle_de_frappe_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("curseur_actif");

        QTest::newRow("any key on an empty answer") << "5" << "5" << false;
        QTest::newRow("zero alone") << "0" << "0" << false;
        QTest::newRow("zero then digit stays zero") << "07" << "0" << false;
        QTest::newRow("zero then zero stays zero") << "00" << "0" << false;
        QTest::newRow("zero then minus stays zero") << "0-" << "0" << false;
        QTest::newRow("minus alone") << "-" << "-" << false;
        QTest::newRow("minus then zero stays minus") << "-0" << "-" << false;
        QTest::newRow("minus then minus stays minus") << "--" << "-" << false;
        QTest::newRow("minus then digit") << "-4" << "-4" << false;
        QTest::newRow("digit then minus stays") << "7-" << "7" << false;
        QTest::newRow("digit then zero") << "10" << "10" << false;
        QTest::newRow("two digits") << "12" << "12" << false;
        QTest::newRow("two digits then digit stays") << "123" << "12" << false;
        QTest::newRow("two digits then zero stays") << "120" << "12" << false;
        QTest::newRow("two digits then minus stays") << "12-" << "12" << false;
        QTest::newRow("minus one then zero gives minus ten") << "-10" << "-10" << false;
        QTest::newRow("minus and two digits") << "-99" << "-99" << false;
        QTest::newRow("minus two digits then digit stays") << "-123" << "-12" << false;
        QTest::newRow("minus two digits then minus stays") << "-12-" << "-12" << false;
        QTest::newRow("minus two digits then zero stays") << "-120" << "-12" << false;
        QTest::newRow("key on the cursor replaces it") << "c5" << "5" << false;
        QTest::newRow("key in the dark phase is the whole text") << "cc5" << "5" << false;
        QTest::newRow("zero on the cursor") << "c0" << "0" << false;
        QTest::newRow("minus on the cursor") << "c-" << "-" << false;
        QTest::newRow("erasing minus five leaves minus") << "-5e" << "-" << false;
        QTest::newRow("erasing minus leaves the blinking cursor") << "-e" << "_" << true;
        QTest::newRow("erasing the cursor leaves the cursor") << "ce" << "_" << true;
        QTest::newRow("erasing the dark phase leaves the cursor") << "e" << "_" << true;
        QTest::newRow("erasing twice on one digit") << "5ee" << "_" << true;
        QTest::newRow("erase then retype") << "12e3" << "13" << false;
        QTest::newRow("erase minus ten then digit") << "-10e5" << "-15" << false;
        QTest::newRow("erase zero then sign") << "0e-" << "-" << false;
        QTest::newRow("typing after the cursor returns") << "-ec7" << "7" << false;
    }

    void regle_de_frappe()
    {
        QFETCH(QString, sequence);
        QFETCH(QString, texte);
        QFETCH(bool, curseur_actif);

        joue(*m_banc, sequence);
        QCOMPARE(m_banc->vue.texte(panel2), texte);
        QCOMPARE(m_banc->vue.tourne(clignote), curseur_actif);
        QCOMPARE(m_banc->vue.focus(), QStringLiteral("buttonok"));
    }

    void le_curseur_clignote_tant_que_la_reponse_est_vide()
    {
        QVERIFY(m_banc->vue.tourne(clignote));
        QCOMPARE(m_banc->vue.texte(panel2), QString());
        m_banc->exercice.Timer_panel_actifTimer();
        QCOMPARE(m_banc->vue.texte(panel2), QStringLiteral("_"));
        m_banc->exercice.Timer_panel_actifTimer();
        QCOMPARE(m_banc->vue.texte(panel2), QString());
        m_banc->exercice.Button_chiffreClick(QLatin1Char('3'));
        QVERIFY(!m_banc->vue.tourne(clignote));
    }

    void ok_refuse_une_reponse_incomplete_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::newRow("empty answer") << "";
        QTest::newRow("cursor") << "c";
        QTest::newRow("lone minus") << "-";
    }

    void ok_refuse_une_reponse_incomplete()
    {
        QFETCH(QString, sequence);
        joue(*m_banc, sequence);
        const QString avant = m_banc->vue.texte(panel2);
        const int score = m_banc->etat.score;

        m_banc->exercice.ButtonOKClick();
        QVERIFY(m_banc->vue.actif(QStringLiteral("ButtonOK")));
        QVERIFY(m_banc->exercice.ok_actif());
        QCOMPARE(m_banc->vue.texte(panel2), avant);
        QCOMPARE(m_banc->etat.score, score);
        QVERIFY(!m_banc->vue.visible(QStringLiteral("Image_oui_faux")));
        QCOMPARE(m_banc->etat.reussites[m_banc->etat.type_question]
                     + m_banc->etat.erreurs[m_banc->etat.type_question],
                 0);
    }

    void ok_remet_une_reponse_complete()
    {
        m_banc->repond(m_banc->etat.texte_resultat);
        QVERIFY(!m_banc->vue.actif(QStringLiteral("ButtonOK")));
        QVERIFY(!m_banc->exercice.ok_actif());
        QCOMPARE(m_banc->etat.score, 1);
        // A second press while the answer is judged changes nothing.
        m_banc->exercice.ButtonOKClick();
        QCOMPARE(m_banc->etat.score, 1);
    }

    void ok_ne_fait_rien_pendant_l_exercice_de_soustraction()
    {
        m_banc->etat.etat_soustraction = EtatSoustraction::AdditionAvecIndice;
        m_banc->repond(m_banc->etat.texte_resultat);
        QCOMPARE(m_banc->etat.score, 0);
        QVERIFY(m_banc->vue.actif(QStringLiteral("ButtonOK")));
    }

    void touches_du_clavier_data()
    {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("texte");

        QTest::newRow("main keyboard 0") << "" << 48 << "0";
        QTest::newRow("main keyboard 9") << "" << 57 << "9";
        QTest::newRow("main keyboard 4 after 1") << "1" << 52 << "14";
        QTest::newRow("numeric pad 0 after minus is refused") << "-" << 96 << "-";
        QTest::newRow("numeric pad 7 after minus") << "-" << 103 << "-7";
        QTest::newRow("numeric pad 9") << "" << 105 << "9";
        QTest::newRow("numeric pad minus") << "" << 109 << "-";
        QTest::newRow("Delete erases") << "-5" << 46 << "-";
        QTest::newRow("Delete on one digit gives the cursor") << "5" << 46 << "_";
        QTest::newRow("Backspace does nothing") << "-5" << 8 << "-5";
        QTest::newRow("main keyboard minus does nothing") << "" << 189 << "";
        QTest::newRow("letter A does nothing") << "3" << 65 << "3";
        QTest::newRow("code below the digits does nothing") << "3" << 47 << "3";
        QTest::newRow("code above the pad digits does nothing") << "3" << 106 << "3";
    }

    void touches_du_clavier()
    {
        QFETCH(QString, avant);
        QFETCH(int, code);
        QFETCH(QString, texte);
        joue(*m_banc, avant);
        m_banc->exercice.ButtonOKKeyUp(code);
        QCOMPARE(m_banc->vue.texte(panel2), texte);
    }

    void les_touches_ne_tapent_plus_une_fois_la_reponse_remise()
    {
        m_banc->repond(QStringLiteral("55"));
        const QString remise = m_banc->vue.texte(panel2);
        m_banc->exercice.ButtonOKKeyUp(46);
        m_banc->exercice.ButtonOKKeyUp(49);
        QCOMPARE(m_banc->vue.texte(panel2), remise);
    }

    void verrous_du_clavier_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("forcages");
        QTest::newRow("Num Lock forces the toggles") << 144 << 1;
        QTest::newRow("Shift forces the toggles") << 16 << 1;
        QTest::newRow("Caps Lock itself does not") << 20 << 0;
        QTest::newRow("a digit does not") << 49 << 0;
    }

    void verrous_du_clavier()
    {
        QFETCH(int, code);
        QFETCH(int, forcages);
        const int avant = m_banc->vue.verrous_forces();
        m_banc->exercice.FormKeyUp(code);
        QCOMPARE(m_banc->vue.verrous_forces() - avant, forcages);
    }

private:
    std::unique_ptr<BancExercice> m_banc;
};

QTEST_APPLESS_MAIN(TstSaisie)
#include "tst_saisie.moc"
