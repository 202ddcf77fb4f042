// The subtraction rule window's upper part, headless: the two examples of
// an opening, the explanation levels and their layout, the kinds of example
// in order, the no-repeat memory and its bound.

#include "banc_regle.h"

#include <QtTest>

namespace {

// The six labels of an example row, read as one line: "100-5 = 100+(-5)".
QString rangee(const VueRegleFactice &vue, int rang)
{
    QString ligne;
    for (int n = 1; n <= 6; ++n)
        ligne += vue.texte(QStringLiteral("Label_ex_%1").arg(6 * (rang - 1) + n));
    return ligne;
}

int droite(const QRect &r)
{
    return r.x() + r.width();
}

// u values that walk through 0, 1/n, 2/n ... again and again.
QList<double> cycle(int n, int longueur)
{
    QList<double> u;
    for (int i = 0; i < longueur; ++i)
        u.append((i % n + 0.5) / n);
    return u;
}

} // namespace

class tst_regle_exemples : public QObject
{
    Q_OBJECT

private slots:
    void ouverture_depuis_le_menu_data();
    void ouverture_depuis_le_menu();
    void niveaux_d_explication_data();
    void niveaux_d_explication();
    void choix_d_un_exemple_data();
    void choix_d_un_exemple();
    void terme_nul_et_premier_terme_negatif();
    void memoire_data();
    void memoire();
    void jamais_bloque_par_un_petit_choix_data();
    void jamais_bloque_par_un_petit_choix();
    void autres_exemples_sans_fin_en_exercice();
};

void tst_regle_exemples::ouverture_depuis_le_menu_data()
{
    QTest::addColumn<QList<double>>("tirages");
    QTest::addColumn<QString>("rangee1");
    QTest::addColumn<QString>("rangee2");
    QTest::addColumn<QString>("pour_soustraire");
    QTest::addColumn<QString>("j_ajoute");

    QTest::newRow("100 - b first") << QList<double>{0.5, 0.2, 0.3} << "100-5 = 100+(-5)"
                                   << "10-(-2) = 10+2" << "pour soustraire 5" << "j'ajoute (-5)";
    QTest::newRow("swapped at a quarter, half to even")
        << QList<double>{0.0, 0.99, 0.25} << "10-(-9) = 10+9" << "100-1 = 100+(-1)"
        << "pour soustraire (-9)" << "j'ajoute 9";
    QTest::newRow("just past a quarter, not swapped")
        << QList<double>{0.0, 0.99, 0.26} << "100-1 = 100+(-1)" << "10-(-9) = 10+9"
        << "pour soustraire 1" << "j'ajoute (-1)";
}

void tst_regle_exemples::ouverture_depuis_le_menu()
{
    QFETCH(QList<double>, tirages);
    BancRegle banc(tirages);
    banc.regle.FormShow();

    QVERIFY(banc.hasard.epuise());
    QTEST(rangee(banc.vue, 1), "rangee1");
    QTEST(rangee(banc.vue, 2), "rangee2");
    QTEST(banc.vue.texte("Label_com_1"), "pour_soustraire");
    QTEST(banc.vue.texte("Label_com_4"), "j_ajoute");
    QCOMPARE(banc.vue.texte("Label_com_2"), QStringLiteral(" à ") + banc.vue.texte("Label_ex_1"));
    QCOMPARE(banc.regle.nb_exemples(), 2);
    QCOMPARE(banc.regle.etat_explications(), 1);
    QCOMPARE(banc.vue.hauteur, 264);

    // Highlights only: no bracket, no comment, no exercise.
    for (const char *forme : {"Shape_reg_1", "Shape_reg_2", "Shape_ex_1", "Shape_ex_4"})
        QVERIFY2(banc.vue.est_montre(forme), forme);
    for (const char *cache : {"Image_g1", "Image_4", "Label_com_1", "label_com_8", "Label_com_10",
                              "Label14", "Button_rep_1", "Label_app_1"})
        QVERIFY2(!banc.vue.est_montre(cache), cache);
    QVERIFY(banc.vue.est_montre("Button_OK1"));
}

void tst_regle_exemples::niveaux_d_explication_data()
{
    QTest::addColumn<int>("clics");
    QTest::addColumn<int>("niveau");
    QTest::addColumn<bool>("surlignage");
    QTest::addColumn<bool>("accolades");
    QTest::addColumn<bool>("commentaires");
    QTest::addColumn<bool>("a_qui");

    QTest::newRow("opening: highlights") << 0 << 1 << true << false << false << false;
    QTest::newRow("brackets and first comments") << 1 << 2 << true << true << true << false;
    QTest::newRow("every comment") << 2 << 3 << true << true << true << true;
    QTest::newRow("nothing") << 3 << 0 << false << false << false << false;
    QTest::newRow("round again") << 4 << 1 << true << false << false << false;
}

