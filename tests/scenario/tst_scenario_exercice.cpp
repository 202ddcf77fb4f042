// SPDX-License-Identifier: GPL-3.0-or-later
// The drill end to end: the real program under tavelo-scenario, driven by
// clicks and key strokes, observed through its windows and shared state.

#include "client_scenario.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QtTest>

namespace {

constexpr quint64 graine = 20240611;

// Types an answer on the keyboard: digits of the main row, the sign on the
// numeric pad (the main minus key does not type it).
void tape_reponse(ClientScenario &client, const QString &reponse)
{
    for (const QChar c : reponse)
        client.commande(c == '-' ? QStringLiteral("key KP_Subtract") : QStringLiteral("key ") + c);
}

// A wrong answer of a type whose result is 0 (any other number will do).
QString reponse_fausse_a_zero()
{
    return QStringLiteral("1");
}

QString image(const QJsonObject &controle)
{
    return controle["properties"][u"image"].toString();
}

QString led(ClientScenario &client, const QString &nom)
{
    return client.controle(nom)["properties"][u"DisplayText"].toString();
}

int element(const QJsonObject &etat, const char *tableau, int rang)
{
    return etat[tableau].toArray().at(rang - 1).toInt();
}

} // namespace

class TstScenarioExercice : public QObject
{
    Q_OBJECT

private slots:
    void le_premier_niveau_commence_a_zero();
    void la_saisie_de_la_reponse_data();
    void la_saisie_de_la_reponse();
    void la_reponse_part_data();
    void la_reponse_part();
    void une_bonne_reponse_montre_oui_puis_la_question_suivante();
    void une_erreur_de_regle_sous_10_ouvre_la_premiere_regle();
    void une_erreur_de_regle_a_10_corrige_en_place();
    void une_erreur_de_calcul_mental_est_signalee();
    void le_niveau_gagne_affiche_bravo_puis_le_second_niveau();
};

void TstScenarioExercice::le_premier_niveau_commence_a_zero()
{
    ClientScenario client(graine);
    const QJsonObject general = client.fenetre("general");
    QVERIFY2(client.pret(), qPrintable(client.erreur()));
    QCOMPARE(general["caption"].toString(), QStringLiteral("Premier niveau: l'addition"));
    QVERIFY(general["visible"].toBool());

    const QJsonObject etat = client.etat();
    const QList<int> par_defaut = {8,  12, 15, 16, 17, 9,  10, 13, 14, 7,  8,  12, 14, 10,
                                   17, 15, 16, 9,  10, 13, 22, 25, 26, 27, 29, 30, 31, 32,
                                   33, 34, 23, 22, 25, 26, 27, 30, 31, 32, 33, 24};
    QList<int> questionnaire;
    for (const QJsonValue v : etat["questionnaire"].toArray())
        questionnaire.append(v.toInt());
    QCOMPARE(questionnaire, par_defaut);
    QCOMPARE(etat["niveau"].toInt(), 1);
    QCOMPARE(etat["score"].toInt(), 0);
    QCOMPARE(etat["rang_question"].toInt(), 1);
    QCOMPARE(etat["type_question"].toInt(), 8);
    QCOMPARE(led(client, "LedMatrix1"), QStringLiteral("000"));
    QCOMPARE(client.controle("Image2")["geometry"][u"h"].toInt(), 320);
    QCOMPARE(image(client.controle("Image7")), QStringLiteral("bitmap_19"));

    // Type 8 is x+(-x): the text shown is the state's question.
    const QString question = etat["texte_question"].toString();
    QVERIFY2(QRegularExpression(R"(^(\d+)\+\(-\1\)$)").match(question).hasMatch(),
             qPrintable(question));
    QCOMPARE(client.texte("Label_question"), question);
    QCOMPARE(etat["texte_resultat"].toString(), QStringLiteral("0"));
    QCOMPARE(client.commande("dump")["focus"].toString(), QStringLiteral("ButtonOK"));
}

