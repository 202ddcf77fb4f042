// SPDX-License-Identifier: GPL-3.0-or-later
// Judging an answer: outcome, score, counters, pictures, correction lines,
// rule captions and rule windows.
#include "banc_exercice.h"

#include <QTest>

#include <optional>

namespace {

enum Issue { Juste, Calcul, Regle };
enum Montre { Rien, LigneAddition, LigneSoustraction, Fenetre };

const QString el9 = QStringLiteral("EffectLabel9");
const QString el10 = QStringLiteral("EffectLabel10");

} // namespace

Q_DECLARE_METATYPE(Couleur)

class TstCorrection : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_banc = std::make_unique<BancExercice>();
        m_banc->demarre();
    }

    void corrige_reponse_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<int>("score_avant");
        QTest::addColumn<int>("issue");
        QTest::addColumn<int>("score_apres");
        QTest::addColumn<int>("montre");
        QTest::addColumn<int>("fenetre"); // FenetreRegle, or -1
        QTest::addColumn<int>("regle_choisie");

        using enum FenetreRegle;
        const int aucune = -1;
        QTest::newRow("(-3)+(-8) right") << 16 << -3 << -8 << "-11" << 4 << +Juste << 5 << +Rien << aucune << 0;
        QTest::newRow("(-3)+(-8) answered -12 miscounts") << 16 << -3 << -8 << "-12" << 8 << +Calcul << 6 << +LigneAddition << aucune << 0;
        QTest::newRow("(-3)+(-8) answered -10 miscounts") << 16 << -3 << -8 << "-10" << 4 << +Calcul << 3 << +LigneAddition << aucune << 0;
        QTest::newRow("(-3)+(-8) answered -8 below 10 opens rule 2") << 16 << -3 << -8 << "-8" << 9 << +Regle << 4 << +Fenetre << int(ReglesAddition) << 2;
        QTest::newRow("(-3)+(-8) answered 11 at 12 shows rule 2") << 16 << -3 << -8 << "11" << 12 << +Regle << 6 << +LigneAddition << aucune << 0;
        QTest::newRow("8+(-3) answered 4 miscounts") << 9 << 8 << -3 << "4" << 5 << +Calcul << 3 << +LigneAddition << aucune << 0;
        QTest::newRow("8+(-3) answered -5 opens the addition-error window") << 9 << 8 << -3 << "-5" << 3 << +Regle << 1 << +Fenetre << int(ErreurAddition) << 0;
        QTest::newRow("8+(-3) answered 11 at 10 shows the line alone") << 9 << 8 << -3 << "11" << 10 << +Regle << 5 << +LigneAddition << aucune << 0;
        QTest::newRow("8+(-3) answered 0 is a rule error") << 9 << 8 << -3 << "0" << 0 << +Regle << 0 << +Fenetre << int(ErreurAddition) << 0;
        QTest::newRow("4+(-4) at 9 opens rule 1") << 8 << 4 << -4 << "8" << 9 << +Regle << 4 << +Fenetre << int(ReglesAddition) << 1;
        QTest::newRow("4+(-4) at 10 shows rule 1") << 8 << 4 << -4 << "8" << 10 << +Regle << 5 << +LigneAddition << aucune << 0;
        QTest::newRow("(-5)+5 at 3 opens rule 1") << 12 << -5 << 5 << "-10" << 3 << +Regle << 1 << +Fenetre << int(ReglesAddition) << 1;
        QTest::newRow("0+(-6) shows zero is neutral") << 7 << 0 << -6 << "6" << 3 << +Regle << 1 << +LigneAddition << aucune << 0;
        QTest::newRow("(-6)+0 at 15 shows zero is neutral") << 11 << -6 << 0 << "6" << 15 << +Regle << 7 << +LigneAddition << aucune << 0;
        QTest::newRow("(-4)+(-4) answered -9 miscounts") << 15 << -4 << -4 << "-9" << 13 << +Calcul << 9 << +LigneAddition << aucune << 0;
        QTest::newRow("score 1 and a miscount gives 0") << 15 << -4 << -4 << "-9" << 1 << +Calcul << 0 << +LigneAddition << aucune << 0;
        QTest::newRow("(-4)+(-4) answered -4 is a rule error") << 15 << -4 << -4 << "-4" << 6 << +Regle << 3 << +Fenetre << int(ReglesAddition) << 2;
        QTest::newRow("3-7 below 10 opens the subtraction window") << 22 << 3 << 7 << "4" << 5 << +Regle << 2 << +Fenetre << int(RegleSoustraction) << 0;
        QTest::newRow("3-7 at 12 shows the subtraction line") << 22 << 3 << 7 << "4" << 12 << +Regle << 6 << +LigneSoustraction << aucune << 0;
        QTest::newRow("7-0 shows the opposite of zero") << 19 << 7 << 0 << "-7" << 2 << +Regle << 1 << +LigneSoustraction << aucune << 0;
        QTest::newRow("(-5)-0 at 14 shows the opposite of zero") << 28 << -5 << 0 << "5" << 14 << +Regle << 7 << +LigneSoustraction << aucune << 0;
        QTest::newRow("5-(-5) answered 11 miscounts") << 25 << 5 << -5 << "11" << 20 << +Calcul << 15 << +LigneAddition << aucune << 0;
        QTest::newRow("5-(-5) answered 0 at 9 opens the window") << 25 << 5 << -5 << "0" << 9 << +Regle << 4 << +Fenetre << int(RegleSoustraction) << 0;
        QTest::newRow("(-3)-(-8) answered 4 miscounts") << 33 << -3 << -8 << "4" << 16 << +Calcul << 12 << +LigneAddition << aucune << 0;
        QTest::newRow("(-3)-(-8) answered 8 is a rule error") << 33 << -3 << -8 << "8" << 16 << +Regle << 8 << +LigneSoustraction << aucune << 0;
        QTest::newRow("6-6 answered 12 opens the window") << 21 << 6 << 6 << "12" << 4 << +Regle << 2 << +Fenetre << int(RegleSoustraction) << 0;
        QTest::newRow("19-(-7) right at 39") << 26 << 19 << -7 << "26" << 39 << +Juste << 40 << +Rien << aucune << 0;
    }

    void corrige_reponse()
    {
        QFETCH(int, type);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, reponse);
        QFETCH(int, score_avant);
        QFETCH(int, issue);
        QFETCH(int, score_apres);
        QFETCH(int, montre);
        QFETCH(int, fenetre);
        QFETCH(int, regle_choisie);

        BancExercice &banc = *m_banc;
        const VueFactice &vue = banc.vue;
        banc.etat.niveau = 3;
        banc.etat.rang_question = 7;
        banc.impose_question(type, a, b, score_avant);
        banc.repond(reponse);

        QCOMPARE(banc.etat.score, score_apres);
        QCOMPARE(banc.etat.reussites[type], issue == Regle ? 0 : 1);
        QCOMPARE(banc.etat.erreurs[type], issue == Regle ? 1 : 0);
        QCOMPARE(banc.etat.rang_question, issue == Juste ? 8 : 7);
        QCOMPARE(vue.led(QStringLiteral("LedMatrix1")), presentation::texte_led_score(score_apres));

        QVERIFY(vue.visible(QStringLiteral("Image_oui_faux")));
        QVERIFY(!vue.actif(QStringLiteral("ButtonOK")));
        QCOMPARE(vue.actif(QStringLiteral("Button5")), issue == Juste);
        QCOMPARE(vue.actif(QStringLiteral("button_correction")), issue == Juste);
        if (issue == Juste) {
            QCOMPARE(vue.image(QStringLiteral("Image_oui_faux")), QStringLiteral("bitmap_13"));
            QVERIFY(!vue.visible(QStringLiteral("Image_faux2")));
            QVERIFY(vue.tourne(QStringLiteral("timer_oui")));
            QCOMPARE(vue.intervalle(QStringLiteral("timer_oui")), 250);
        } else {
            QCOMPARE(vue.image(QStringLiteral("Image_oui_faux")), QStringLiteral("bitmap_14"));
            QCOMPARE(vue.image(QStringLiteral("Image_faux2")), QStringLiteral("bitmap_5"));
            QVERIFY(vue.visible(QStringLiteral("Image_faux2")));
            QVERIFY(!vue.tourne(QStringLiteral("timer_oui")));
        }

        const bool ligne = montre == LigneAddition || montre == LigneSoustraction;
        QCOMPARE(vue.visible(QStringLiteral("Panel6")), ligne);
        QCOMPARE(vue.visible(QStringLiteral("Label17")), ligne);
        QCOMPARE(vue.visible(QStringLiteral("Button10")), ligne);
        QCOMPARE(vue.tourne(QStringLiteral("timer_couleur")), montre == LigneSoustraction);
        if (montre == LigneAddition) {
            QCOMPARE(vue.texte(QStringLiteral("Label4")), banc.etat.texte_question.texte());
            QCOMPARE(vue.texte(QStringLiteral("Label5")), QStringLiteral("="));
            QCOMPARE(vue.texte(QStringLiteral("Label6")), banc.etat.texte_resultat.texte());
            QCOMPARE(vue.texte(QStringLiteral("Label7")), QString());
        }

        QCOMPARE(vue.fenetres().size(), fenetre < 0 ? 0 : 1);
        if (fenetre >= 0)
            QCOMPARE(vue.fenetres().first(), FenetreRegle(fenetre));
        QCOMPARE(banc.etat.regle_choisie, regle_choisie);
        QCOMPARE(banc.etat.etat_soustraction, fenetre == int(FenetreRegle::RegleSoustraction)
                                                  ? EtatSoustraction::AdditionPosee
                                                  : EtatSoustraction::Aucun);
    }

    void ligne_simple_mise_en_page()
    {
        // 10 px per character: "(-3)+(-8)" 90, "=" 10, "-11" 30.
        m_banc->impose_question(16, -3, -8, 8);
        m_banc->repond(QStringLiteral("-12"));
        const VueFactice &vue = m_banc->vue;
        const int gauches[] = {15, 106, 117, 148, 149};
        const int largeurs[] = {90, 10, 30, 0, 0};
        for (int n = 4; n <= 8; ++n) {
            QCOMPARE(vue.geometrie(Exercice::labl(n)).left(), gauches[n - 4]);
            QCOMPARE(vue.geometrie(Exercice::labl(n)).width(), largeurs[n - 4]);
        }
        QCOMPARE(vue.geometrie(QStringLiteral("Panel6")), QRect(66, 94, 160, 69));
        QCOMPARE(vue.fond(QStringLiteral("Panel6")), couleurs::rouge);
        for (int n = 4; n <= 6; ++n)
            QCOMPARE(vue.couleur_police(Exercice::labl(n)), couleurs::jaune);
    }

    void ligne_de_soustraction_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QStringList>("textes");

        QTest::newRow("3-7") << 22 << 3 << 7 << "4" << QStringList{"3", "-7", " = 3", "+(-7)", " = -4"};
        QTest::newRow("5-(-5)") << 25 << 5 << -5 << "0" << QStringList{"5", "-(-5)", " = 5", "+5", " = 10"};
        QTest::newRow("(-5)-0") << 28 << -5 << 0 << "5" << QStringList{"-5", "-0", " = -5", "+0", " = -5"};
        QTest::newRow("7-0") << 19 << 7 << 0 << "-7" << QStringList{"7", "-0", " = 7", "+0", " = 7"};
        QTest::newRow("0-(-6)") << 24 << 0 << -6 << "-6" << QStringList{"0", "-(-6)", " = 0", "+6", " = 6"};
        QTest::newRow("0-4") << 20 << 0 << 4 << "4" << QStringList{"0", "-4", " = 0", "+(-4)", " = -4"};
        QTest::newRow("(-8)-(-3)") << 34 << -8 << -3 << "5" << QStringList{"-8", "-(-3)", " = -8", "+3", " = -5"};
        QTest::newRow("(-5)-12") << 30 << -5 << 12 << "17" << QStringList{"-5", "-12", " = -5", "+(-12)", " = -17"};
    }

    void ligne_de_soustraction()
    {
        QFETCH(int, type);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, reponse);
        QFETCH(QStringList, textes);

        m_banc->impose_question(type, a, b, 12);
        m_banc->repond(reponse);
        const VueFactice &vue = m_banc->vue;
        int gauche = 10;
        for (int n = 4; n <= 8; ++n) {
            QCOMPARE(vue.texte(Exercice::labl(n)), textes[n - 4]);
            QCOMPARE(vue.geometrie(Exercice::labl(n)).left(), gauche);
            gauche += 10 * textes[n - 4].size();
        }
        QCOMPARE(vue.geometrie(QStringLiteral("Panel6")).width(), gauche - 10 + 20);
        QVERIFY(vue.tourne(QStringLiteral("timer_couleur")));
    }

    void legendes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("texte9");
        QTest::addColumn<QRect>("place9");
        QTest::addColumn<Couleur>("couleur9");
        QTest::addColumn<QString>("texte10");
        QTest::addColumn<QRect>("place10");
        QTest::addColumn<Couleur>("couleur10");

        using namespace couleurs;
        const QRect nulle;
        // Panel6 at left 66; its right edge follows the line's width.
        QTest::newRow("rule 1: 4+(-4), panel 110 wide")
            << 8 << 4 << -4 << "8" << 10 << "Règle n°1:" << QRect(186, 85, 126, 36) << marron
            << "les opposés s'éliminent" << QRect(186, 115, 151, 71) << rouge;
        QTest::newRow("rule 2: (-4)+(-4), panel 150 wide")
            << 15 << -4 << -4 << "8" << 12 << "Règle n°2:" << QRect(226, 85, 126, 36) << marron
            << "les négatifs \"s'ajoutent\"" << QRect(226, 115, 151, 71) << rouge;
        QTest::newRow("zero is neutral: 0+(-6), panel 120 wide")
            << 7 << 0 << -6 << "6" << 3 << "Zéro est neutre pour l'addition"
            << QRect(196, 104, 193, 70) << rouge << "neutre" << QRect(295, 104, 77, 25) << marron;
        QTest::newRow("opposite of zero: 7-0")
            << 19 << 7 << 0 << "-7" << 2 << "l'opposé de zéro est zéro" << QRect(192, 336, 353, 41)
            << orange << QString() << nulle << Couleur{};
        QTest::newRow("mental calculation: (-3)+(-8), panel 160 wide")
            << 16 << -3 << -8 << "-12" << 8 << QString() << nulle << Couleur{}
            << "Erreur de calcul mental!" << QRect(236, 104, 161, 54) << orange;
        QTest::newRow("no caption: 8+(-3) at 10")
            << 9 << 8 << -3 << "11" << 10 << QString() << nulle << Couleur{} << QString() << nulle
            << Couleur{};
        QTest::newRow("no caption: 3-7 at 12")
            << 22 << 3 << 7 << "4" << 12 << QString() << nulle << Couleur{} << QString() << nulle
            << Couleur{};
    }

    void legendes()
    {
        QFETCH(int, type);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, reponse);
        QFETCH(int, score);
        QFETCH(QString, texte9);
        QFETCH(QRect, place9);
        QFETCH(Couleur, couleur9);
        QFETCH(QString, texte10);
        QFETCH(QRect, place10);
        QFETCH(Couleur, couleur10);

        m_banc->impose_question(type, a, b, score);
        m_banc->repond(reponse);
        const VueFactice &vue = m_banc->vue;
        const struct { QString nom, texte; QRect place; Couleur couleur; } attendus[] = {
            {el9, texte9, place9, couleur9},
            {el10, texte10, place10, couleur10},
        };
        for (const auto &attendu : attendus) {
            QCOMPARE(vue.visible(attendu.nom), !attendu.texte.isEmpty());
            if (attendu.texte.isEmpty())
                continue;
            QCOMPARE(vue.texte(attendu.nom), attendu.texte);
            QCOMPARE(vue.geometrie(attendu.nom), attendu.place);
            QVERIFY(vue.couleur_police(attendu.nom) == attendu.couleur);
            QCOMPARE(vue.taille(attendu.nom), 18);
        }
        QCOMPARE(vue.centre(el10), type == 16);
        QCOMPARE(vue.devant().contains(QStringLiteral("effectlabel10")), type == 7);
    }

private:
    std::unique_ptr<BancExercice> m_banc;
};

QTEST_APPLESS_MAIN(TstCorrection)
#include "tst_correction.moc"
