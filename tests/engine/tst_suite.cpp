// SPDX-License-Identifier: GPL-3.0-or-later
// After an answer: the right-answer pause, the correction line's blinking
// and dismissal, the rule windows handing back, and the end of a level.
#include "banc_exercice.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString leds[] = {QStringLiteral("LedMatrix1"), QStringLiteral("LedMatrix2"),
                        QStringLiteral("LedMatrix3")};

} // namespace

class TstSuite : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_banc = std::make_unique<BancExercice>();
        m_banc->demarre();
    }

    void fin_de_niveau_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("bravo");
        QTest::addColumn<bool>("niveau_suivant");
        QTest::addColumn<bool>("felicitations");

        QTest::newRow("level 1 at 20") << 1 << 20 << true << true << false;
        QTest::newRow("level 2 at 20") << 2 << 20 << true << true << false;
        QTest::newRow("level 1 at 19 goes on") << 1 << 19 << false << false << false;
        QTest::newRow("level 3 at 20 goes on") << 3 << 20 << false << false << false;
        QTest::newRow("level 3 at 40 ends the drill") << 3 << 40 << true << false << true;
    }

    void fin_de_niveau()
    {
        QFETCH(int, niveau);
        QFETCH(int, score);
        QFETCH(bool, bravo);
        QFETCH(bool, niveau_suivant);
        QFETCH(bool, felicitations);

        BancExercice &banc = *m_banc;
        const VueFactice &vue = banc.vue;
        banc.exercice.initialise_niveau(niveau);
        banc.etat.score = score;
        const QString question = banc.etat.dernieres_questions[1];
        banc.exercice.avant_de_poser_la_question();

        QCOMPARE(banc.etat.dernieres_questions[1].texte() == question, bravo);
        QCOMPARE(vue.led(leds[0]) == QStringLiteral("BRAVO "), bravo);
        const int gauches[] = {bravo ? 565 : 574, bravo ? 583 : 592, bravo ? 601 : 592};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(vue.geometrie(leds[i]).left(), gauches[i]);
            QCOMPARE(vue.defile(leds[i]), bravo);
        }
        QCOMPARE(vue.tourne(QStringLiteral("Timer_fin_bravo")), niveau_suivant);
        QCOMPARE(vue.texte(QStringLiteral("Label_question")) == QStringLiteral("Félicitations!!!"),
                 felicitations);
        QCOMPARE(vue.visible(QStringLiteral("Panel2")), !felicitations);
        QCOMPARE(vue.visible(QStringLiteral("Label1")), !felicitations);
        for (const char *touche : {"Button_", "Button0", "Button7", "ButtonOK", "button_correction"})
            QCOMPARE(vue.visible(QString::fromLatin1(touche)), !felicitations);
        QCOMPARE(vue.visible(QStringLiteral("EffectLabel10")), felicitations);
        if (felicitations) {
            // "Félicitations!!!": 16 characters, 160 px.
            QCOMPARE(vue.geometrie(QStringLiteral("Panel1")).width(), 190);
            QCOMPARE(vue.texte(QStringLiteral("EffectLabel10")),
                     QStringLiteral("Tu dois maintenant effectuer un test."));
            QCOMPARE(vue.geometrie(QStringLiteral("EffectLabel10")), QRect(84, 116, 441, 37));
            QCOMPARE(vue.taille(QStringLiteral("EffectLabel10")), 18);
        }
    }

    void le_bandeau_mene_au_niveau_suivant()
    {
        BancExercice &banc = *m_banc;
        banc.etat.score = 20;
        banc.exercice.avant_de_poser_la_question();
        banc.exercice.Timer_fin_bravoTimer();

        QCOMPARE(banc.etat.niveau, 2);
        QCOMPARE(banc.etat.score, 0);
        QCOMPARE(banc.etat.type_question, 22);
        QCOMPARE(banc.etat.rang_question, 1);
        QVERIFY(!banc.vue.tourne(QStringLiteral("Timer_fin_bravo")));
        QCOMPARE(banc.vue.led(leds[0]), QStringLiteral("000"));
        QCOMPARE(banc.vue.geometrie(leds[2]).left(), 592);
        QVERIFY(!banc.vue.defile(leds[0]));
        QCOMPARE(banc.vue.titre(), QStringLiteral("Second niveau: la soustraction"));
        QCOMPARE(banc.vue.texte(QStringLiteral("Label_question")), banc.etat.texte_question.texte());
    }

    void la_pause_oui_pose_la_question_suivante()
    {
        BancExercice &banc = *m_banc;
        banc.repond(banc.etat.texte_resultat);
        QCOMPARE(banc.etat.rang_question, 2);
        banc.exercice.timer_ouiTimer();
        QVERIFY(!banc.vue.tourne(QStringLiteral("timer_oui")));
        QVERIFY(!banc.vue.visible(QStringLiteral("Image_oui_faux")));
        QCOMPARE(banc.etat.type_question, 12);
        QVERIFY(banc.vue.actif(QStringLiteral("ButtonOK")));
        QCOMPARE(banc.vue.texte(QStringLiteral("Panel2")), QString());
    }

    void une_fenetre_de_regle_rend_la_main()
    {
        BancExercice &banc = *m_banc;
        banc.impose_question(22, 3, 7, 4);
        QSignalSpy ouverte(&banc.exercice, &Exercice::fenetre_regle_ouverte);
        QSignalSpy poursuivi(&banc.exercice, &Exercice::exercice_poursuivi);
        banc.repond(QStringLiteral("4"));
        QCOMPARE(banc.etat.etat_soustraction, EtatSoustraction::AdditionPosee);
        QCOMPARE(ouverte.count(), 1);
        QCOMPARE(ouverte.first().first().value<FenetreRegle>(), FenetreRegle::RegleSoustraction);
        const QString avant = banc.etat.dernieres_questions[1];
        // The correction line is not there: Button10 has nothing to resume.
        banc.exercice.Button10Click();
        // Nor has a rules window opened from the menu meanwhile.
        banc.exercice.regle1Click();
        banc.exercice.fenetre_regle_finie(FenetreRegle::ReglesAddition);
        QCOMPARE(banc.etat.dernieres_questions[1].texte(), avant);
        QCOMPARE(banc.etat.etat_soustraction, EtatSoustraction::AdditionPosee);
        QCOMPARE(poursuivi.count(), 0);
        banc.exercice.fenetre_regle_finie(FenetreRegle::RegleSoustraction);
        QCOMPARE(banc.etat.etat_soustraction, EtatSoustraction::Aucun);
        QCOMPARE(poursuivi.count(), 1);
        QCOMPARE(banc.etat.type_question, 22);
        QVERIFY(banc.etat.dernieres_questions[1].texte() != avant);
        QVERIFY(banc.vue.actif(QStringLiteral("Button3")));
    }

    void ok_de_la_ligne_de_correction()
    {
        BancExercice &banc = *m_banc;
        banc.impose_question(16, -3, -8, 8);
        banc.repond(QStringLiteral("-12"));
        banc.exercice.Button10Click();
        for (const char *nom : {"Panel6", "Label17", "Button10", "EffectLabel9", "EffectLabel10", "Image_oui_faux"})
            QVERIFY2(!banc.vue.visible(QString::fromLatin1(nom)), nom);
        QCOMPARE(banc.vue.image(QStringLiteral("Image_oui_faux")), QStringLiteral("bitmap_13"));
        QVERIFY(!banc.vue.visible(QStringLiteral("Image_faux2")));
        // A miscount keeps the slot: the same type comes again.
        QCOMPARE(banc.etat.type_question, 16);
        QCOMPARE(banc.etat.rang_question, 1);
        QVERIFY(banc.vue.actif(QStringLiteral("ButtonOK")));
    }

    void clignotement_de_la_ligne_de_soustraction()
    {
        BancExercice &banc = *m_banc;
        const QString label5 = Exercice::labl(5);
        const QString label7 = Exercice::labl(7);
        // An addition line leaves Label5 yellow; Label7 keeps its blue.
        banc.impose_question(9, 8, -3, 12);
        banc.repond(QStringLiteral("-5"));
        QCOMPARE(banc.vue.couleur_police(label5), couleurs::jaune);
        banc.exercice.Button10Click();

        banc.impose_question(22, 3, 7, 12);
        banc.repond(QStringLiteral("4"));
        QVERIFY(banc.vue.tourne(QStringLiteral("timer_couleur")));
        banc.exercice.timer_couleurTimer();
        QCOMPARE(banc.vue.couleur_police(label5), couleurs::bleu);
        QCOMPARE(banc.vue.couleur_police(label7), couleurs::jaune);
        banc.exercice.timer_couleurTimer();
        QCOMPARE(banc.vue.couleur_police(label5), couleurs::jaune);
        QCOMPARE(banc.vue.couleur_police(label7), couleurs::bleu);
        banc.exercice.Button10Click();
        QVERIFY(!banc.vue.tourne(QStringLiteral("timer_couleur")));
    }

    void menu_des_regles_data()
    {
        QTest::addColumn<int>("entree");
        QTest::addColumn<int>("fenetre");
        QTest::addColumn<int>("regle");
        QTest::newRow("Règle 1") << 1 << int(FenetreRegle::ReglesAddition) << 1;
        QTest::newRow("Règle 2") << 2 << int(FenetreRegle::ReglesAddition) << 2;
        QTest::newRow("Règle 3") << 3 << int(FenetreRegle::RegleSoustraction) << 0;
    }

    void menu_des_regles()
    {
        QFETCH(int, entree);
        QFETCH(int, fenetre);
        QFETCH(int, regle);
        BancExercice &banc = *m_banc;
        void (Exercice::*entrees[])() = {&Exercice::regle1Click, &Exercice::regle2Click,
                                         &Exercice::regle3Click};
        (banc.exercice.*entrees[entree - 1])();
        QCOMPARE(banc.vue.fenetres(), QList<FenetreRegle>{FenetreRegle(fenetre)});
        QCOMPARE(banc.etat.regle_choisie, regle);
        QCOMPARE(banc.etat.etat_soustraction, EtatSoustraction::Aucun);
        QVERIFY(banc.exercice.ok_actif());
    }

private:
    std::unique_ptr<BancExercice> m_banc;
};

QTEST_APPLESS_MAIN(TstSuite)
#include "tst_suite.moc"