void tst_regle_exemples::niveaux_d_explication()
{
    QFETCH(int, clics);
    QFETCH(int, niveau);
    QFETCH(bool, commentaires);
    BancRegle banc({0.5, 0.2, 0.3});
    banc.regle.FormShow();
    for (int i = 0; i < clics; ++i)
        banc.regle.BitBtn_explicClick();

    const VueRegleFactice &v = banc.vue;
    QCOMPARE(banc.regle.etat_explications(), niveau);
    for (const char *forme : {"Shape_reg_1", "Shape_reg_2", "Shape_ex_1", "Shape_ex_2", "Shape_ex_3",
                              "Shape_ex_4"})
        QTEST(v.est_montre(forme), "surlignage");
    for (int k = 1; k <= 4; ++k)
        for (const char *modele : {"Image_g%1", "Image_d%1", "Image_%1"})
            QTEST(v.est_montre(QString::fromLatin1(modele).arg(k)), "accolades");
    for (int c : {1, 3, 4, 6, 8, 9})
        QTEST(v.est_montre(QStringLiteral("Label_com_%1").arg(c)), "commentaires");
    for (int c : {2, 5, 7, 10})
        QTEST(v.est_montre(QStringLiteral("Label_com_%1").arg(c)), "a_qui");
    if (!commentaires)
        return;

    // Each row's first bracket runs from under its minus sign to the end
    // of the subtracted term; the comment line hangs under the brackets.
    for (int rang : {1, 2}) {
        const int x = 6 * (rang - 1);
        const int c = 5 * (rang - 1);
        const auto g = [&v](const char *modele, int n) { return v.geometrie(QString::fromLatin1(modele).arg(n)); };
        const QRect moins = g("Label_ex_%1", x + 2);
        const QRect barre = g("Image_%1", 2 * rang - 1);
        const QRect barre_plus = g("Image_%1", 2 * rang);
        QCOMPARE(moins.y(), rang == 1 ? 122 : 177);
        QCOMPARE(g("Label_ex_%1", x + 1).x(), 102);
        QCOMPARE(barre.x(), moins.x() - 3);
        QCOMPARE(droite(barre), droite(g("Label_ex_%1", x + 3)) + 3);
        QCOMPARE(barre_plus.x(), g("Label_ex_%1", x + 5).x() - 3);
        QCOMPARE(g("Label_com_%1", c + 1).y(), barre.y() + 3);
        QCOMPARE(g("Label_com_%1", c + 4).x(), barre_plus.x());
        // At level 3 the " à a" comment ends at the bracket, with "pour
        // soustraire b" before it; below, "pour soustraire b" ends there.
        const int c_fin = niveau == 3 ? c + 2 : c + 1;
        QCOMPARE(droite(g("Label_com_%1", c_fin)), droite(barre) + 1);
        if (niveau == 3)
            QCOMPARE(droite(g("Label_com_%1", c + 1)), g("Label_com_%1", c + 2).x() + 1);
        const QRect pointilles = g("label_com_%1", c + 3);
        QCOMPARE(pointilles.x(), droite(g("Label_com_%1", c_fin)) + (niveau == 3 ? 2 : 0));
        QCOMPARE(droite(pointilles), barre_plus.x() - 2);
    }
}

void tst_regle_exemples::choix_d_un_exemple_data()
{
    QTest::addColumn<bool>("exercice");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<double>>("tirages");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("comptes");

    // Type 34, (-Y)-(-x): Y from 2..9, then x below Y.
    QTest::newRow("1st: 100 - b, counted, not recorded") << false << 0 << QList<double>{0.5} << 100 << 5 << 1;
    QTest::newRow("2nd: 10 - (-b)") << false << 1 << QList<double>{0.0} << 10 << -1 << 1;
    QTest::newRow("3rd: -100 - b") << false << 2 << QList<double>{0.99} << -100 << 9 << 1;
    QTest::newRow("4th: type 34") << false << 3 << QList<double>{0.5, 0.0} << -6 << -1 << 1;
    QTest::newRow("5th on: a type of 19..34, here x - x")
        << false << 4 << QList<double>{0.13, 0.5} << 5 << 5 << 1;
    QTest::newRow("exercise, even: the question's type, not the question")
        << true << 0 << QList<double>{0.4, 0.7} << 7 << 7 << 2;
    QTest::newRow("exercise, odd: a type of 19..34, here (-x)-0")
        << true << 1 << QList<double>{0.57, 0.2} << -2 << 0 << 1;
}

void tst_regle_exemples::choix_d_un_exemple()
{
    QFETCH(QList<double>, tirages);
    QFETCH(bool, exercice);
    QFETCH(int, n);
    QFETCH(int, a);
    QFETCH(int, b);
    BancRegle banc(tirages);
    // The question answered wrongly, in the exercise: 4 - 4.
    banc.etat.type_question = 21;
    banc.etat.operande1 = 4;
    banc.etat.operande2 = 4;

    const Exemple e = banc.regle.choisir_exemple(exercice, n);

    QVERIFY(banc.hasard.epuise());
    QCOMPARE(e, (Exemple{a, b}));
    QTEST(banc.regle.nb_exemples(), "comptes");
}

