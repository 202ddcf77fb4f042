// SPDX-License-Identifier: GPL-3.0-or-later
// The subtraction rule window's upper part, headless: the examples of an
// opening, the explanation levels and their layout, the kinds of example
// in order and the bound of their redraws, the no-repeat memory.

#include "banc_regle.h"

#include <QtTest>

namespace {

// An example row's six labels read as one line: "100-5 = 100+(-5)".
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

// u values that walk through the n parts of [0, 1) again and again.
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
    void ouverture_data();
    void ouverture();
    void niveaux_d_explication_data();
    void niveaux_d_explication();
    void choix_d_un_exemple_data();
    void choix_d_un_exemple();
    void renouvellements_quand_tout_est_vu();
    void memoire_data();
    void memoire();
};

void tst_regle_exemples::ouverture_data()
{
    QTest::addColumn<int>("type"); // 0: from the menu
    QTest::addColumn<QList<double>>("tirages");
    QTest::addColumn<QString>("rangee1");
    QTest::addColumn<QString>("rangee2");
    QTest::addColumn<QString>("commentaires");

    QTest::newRow("menu: 100 - b first") << 0 << QList<double>{0.5, 0.2, 0.3} << "100-5 = 100+(-5)"
                                         << "10-(-2) = 10+2" << "pour soustraire 5| à 100|j'ajoute (-5)";
    QTest::newRow("menu: swapped at a quarter, half to even")
        << 0 << QList<double>{0.0, 0.99, 0.25} << "10-(-9) = 10+9" << "100-1 = 100+(-1)"
        << "pour soustraire (-9)| à 10|j'ajoute 9";
    QTest::newRow("menu: just past a quarter")
        << 0 << QList<double>{0.0, 0.99, 0.26} << "100-1 = 100+(-1)" << "10-(-9) = 10+9"
        << "pour soustraire 1| à 100|j'ajoute (-1)";
    // On 9 - 0: one of type 19 (5 - 0), one of type 28 ((-2) - 0); the
    // last three draws shuffle the answer buttons.
    QTest::newRow("exercise: b = 0, negative first term")
        << 19 << QList<double>{0.5, 0.57, 0.2, 0.9, 0, 0, 0} << "5-0 = 5+0" << "-2-0 = -2+0"
        << "pour soustraire 0| à 5|j'ajoute 0";
}

void tst_regle_exemples::ouverture()
{
    QFETCH(int, type);
    QFETCH(QList<double>, tirages);
    BancRegle banc(tirages);
    if (type == 0)
        banc.regle.FormShow();
    else
        banc.ouvre_exercice(type, 9, 0);

    const VueRegleFactice &v = banc.vue;
    QVERIFY(banc.hasard.epuise());
    QTEST(rangee(v, 1), "rangee1");
    QTEST(rangee(v, 2), "rangee2");
    QTEST(QStringList({v.texte("Label_com_1"), v.texte("Label_com_2"), v.texte("Label_com_4")}).join('|'),
          "commentaires");
    QCOMPARE(banc.vue.hauteur, 264);
    QCOMPARE(banc.regle.etat_explications(), 1);
    QCOMPARE(v.est_montre("Button_rep_3"), type != 0);
}

void tst_regle_exemples::niveaux_d_explication_data()
{
    QTest::addColumn<int>("clics");
    QTest::addColumn<int>("niveau");
    QTest::addColumn<QString>("montres");

    QTest::newRow("opening: highlights only") << 0 << 1 << "Shape_reg_2 Shape_ex_3";
    QTest::newRow("brackets, pour soustraire, dots, j'ajoute")
        << 1 << 2 << "Shape_reg_2 Shape_ex_3 Image_g3 Image_2 Label_com_1 label_com_8 Label_com_9";
    QTest::newRow("and the à comments")
        << 2 << 3 << "Shape_reg_2 Shape_ex_3 Image_g3 Image_2 Label_com_1 label_com_8 Label_com_9 Label_com_2 Label_com_10";
    QTest::newRow("nothing") << 3 << 0 << "";
    QTest::newRow("round again") << 4 << 1 << "Shape_reg_2 Shape_ex_3";
}

void tst_regle_exemples::niveaux_d_explication()
{
    QFETCH(int, clics);
    QFETCH(int, niveau);
    QFETCH(QString, montres);
    BancRegle banc({0.5, 0.2, 0.3});
    banc.regle.FormShow();
    for (int i = 0; i < clics; ++i)
        banc.regle.BitBtn_explicClick();

    const VueRegleFactice &v = banc.vue;
    QCOMPARE(banc.regle.etat_explications(), niveau);
    const QStringList tous{"Shape_reg_2", "Shape_ex_3", "Image_g3", "Image_2", "Label_com_1",
                           "label_com_8", "Label_com_9", "Label_com_2", "Label_com_10"};
    for (const QString &nom : tous)
        QVERIFY2(v.est_montre(nom) == montres.split(' ').contains(nom), qPrintable(nom));
    // 10 - (-2) = 10 + 2, 10 pixels a character: 7 pixels between the
    // labels, none before " = 10".
    QList<int> gauches;
    for (int n = 7; n <= 12; ++n)
        gauches.append(v.geometrie(QStringLiteral("Label_ex_%1").arg(n)).x());
    QCOMPARE(gauches, (QList<int>{102, 129, 146, 186, 243, 260}));
    if (niveau < 2)
        return;

    // Row 2's first bracket runs from under its minus sign to the end of
    // the subtracted term; the comment line hangs under the brackets. At
    // level 3 the " à a" comment ends at the bracket with "pour soustraire
    // b" before it; below, "pour soustraire b" ends there.
    const auto g = [&v](const char *modele, int n) { return v.geometrie(QString::fromLatin1(modele).arg(n)); };
    const QRect barre = g("Image_%1", 3);
    const QRect barre_plus = g("Image_%1", 4);
    QCOMPARE(g("Label_ex_%1", 7).topLeft(), QPoint(102, 177));
    QCOMPARE(barre.x(), g("Label_ex_%1", 8).x() - 3);
    QCOMPARE(droite(barre), droite(g("Label_ex_%1", 9)) + 3);
    QCOMPARE(g("Label_com_%1", 6).y(), barre.y() + 3);
    QCOMPARE(g("Label_com_%1", 9).x(), barre_plus.x());
    const int fin = niveau == 3 ? 7 : 6;
    QCOMPARE(droite(g("Label_com_%1", fin)), droite(barre) + 1);
    if (niveau == 3)
        QCOMPARE(droite(g("Label_com_%1", 6)), g("Label_com_%1", 7).x() + 1);
    const QRect points = g("label_com_%1", 8);
    QCOMPARE(points.x(), droite(g("Label_com_%1", fin)) + (niveau == 3 ? 2 : 0));
    QCOMPARE(droite(points), barre_plus.x() - 2);
}