void TstScenarioExercice::la_saisie_de_la_reponse_data()
{
    QTest::addColumn<QStringList>("commandes");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("chiffres de la rangée du haut") << QStringList{"key 4", "key 2"} << "42";
    QTest::newRow("rangée du haut d'un clavier AZERTY")
        << QStringList{"key 4@azerty", "key 2@azerty"} << "42";
    QTest::newRow("le 6 AZERTY est un chiffre, pas un moins") << QStringList{"key 6@azerty"} << "6";
    QTest::newRow("le 5 AZERTY donne 5, pas une parenthèse")
        << QStringList{"key 5@azerty", "key 0@azerty"} << "50";
    QTest::newRow("pavé numérique, Verr Num actif") << QStringList{"key KP_7", "key KP_0"} << "70";
    QTest::newRow("pavé numérique, Verr Num éteint")
        << QStringList{"key KP_End", "key KP_Insert"} << "10";
    QTest::newRow("pavé numérique éteint, 4 et 5")
        << QStringList{"key KP_Left", "key KP_Begin"} << "45";
    QTest::newRow("le moins du pavé tape le signe")
        << QStringList{"key KP_Subtract", "key KP_9"} << "-9";
    QTest::newRow("Suppr efface le dernier chiffre")
        << QStringList{"key 4", "key 2", "key Delete"} << "4";
    QTest::newRow("Suppr sur un seul chiffre rend le curseur")
        << QStringList{"key 4", "key Delete"} << "_";
    QTest::newRow("retour arrière ignoré") << QStringList{"key 4", "key Backspace"} << "4";
    QTest::newRow("moins du clavier principal ignoré") << QStringList{"key Minus", "key 3"} << "3";
    QTest::newRow("Verr Num et Maj ne touchent pas la réponse")
        << QStringList{"key 7", "key NumLock", "key Shift"} << "7";
    QTest::newRow("zéro puis rien") << QStringList{"key 0", "key 5"} << "0";
    QTest::newRow("trois caractères au plus")
        << QStringList{"key KP_Subtract", "key 1", "key 2", "key 3"} << "-12";
    QTest::newRow("texte tapé") << QStringList{"type 42"} << "42";
    QTest::newRow("texte tapé avec le moins principal") << QStringList{"type -3"} << "3";
    QTest::newRow("touches du pavé cliquées")
        << QStringList{"click Button_", "click general.Button7"} << "-7";
    QTest::newRow("effacer cliqué")
        << QStringList{"click general.Button3", "click button_correction", "click general.Button5"} << "5";
}

void TstScenarioExercice::la_saisie_de_la_reponse()
{
    QFETCH(QStringList, commandes);
    QFETCH(QString, attendu);

    ClientScenario client(graine);
    for (const QString &commande : commandes) {
        const QJsonObject reponse = client.commande(commande);
        QVERIFY2(reponse["ok"].toBool(), qPrintable(commande + ": " + reponse["error"].toString()));
    }
    QCOMPARE(client.texte("Panel2"), attendu);
    QCOMPARE(client.etat()["score"].toInt(), 0);
}

void TstScenarioExercice::la_reponse_part_data()
{
    QTest::addColumn<QString>("envoi");
    QTest::newRow("Entrée") << "key Return";
    QTest::newRow("Entrée du pavé") << "key Enter";
    QTest::newRow("barre d'espace") << "key Space";
    QTest::newRow("bouton OK") << "click ButtonOK";
}

void TstScenarioExercice::la_reponse_part()
{
    QFETCH(QString, envoi);

    ClientScenario client(graine);
    tape_reponse(client, client.etat()["texte_resultat"].toString());
    QVERIFY(client.commande(envoi)["ok"].toBool());
    const QJsonObject etat = client.etat();
    QCOMPARE(etat["score"].toInt(), 1);
    QCOMPARE(etat["rang_question"].toInt(), 2);
    QVERIFY(!client.controle("ButtonOK")["enabled"].toBool());
}

void TstScenarioExercice::une_bonne_reponse_montre_oui_puis_la_question_suivante()
{
    ClientScenario client(graine);
    const QJsonObject avant = client.etat();
    tape_reponse(client, avant["texte_resultat"].toString());
    QCOMPARE(client.texte("Panel2"), avant["texte_resultat"].toString());
    client.commande("key Return");
    QElapsedTimer depuis_la_reponse;
    depuis_la_reponse.start();

    const QJsonObject oui = client.controle("Image_oui_faux");
    QVERIFY(oui["visible"].toBool());
    QCOMPARE(image(oui), QStringLiteral("bitmap_13"));
    QCOMPARE(client.controle("timer_oui")["interval"].toInt(), 250);
    QVERIFY(client.controle("timer_oui")["active"].toBool());
    QCOMPARE(led(client, "LedMatrix1"), QStringLiteral("011"));
    QCOMPARE(client.controle("Image2")["geometry"][u"h"].toInt(), 305);
    const QJsonObject apres = client.etat();
    QCOMPARE(apres["score"].toInt(), 1);
    QCOMPARE(element(apres, "reussites", 8), 1);
    QCOMPARE(apres["texte_question"], avant["texte_question"]);

    // OUI! stays up for the quarter of a second of timer_oui (a coarse
    // timer, which may fire up to 5 % early), then slot 2, type 12, comes.
    client.commande("wait 150");
    QVERIFY(client.controle("Image_oui_faux")["visible"].toBool());
    QCOMPARE(client.etat()["texte_question"], avant["texte_question"]);
    QVERIFY(client.attend_que([&] { return client.etat()["type_question"].toInt() == 12; }, 2000));
    QVERIFY2(depuis_la_reponse.elapsed() >= 230, qPrintable(QString::number(depuis_la_reponse.elapsed())));
    QVERIFY(!client.controle("Image_oui_faux")["visible"].toBool());
    QVERIFY(client.controle("ButtonOK")["enabled"].toBool());
    QCOMPARE(client.texte("Label_question"), client.etat()["texte_question"].toString());
}