void tst_regle_exemples::terme_nul_et_premier_terme_negatif()
{
    // Exercise on 9 - 0: the first example of its type (5 - 0), the second
    // of type 28 ((-2) - 0); not swapped; the answer buttons shuffled.
    BancRegle banc({0.5, 0.57, 0.2, 0.9, 0.0, 0.0, 0.0});
    banc.ouvre_exercice(19, 9, 0);

    QVERIFY(banc.hasard.epuise());
    QCOMPARE(rangee(banc.vue, 1), QStringLiteral("5-0 = 5+0"));
    QCOMPARE(rangee(banc.vue, 2), QStringLiteral("-2-0 = -2+0"));
    QCOMPARE(banc.vue.texte("Label_com_6"), QStringLiteral("pour soustraire 0"));
    QCOMPARE(banc.vue.texte("Label_com_7"), QStringLiteral(" à -2"));
    QCOMPARE(banc.vue.texte("Label_com_9"), QStringLiteral("j'ajoute 0"));
}

void tst_regle_exemples::memoire_data()
{
    QTest::addColumn<int>("enregistres");
    QTest::addColumn<int>("cherche");
    QTest::addColumn<bool>("vu");

    QTest::newRow("the same example twice") << 1 << 1 << true;
    QTest::newRow("20 examples: the first is kept") << 20 << 1 << true;
    QTest::newRow("20 examples: the last is kept") << 20 << 20 << true;
    QTest::newRow("21 examples: the first may return") << 21 << 1 << false;
    QTest::newRow("21 examples: the second is kept") << 21 << 2 << true;
    QTest::newRow("21 examples: the last is kept") << 21 << 21 << true;
}

void tst_regle_exemples::memoire()
{
    QFETCH(int, enregistres);
    QFETCH(int, cherche);
    QFETCH(bool, vu);
    BancRegle banc;
    for (int k = 1; k <= enregistres; ++k)
        QVERIFY(!banc.regle.exemple_dejavu(k, -k));

    QCOMPARE(banc.regle.exemple_dejavu(cherche, -cherche), vu);
    // The count is never capped; an example seen is not counted again.
    QCOMPARE(banc.regle.nb_exemples(), enregistres + (vu ? 0 : 1));
}

void tst_regle_exemples::jamais_bloque_par_un_petit_choix_data()
{
    QTest::addColumn<bool>("exercice");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<double>>("tirages");

    // 0.13 draws type 21, x - x, which has nine examples with a maximum of 9.
    QTest::newRow("exercise: every other x - x seen") << true << 0 << cycle(9, 2000);
    QTest::newRow("explanation: every x - x seen") << false << 4 << (QList<double>{0.13} + cycle(9, 2000));
}

void tst_regle_exemples::jamais_bloque_par_un_petit_choix()
{
    QFETCH(bool, exercice);
    QFETCH(int, n);
    QFETCH(QList<double>, tirages);
    BancRegle banc(tirages);
    banc.etat.type_question = 21;
    banc.etat.operande1 = 4;
    banc.etat.operande2 = 4;
    for (int k = 1; k <= 9; ++k)
        if (!exercice || k != 4)
            banc.regle.exemple_dejavu(k, k);
    const int comptes = banc.regle.nb_exemples();

    const Exemple e = banc.regle.choisir_exemple(exercice, n);

    QCOMPARE(e.a, e.b);
    QVERIFY(e.a >= 1 && e.a <= 9);
    if (exercice) {
        QVERIFY(e != (Exemple{4, 4}));
        // The question itself was drawn, recorded and set aside.
        QCOMPARE(banc.regle.nb_exemples(), comptes + 1);
    }
    QVERIFY(banc.hasard.tirages() <= RegleSoustraction::tirages_max + 1);
}

void tst_regle_exemples::autres_exemples_sans_fin_en_exercice()
{
    // Renewing again and again in the exercise on 4 - 4 soon exhausts the
    // examples of type x - x; the window still shows two examples each time.
    QList<double> tirages;
    for (int i = 0; i < 60000; ++i)
        tirages.append(std::fmod(i * 0.6180339887, 1.0));
    BancRegle banc(tirages);
    banc.ouvre_exercice(21, 4, 4);
    for (int clic = 0; clic < 12; ++clic) {
        banc.regle.BitBtn_exemplesClick();
        QVERIFY(!banc.vue.texte("Label_ex_1").isEmpty());
        QVERIFY(!banc.vue.texte("Label_ex_7").isEmpty());
    }
    QVERIFY(!banc.hasard.epuise());
}

QTEST_APPLESS_MAIN(tst_regle_exemples)
#include "tst_regle_exemples.moc"