void tst_regle_exemples::choix_d_un_exemple_data()
{
    QTest::addColumn<bool>("exercice");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("vus"); // the x of the x - x examples recorded before
    QTest::addColumn<QList<double>>("tirages");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("comptes");

    // Type 34, (-Y)-(-x): Y from 2..9, then x below Y. 0.13 draws type 21.
    const QList<int> aucun;
    QTest::newRow("1st: 100 - b, counted, not recorded") << false << 0 << aucun << QList<double>{0.5} << 100 << 5 << 1;
    QTest::newRow("2nd: 10 - (-b)") << false << 1 << aucun << QList<double>{0.0} << 10 << -1 << 1;
    QTest::newRow("3rd: -100 - b") << false << 2 << aucun << QList<double>{0.99} << -100 << 9 << 1;
    QTest::newRow("4th: type 34") << false << 3 << aucun << QList<double>{0.5, 0.0} << -6 << -1 << 1;
    QTest::newRow("5th on: a type of 19..34") << false << 4 << aucun << QList<double>{0.13, 0.5} << 5 << 5 << 1;
    QTest::newRow("exercise, even: the question's type, not the question")
        << true << 0 << aucun << QList<double>{0.4, 0.7} << 7 << 7 << 2;
    QTest::newRow("exercise, odd: a type of 19..34") << true << 1 << aucun << QList<double>{0.57, 0.2} << -2 << 0 << 1;
    // x - x has nine examples with a maximum of 9: once all are seen, the
    // one seen longest ago (1 - 1) is shown again, and counted, instead of
    // drawing for ever.
    QTest::newRow("explanation: every x - x seen")
        << false << 4 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << (QList<double>{0.13} + cycle(9, 1000))
        << 1 << 1 << 10;
    QTest::newRow("exercise: every other x - x seen")
        << true << 0 << QList<int>{2, 1, 3, 5, 6, 7, 8, 9} << cycle(9, 1000) << 2 << 2 << 10;
}

void tst_regle_exemples::choix_d_un_exemple()
{
    QFETCH(QList<double>, tirages);
    QFETCH(bool, exercice);
    QFETCH(int, n);
    QFETCH(QList<int>, vus);
    QFETCH(int, a);
    QFETCH(int, b);
    BancRegle banc(tirages);
    // The question answered wrongly, in the exercise: 4 - 4.
    banc.etat.type_question = 21;
    banc.etat.operande1 = 4;
    banc.etat.operande2 = 4;
    for (int x : vus)
        banc.regle.exemple_dejavu(x, x);

    QCOMPARE(banc.regle.choisir_exemple(exercice, n), (Exemple{a, b}));
    QVERIFY(banc.hasard.epuise());
    QTEST(banc.regle.nb_exemples(), "comptes");
}

// On 5 - 5 the nine x - x are soon all in the memory: every renewal still
// counts its two examples, so that the question's type keeps alternating
// with a random one, and the two rows never show the same subtraction.
void tst_regle_exemples::renouvellements_quand_tout_est_vu()
{
    QList<double> tirages;
    QRandomGenerator graine(3);
    for (int i = 0; i < 200000; ++i)
        tirages.append(graine.generateDouble());
    BancRegle banc(tirages);
    banc.ouvre_exercice(21, 5, 5);
    for (int renouvellement = 1; renouvellement <= 30; ++renouvellement) {
        const int avant = banc.regle.nb_exemples();
        banc.regle.BitBtn_exemplesClick();
        QVERIFY2(banc.regle.nb_exemples() >= avant + 2, qPrintable(QString::number(renouvellement)));
        QVERIFY2(rangee(banc.vue, 1) != rangee(banc.vue, 2), qPrintable(rangee(banc.vue, 1)));
    }
}

void tst_regle_exemples::memoire_data()
{
    QTest::addColumn<int>("enregistres");
    QTest::addColumn<int>("cherche");
    QTest::addColumn<bool>("vu");

    QTest::newRow("the same example twice") << 1 << 1 << true;
    QTest::newRow("20 examples: the first is kept") << 20 << 1 << true;
    QTest::newRow("21 examples: the first may return") << 21 << 1 << false;
    QTest::newRow("21 examples: the second is kept") << 21 << 2 << true;
    QTest::newRow("21 examples: the 20th is kept") << 21 << 20 << true;
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

QTEST_APPLESS_MAIN(tst_regle_exemples)
#include "tst_regle_exemples.moc"