void TstScenarioExercice::une_erreur_de_regle_sous_10_ouvre_la_premiere_regle()
{
    ClientScenario client(graine);
    QVERIFY(client.commande("set score 9")["ok"].toBool());
    tape_reponse(client, reponse_fausse_a_zero());
    client.commande("key Return");

    const QJsonObject etat = client.etat();
    QCOMPARE(etat["score"].toInt(), 4);
    QCOMPARE(etat["regle_choisie"].toInt(), 1);
    QCOMPARE(element(etat, "erreurs", 8), 1);
    QCOMPARE(element(etat, "reussites", 8), 0);
    QCOMPARE(etat["rang_question"].toInt(), 1);
    QVERIFY(client.fenetre("regle_add")["visible"].toBool());
    QVERIFY(!client.controle("Panel6")["visible"].toBool());
    const QJsonObject faux = client.controle("Image_oui_faux");
    QVERIFY(faux["visible"].toBool());
    QCOMPARE(image(faux), QStringLiteral("bitmap_14"));
    QCOMPARE(image(client.controle("Image_faux2")), QStringLiteral("bitmap_5"));
    QVERIFY(client.controle("Image_faux2")["visible"].toBool());
    QVERIFY(!client.controle("Button5")["enabled"].toBool());
    QCOMPARE(led(client, "LedMatrix1"), QStringLiteral("044"));
}

void TstScenarioExercice::une_erreur_de_regle_a_10_corrige_en_place()
{
    ClientScenario client(graine);
    const QJsonObject avant = client.etat();
    QVERIFY(client.commande("set score 10")["ok"].toBool());
    tape_reponse(client, reponse_fausse_a_zero());
    client.commande("key Return");

    QCOMPARE(client.etat()["score"].toInt(), 5);
    QVERIFY(!client.fenetre("regle_add")["visible"].toBool());
    QVERIFY(client.controle("Panel6")["visible"].toBool());
    QCOMPARE(client.texte("Label4"), avant["texte_question"].toString());
    QCOMPARE(client.texte("Label5"), QStringLiteral("="));
    QCOMPARE(client.texte("Label6"), QStringLiteral("0"));
    const QJsonObject regle = client.controle("EffectLabel9");
    QVERIFY(regle["visible"].toBool());
    QCOMPARE(regle["text"].toString(), QStringLiteral("Règle n°1:"));
    const QJsonObject enonce = client.controle("EffectLabel10");
    QVERIFY(enonce["visible"].toBool());
    QCOMPARE(enonce["text"].toString(), QStringLiteral("les opposés s'éliminent"));
    QVERIFY(client.controle("Label17")["visible"].toBool());
    QVERIFY(client.controle("Button10")["visible"].toBool());

    // The rule's name and statement stand right of the line, one above the other.
    const QJsonObject ligne = client.controle("Panel6")["geometry"].toObject();
    const int a_droite = ligne["x"].toInt() + ligne["w"].toInt() + 10;
    QCOMPARE(regle["geometry"].toObject(),
             (QJsonObject{{"x", a_droite}, {"y", 85}, {"w", 126}, {"h", 36}}));
    QCOMPARE(enonce["geometry"].toObject(),
             (QJsonObject{{"x", a_droite}, {"y", 115}, {"w", 151}, {"h", 71}}));
    QCOMPARE(regle["properties"][u"FontColor"].toString(), QStringLiteral("#800000"));
    QCOMPARE(enonce["properties"][u"FontColor"].toString(), QStringLiteral("#ff0000"));

    // OK under the line: the line goes and the same slot is asked again.
    QCOMPARE(client.commande("click Button10")["target"].toString(), QStringLiteral("Button10"));
    QVERIFY(!client.controle("Panel6")["visible"].toBool());
    QVERIFY(!client.controle("EffectLabel9")["visible"].toBool());
    const QJsonObject apres = client.etat();
    QCOMPARE(apres["type_question"].toInt(), 8);
    QCOMPARE(apres["rang_question"].toInt(), 1);
    QVERIFY(client.controle("ButtonOK")["enabled"].toBool());
}

