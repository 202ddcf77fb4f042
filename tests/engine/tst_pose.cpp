// SPDX-License-Identifier: GPL-3.0-or-later
// Level start, posing a question, the bounded redraw, the score display and
// the end of a level.
#include "aleatoire_scripte.h"
#include "banc_exercice.h"

#include "niveaux.h"
#include "tables.h"

#include <QTest>

namespace {

// Counts the draws a source gives.
class AleatoireCompte : public SourceAleatoire
{
public:
    double u() override
    {
        ++m_tirages;
        return m_source.u();
    }
    int tirages() const { return m_tirages; }

private:
    AleatoireHorloge m_source{7};
    int m_tirages = 0;
};

const QString clavier[] = {QStringLiteral("Button_"), QStringLiteral("Button0"),
                           QStringLiteral("Button9"), QStringLiteral("ButtonOK"),
                           QStringLiteral("button_correction")};

} // namespace

class TstPose : public QObject
{
    Q_OBJECT

private slots:
    void ecriture_des_questions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("premier_nu");
        QTest::addColumn<QString>("texte");

        QTest::newRow("two negatives") << 16 << -5 << -18 << false << "(-5)+(-18)";
        QTest::newRow("bare first operand") << 16 << -5 << -18 << true << "-5+(-18)";
        QTest::newRow("subtraction of a negative") << 26 << 7 << -3 << false << "7-(-3)";
        QTest::newRow("bare asked on a positive operand") << 26 << 7 << -3 << true << "7-(-3)";
        QTest::newRow("zero first") << 20 << 0 << 12 << false << "0-12";
        QTest::newRow("opposites") << 12 << -19 << 19 << false << "(-19)+19";
        QTest::newRow("zero second") << 28 << -5 << 0 << true << "-5-0";
    }

    void ecriture_des_questions()
    {
        QFETCH(int, type);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, premier_nu);
        QFETCH(QString, texte);
        QCOMPARE(presentation::question(type, a, b, premier_nu), texte);
    }

    void affiche_score_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<QString>("led");

        QTest::newRow("level 1, 0") << 1 << 0 << 320 << "000";
        QTest::newRow("level 1, 5") << 1 << 5 << 240 << "055";
        QTest::newRow("level 1, 9") << 1 << 9 << 180 << "099";
        QTest::newRow("level 1, 10") << 1 << 10 << 160 << "100";
        QTest::newRow("level 2, 7") << 2 << 7 << 210 << "077";
        QTest::newRow("level 2, 19") << 2 << 19 << 20 << "199";
        QTest::newRow("level 2, 20") << 2 << 20 << 0 << "200";
        QTest::newRow("level 3, 0") << 3 << 0 << 320 << "000";
        QTest::newRow("level 3, 9") << 3 << 9 << 257 << "099";
        QTest::newRow("level 3, 20") << 3 << 20 << 160 << "200";
        QTest::newRow("level 3, 23") << 3 << 23 << 139 << "233";
        QTest::newRow("level 3, 39") << 3 << 39 << 17 << "399";
        QTest::newRow("level 3, 40") << 3 << 40 << 0 << "400";
    }

    void affiche_score()
    {
        QFETCH(int, niveau);
        QFETCH(int, score);
        QFETCH(int, hauteur);
        QFETCH(QString, led);

        BancExercice banc;
        banc.etat.niveau = niveau;
        banc.etat.score = score;
        banc.exercice.affiche_score();
        QCOMPARE(banc.vue.geometrie(QStringLiteral("Image2")), QRect(573, 59, 33, hauteur));
        QCOMPARE(banc.vue.led(QStringLiteral("LedMatrix1")), led);
    }

    void initialise_niveau_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("premier_type");
        QTest::addColumn<QStringList>("images");

        QTest::newRow("level 1") << 1 << 8
                                 << QStringList{"bitmap_1", "bitmap_2", "bitmap_19", "bitmap_17", "bitmap_18"};
        QTest::newRow("level 2") << 2 << 22
                                 << QStringList{"bitmap_1", "bitmap_2", "bitmap_16", "bitmap_20", "bitmap_18"};
        QTest::newRow("level 3") << 3 << 0
                                 << QStringList{"bitmap_3", "bitmap_4", "bitmap_16", "bitmap_17", "bitmap_21"};
    }

    void initialise_niveau()
    {
        QFETCH(int, niveau);
        QFETCH(int, premier_type);
        QFETCH(QStringList, images);

        BancExercice banc;
        banc.exercice.initialise_niveau(0);
        QCOMPARE(banc.vue.sauvegardes_clavier(), 1);
        QCOMPARE(banc.vue.verrous_forces(), 1);
        QCOMPARE(banc.vue.texte(QStringLiteral("Label_question")), QString());
        QCOMPARE(banc.etat.vitesse_ciblage, 2.0);

        // Leftovers of an earlier level that the start must clear.
        banc.etat.score = 13;
        banc.etat.etat_soustraction = EtatSoustraction::AdditionEncoreFausse;
        banc.vue.demarre_minuterie(QStringLiteral("timer_oui"));
        banc.vue.demarre_minuterie(QStringLiteral("Timer_fin_bravo"));
        banc.vue.demarre_minuterie(QStringLiteral("timer_couleur"));
        banc.vue.montre(QStringLiteral("Panel6"), true);
        banc.vue.montre(QStringLiteral("EffectLabel10"), true);
        banc.vue.montre(QStringLiteral("Panel2"), false);
        banc.vue.defilement_led(QStringLiteral("LedMatrix2"), true);

        banc.exercice.initialise_niveau(niveau);
        const VueFactice &vue = banc.vue;
        QCOMPARE(vue.titre(), QString::fromUtf8(niveaux::niveau(niveau).titre));
        const QString controles[] = {"Image1", "Image2", "Image7", "Image8", "Image9"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(vue.image(controles[i]), images[i]);
        const int gauches[] = {574, 592, 592};
        for (int i = 0; i < 3; ++i) {
            const QString led = QStringLiteral("LedMatrix%1").arg(i + 1);
            QCOMPARE(vue.geometrie(led).left(), gauches[i]);
            QVERIFY(!vue.defile(led));
        }
        QCOMPARE(vue.led(QStringLiteral("LedMatrix1")), QStringLiteral("000"));
        QCOMPARE(banc.etat.score, 0);
        QCOMPARE(banc.etat.niveau, niveau);
        QCOMPARE(banc.etat.rang_question, 1);
        QCOMPARE(banc.etat.etat_soustraction, EtatSoustraction::Aucun);
        const Niveau &n = niveaux::niveau(niveau);
        QVERIFY(banc.etat.type_question >= n.premier_type && banc.etat.type_question <= n.dernier_type);
        if (premier_type != 0)
            QCOMPARE(banc.etat.type_question, premier_type);
        else
            QVERIFY(tables::repartition_par_defaut[banc.etat.type_question] > 0.0);
        QVERIFY(!vue.tourne(QStringLiteral("timer_oui")));
        QVERIFY(!vue.tourne(QStringLiteral("Timer_fin_bravo")));
        QVERIFY(!vue.tourne(QStringLiteral("timer_couleur")));
        QVERIFY(vue.tourne(QStringLiteral("Timer_panel_actif")));
        for (const char *nom : {"Panel6", "EffectLabel9", "EffectLabel10", "Label17", "Button10", "Image_oui_faux"})
            QVERIFY2(!vue.visible(QString::fromLatin1(nom)), nom);
        for (const char *nom : {"Panel1", "Panel2", "Label1"})
            QVERIFY2(vue.visible(QString::fromLatin1(nom)), nom);
        for (const QString &touche : clavier) {
            QVERIFY(vue.visible(touche));
            QVERIFY(vue.actif(touche));
        }
        QCOMPARE(vue.geometrie(QStringLiteral("Image_oui_faux")).top(), 30);
    }

    void pose_met_en_page_la_ligne_de_question()
    {
        // Slot 1 of level 1 is x+(-x); u = 0.5 draws x = 1 + trunc(0.5 × 19) = 10.
        BancExercice banc(std::make_unique<AleatoireScripte>(QList<double>{0.5}));
        banc.demarre();
        const VueFactice &vue = banc.vue;
        QCOMPARE(banc.etat.texte_question.texte(), QStringLiteral("10+(-10)"));
        QCOMPARE(banc.etat.texte_resultat.texte(), QStringLiteral("0"));
        QCOMPARE(banc.etat.dernieres_questions[1].texte(), QStringLiteral("10+(-10)"));
        QCOMPARE(vue.texte(QStringLiteral("Label_question")), QStringLiteral("10+(-10)"));
        QCOMPARE(vue.geometrie(QStringLiteral("Panel1")), QRect(66, 8, 110, 73));
        QCOMPARE(vue.geometrie(QStringLiteral("Label1")).left(), 186);
        QCOMPARE(vue.geometrie(QStringLiteral("Panel2")).left(), 206);
        QCOMPARE(vue.geometrie(QStringLiteral("Image_oui_faux")), QRect(325, 30, 88, 44));
        QCOMPARE(vue.image(QStringLiteral("Image_oui_faux")), QStringLiteral("bitmap_13"));
        QCOMPARE(vue.fond(QStringLiteral("Panel2")), couleurs::argent);
        QCOMPARE(vue.focus(), QStringLiteral("buttonok"));
    }

    void premier_operande_nu_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("score");
        QTest::addColumn<QList<double>>("tirages");
        QTest::addColumn<QString>("texte");

        QTest::newRow("beginner: no extra draw") << 12 << 9 << QList<double>{0.5} << "(-10)+10";
        QTest::newRow("score 10, u below one half") << 12 << 10 << QList<double>{0.5, 0.49} << "-10+10";
        QTest::newRow("score 10, u at one half") << 12 << 10 << QList<double>{0.5, 0.5} << "(-10)+10";
        QTest::newRow("positive first operand still draws") << 8 << 15 << QList<double>{0.5, 0.1} << "10+(-10)";
        QTest::newRow("second operand keeps its parentheses") << 32 << 30 << QList<double>{0.0, 0.2} << "-1-(-1)";
    }

    void premier_operande_nu()
    {
        QFETCH(int, type);
        QFETCH(int, score);
        QFETCH(QList<double>, tirages);
        QFETCH(QString, texte);

        // The level's first question: u = 0.9 gives 18+(-18).
        auto source = std::make_unique<AleatoireScripte>(QList<double>{0.9});
        AleatoireScripte *scripte = source.get();
        BancExercice banc(std::move(source));
        banc.demarre();
        for (double u : tirages)
            scripte->ajoute({u});
        banc.etat.score = score;
        banc.etat.questionnaire[banc.etat.rang_question] = type;
        banc.exercice.pose_la_question();
        QCOMPARE(banc.etat.texte_question.texte(), texte);
        QCOMPARE(banc.etat.dernieres_questions[1].texte(), texte);
        QVERIFY(scripte->epuise());
    }

    void pose_evite_les_vingt_dernieres()
    {
        // After 18+(-18), x = 10 is in the history: drawn again, u = 0
        // gives x = 1.
        auto source = std::make_unique<AleatoireScripte>(QList<double>{0.9});
        AleatoireScripte *scripte = source.get();
        BancExercice banc(std::move(source));
        banc.demarre();
        banc.etat.dernieres_questions[20] = QStringLiteral("10+(-10)");
        scripte->ajoute({0.5, 0.0});
        banc.exercice.pose_la_question();
        QCOMPARE(banc.etat.texte_question.texte(), QStringLiteral("1+(-1)"));
        QCOMPARE(banc.etat.operande1, 1);
        QVERIFY(scripte->epuise());
    }

    void redraw_borne_data()
    {
        QTest::addColumn<QStringList>("historique");
        QTest::addColumn<QString>("attendu");

        QTest::newRow("all five seen, 5+5 the oldest")
            << QStringList{"1+1", "2+2", "3+3", "4+4", "5+5", "1+1", "2+2"} << "5+5";
        QTest::newRow("all five seen, 3+3 the oldest")
            << QStringList{"5+5", "4+4", "1+1", "2+2", "3+3", "5+5", "3+3"} << "3+3";
        QTest::newRow("history full of the five")
            << QStringList{"2+2", "1+1", "5+5", "3+3", "4+4", "2+2", "1+1", "5+5", "3+3", "4+4",
                           "2+2", "1+1", "5+5", "3+3", "4+4", "2+2", "1+1", "5+5", "3+3", "4+4"}
            << "4+4";
        QTest::newRow("one of the five never seen")
            << QStringList{"1+1", "3+3", "4+4", "5+5", "1+1", "3+3"} << "2+2";
    }

    void redraw_borne()
    {
        QFETCH(QStringList, historique);
        QFETCH(QString, attendu);

        // x+x below a score of 10 has five questions: 1+1 .. 5+5.
        auto source = std::make_unique<AleatoireCompte>();
        AleatoireCompte *compte = source.get();
        BancExercice banc(std::move(source));
        banc.demarre();
        for (int i = 0; i < historique.size(); ++i)
            banc.etat.dernieres_questions[i + 1] = historique[i];
        banc.etat.questionnaire[banc.etat.rang_question] = 4;
        const int avant = compte->tirages();
        banc.exercice.pose_la_question();

        QCOMPARE(banc.etat.texte_question.texte(), attendu);
        QCOMPARE(banc.etat.dernieres_questions[1].texte(), attendu);
        QCOMPARE(banc.etat.operande1, banc.etat.operande2);
        QCOMPARE(banc.etat.resultat, 2 * banc.etat.operande1);
        // A draw of x+x takes 3 to 5 numbers: at most the bound's worth.
        QVERIFY(compte->tirages() - avant <= 5 * Exercice::tirages_max);
        if (historique.size() == 20 || historique.contains(attendu))
            QVERIFY(compte->tirages() - avant >= 3 * Exercice::tirages_max);
    }

    void serie_epuisee_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("rang");
        QTest::addColumn<bool>("nouvelle");
        QTest::newRow("level 1 at slot 21") << 1 << 21 << true;
        QTest::newRow("level 2 at slot 21") << 2 << 21 << true;
        QTest::newRow("level 3 at slot 21 goes on") << 3 << 21 << false;
        QTest::newRow("level 3 at slot 41") << 3 << 41 << true;
    }

    void serie_epuisee()
    {
        QFETCH(int, niveau);
        QFETCH(int, rang);
        QFETCH(bool, nouvelle);

        BancExercice banc;
        banc.demarre();
        banc.exercice.initialise_niveau(niveau);
        banc.etat.questionnaire.remplit(0);
        banc.etat.questionnaire[21] = 13;
        banc.etat.rang_question = rang;
        banc.exercice.pose_la_question();
        QCOMPARE(banc.etat.rang_question, nouvelle ? 1 : rang);
        const Niveau &n = niveaux::niveau(niveau);
        if (!nouvelle) {
            QCOMPARE(banc.etat.type_question, 13);
            return;
        }
        for (int i = 1; i <= n.longueur_serie; ++i)
            QVERIFY(banc.etat.questionnaire[i] >= n.premier_type && banc.etat.questionnaire[i] <= n.dernier_type);
        QCOMPARE(banc.etat.type_question, banc.etat.questionnaire[1]);
    }
};

QTEST_APPLESS_MAIN(TstPose)
#include "tst_pose.moc"