void TstScenarioExercice::une_erreur_de_calcul_mental_est_signalee()
{
    ClientScenario client(graine);
    // Slots 1 and 2 (types 8 and 12) answered right lead to slot 3, type
    // 15 (-x)+(-x), whose result grows: a bigger negative is a slip of
    // mental calculation, not of the rule.
    for (int rang = 1; rang <= 2; ++rang) {
        tape_reponse(client, client.etat()["texte_resultat"].toString());
        client.commande("key Return");
        QVERIFY(client.attend_que([&] { return client.etat()["rang_question"].toInt() == rang + 1
                                               && client.controle("ButtonOK")["enabled"].toBool(); },
                                  2000));
    }
    const QJsonObject avant = client.etat();
    QCOMPARE(avant["type_question"].toInt(), 15);
    QCOMPARE(avant["score"].toInt(), 2);
    tape_reponse(client, QString::number(avant["resultat"].toInt() - 1));
    client.commande("key Return");

    const QJsonObject etat = client.etat();
    QCOMPARE(etat["score"].toInt(), 1);
    QCOMPARE(element(etat, "reussites", 15), 1);
    QCOMPARE(element(etat, "erreurs", 15), 0);
    const QJsonObject message = client.controle("EffectLabel10");
    QVERIFY(message["visible"].toBool());
    QCOMPARE(message["text"].toString(), QStringLiteral("Erreur de calcul mental!"));
    QCOMPARE(message["properties"][u"FontColor"].toString(), QStringLiteral("#ff8000"));
    const QJsonObject ligne = client.controle("Panel6")["geometry"].toObject();
    QCOMPARE(message["geometry"].toObject(),
             (QJsonObject{{"x", ligne["x"].toInt() + ligne["w"].toInt() + 10},
                          {"y", ligne["y"].toInt() + 10}, {"w", 161}, {"h", 54}}));
    QVERIFY(client.controle("Panel6")["visible"].toBool());
    QCOMPARE(client.texte("Label6"), avant["texte_resultat"].toString());
    QCOMPARE(image(client.controle("Image_oui_faux")), QStringLiteral("bitmap_14"));
    QVERIFY(!client.controle("Button5")["enabled"].toBool());
    QVERIFY(!client.fenetre("regle_add")["visible"].toBool());

    client.commande("click Button10");
    QCOMPARE(client.etat()["type_question"].toInt(), 15);
    QCOMPARE(client.etat()["rang_question"].toInt(), 3);
}

void TstScenarioExercice::le_niveau_gagne_affiche_bravo_puis_le_second_niveau()
{
    ClientScenario client(graine);
    QVERIFY(client.commande("set score 19")["ok"].toBool());
    tape_reponse(client, client.etat()["texte_resultat"].toString());
    client.commande("key Return");
    QCOMPARE(client.etat()["score"].toInt(), 20);

    // After the right-answer pause the banner runs instead of a question.
    QVERIFY(client.attend_que([&] { return client.controle("LedMatrix1")["properties"][u"Marquee"].toBool(); },
                              2000));
    QElapsedTimer depuis_bravo;
    depuis_bravo.start();
    const QString bandeau = led(client, "LedMatrix1");
    QVERIFY2(bandeau.size() == 6 && (bandeau + bandeau).contains(QStringLiteral("BRAVO ")),
             qPrintable(bandeau));
    QCOMPARE(client.controle("LedMatrix1")["geometry"][u"x"].toInt(), 565);
    QCOMPARE(client.controle("LedMatrix2")["geometry"][u"x"].toInt(), 583);
    QCOMPARE(client.controle("LedMatrix3")["geometry"][u"x"].toInt(), 601);
    QVERIFY(client.controle("Timer_fin_bravo")["active"].toBool());
    QCOMPARE(client.fenetre("general")["caption"].toString(), QStringLiteral("Premier niveau: l'addition"));

    QVERIFY(client.attend_que([&] { return client.etat()["niveau"].toInt() == 2; }, 8000, 100));
    QVERIFY2(depuis_bravo.elapsed() >= 4500, qPrintable(QString::number(depuis_bravo.elapsed())));
    QCOMPARE(client.fenetre("general")["caption"].toString(),
             QStringLiteral("Second niveau: la soustraction"));
    const QJsonObject etat = client.etat();
    QCOMPARE(etat["score"].toInt(), 0);
    QCOMPARE(etat["type_question"].toInt(), 22);
    QCOMPARE(led(client, "LedMatrix1"), QStringLiteral("000"));
    QVERIFY(!client.controle("LedMatrix1")["properties"][u"Marquee"].toBool());
    QCOMPARE(client.controle("LedMatrix1")["geometry"][u"x"].toInt(), 574);
    QCOMPARE(image(client.controle("Image7")), QStringLiteral("bitmap_16"));
    QCOMPARE(image(client.controle("Image8")), QStringLiteral("bitmap_20"));
    QCOMPARE(client.texte("Label_question"), etat["texte_question"].toString());
}

QTEST_GUILESS_MAIN(TstScenarioExercice)
#include "tst_scenario_exercice.moc"
