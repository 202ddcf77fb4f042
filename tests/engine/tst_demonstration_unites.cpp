// The addition-error window's demonstration, click after click: which
// labels, frames and button it shows, with the frames' tops and heights.
#include "demonstration_unites.h"

#include <QTest>

using Cadre = DemonstrationUnites::Cadre;

namespace {

// "10 20 30 2-3 11-13" -> the labels 10, 20, 30, 2, 3, 11, 12, 13.
QList<int> etiquettes(const char *liste)
{
    QList<int> numeros;
    for (const QString &mot : QString::fromLatin1(liste).split(u' ', Qt::SkipEmptyParts)) {
        const QStringList bornes = mot.split(u'-');
        for (int n = bornes.first().toInt(); n <= bornes.last().toInt(); ++n)
            numeros.append(n);
    }
    std::sort(numeros.begin(), numeros.end());
    return numeros;
}

QList<int> visibles(const DemonstrationUnites &d)
{
    QList<int> numeros;
    for (int n = 0; n <= DemonstrationUnites::derniere_etiquette; ++n)
        if (d.visible(n))
            numeros.append(n);
    return numeros;
}

// A frame as "top/height", or "-" when hidden.
QString cadre(const Cadre &c)
{
    return c.visible ? QStringLiteral("%1/%2").arg(c.haut).arg(c.hauteur) : QStringLiteral("-");
}

} // namespace

class TstDemonstrationUnites : public QObject
{
    Q_OBJECT

private slots:
    void apres_les_clics_data();
    void apres_les_clics();
    void termes_et_unites_data();
    void termes_et_unites();
    void zero_centre_sur_son_cadre_data();
    void zero_centre_sur_son_cadre();
};

void TstDemonstrationUnites::apres_les_clics_data()
{
    QTest::addColumn<int>("operande1");
    QTest::addColumn<int>("operande2");
    QTest::addColumn<int>("clics");
    QTest::addColumn<QString>("visibles");
    QTest::addColumn<QString>("paires");   // Shape1
    QTest::addColumn<QString>("reste");    // Shape2
    QTest::addColumn<int>("points_zero"); // of the zero of the pairs; 0 while hidden
    QTest::addColumn<bool>("bouton");

    const char *somme = "10 20 30";
    const char *colonnes_3_8 = "10 20 30 2-3 11-13 21 22-28 31-38";
    QTest::newRow("shown: nothing but the arrow") << 3 << -8 << 0 << "" << "-" << "-" << 0 << false;
    QTest::newRow("3+(-8) click 1: the sum") << 3 << -8 << 1 << somme << "-" << "-" << 0 << false;
    QTest::newRow("3+(-8) click 2: three units") << 3 << -8 << 2 << "10 20 30 2-3 11-13" << "-"
                                                 << "-" << 0 << false;
    QTest::newRow("3+(-8) click 4: eight units") << 3 << -8 << 4 << colonnes_3_8 << "-" << "-"
                                                 << 0 << false;
    QTest::newRow("3+(-8) click 5: first pair") << 3 << -8 << 5 << "10 20 30 2-3 11-13 21 22-28 31-38 41"
                                                << "55/22" << "-" << 20 << false;
    QTest::newRow("3+(-8) click 6: three pairs") << 3 << -8 << 6 << "10 20 30 2-3 11-13 21 22-28 31-38 41"
                                                 << "55/66" << "-" << 35 << false;
    QTest::newRow("3+(-8) click 7: rows 4 to 8 left over")
        << 3 << -8 << 7 << "10 20 30 2-3 11-13 21 22-28 31-38 40-42 50" << "55/66" << "122/122"
        << 35 << true;
    QTest::newRow("3+(-8) click 8: the sum again, OK kept") << 3 << -8 << 8 << somme << "-" << "-"
                                                            << 0 << true;
    QTest::newRow("-1+4 click 2: a single unit") << -1 << 4 << 2 << "10 20 30 11" << "-" << "-"
                                                 << 0 << false;
    QTest::newRow("-1+4 click 6: no step 5, the result")
        << -1 << 4 << 6 << "10 20 30 11 21 22-24 31-34 40-42 50" << "55/22" << "78/66" << 20
        << true;
    QTest::newRow("-1+4 click 7: a six-click cycle") << -1 << 4 << 7 << somme << "-" << "-" << 0
                                                     << true;
    QTest::newRow("5+(-9): the gap inside the pairs")
        << 5 << -9 << 7 << "10 20 30 2-5 11-15 21 22-29 31-39 40-42 50" << "55/110" << "178/88"
        << 35 << true;
    QTest::newRow("-4+6: the gap inside the rest")
        << -4 << 6 << 7 << "10 20 30 2-4 11-14 21 22-26 31-36 40-42 50" << "55/88" << "144/56"
        << 35 << true;
    QTest::newRow("-7+9: seven pairs, two left over")
        << -7 << 9 << 7 << "10 20 30 2-7 11-17 21 22-29 31-39 40-42 50" << "55/166" << "222/44"
        << 35 << true;
}

void TstDemonstrationUnites::apres_les_clics()
{
    QFETCH(int, operande1);
    QFETCH(int, operande2);
    QFETCH(int, clics);
    QFETCH(QString, visibles);
    QFETCH(QString, paires);
    QFETCH(QString, reste);
    QFETCH(int, points_zero);
    QFETCH(bool, bouton);

    DemonstrationUnites d;
    d.commence(operande1, operande2);
    for (int i = 0; i < clics; ++i)
        d.clique();

    QCOMPARE(::visibles(d), etiquettes(qPrintable(visibles)));
    QCOMPARE(cadre(d.cadre_paires()), paires);
    QCOMPARE(cadre(d.cadre_reste()), reste);
    if (points_zero != 0) {
        QCOMPARE(d.points_zero(), points_zero);
        QCOMPARE(d.zero_centre(), points_zero == DemonstrationUnites::points_grand);
    }
    QCOMPARE(d.bouton_visible(), bouton);
}

void TstDemonstrationUnites::termes_et_unites_data()
{
    QTest::addColumn<int>("operande1");
    QTest::addColumn<int>("operande2");
    QTest::addColumn<QString>("unite1");
    QTest::addColumn<QString>("unite2");
    QTest::addColumn<QString>("somme");

    QTest::newRow("negative first term") << -7 << 9 << "-1" << "1" << "2";
    QTest::newRow("negative second term") << 3 << -8 << "1" << "-1" << "-5";
}

// Every label of a column takes its term's sign and colour; the operators
// of the top line stay black and the zero and the rest dark grey.
void TstDemonstrationUnites::termes_et_unites()
{
    QFETCH(int, operande1);
    QFETCH(int, operande2);
    QFETCH(QString, unite1);
    QFETCH(QString, unite2);
    QFETCH(QString, somme);

    DemonstrationUnites d;
    d.commence(operande1, operande2);
    const Couleur couleur1 = operande1 < 0 ? couleurs::bleu : couleurs::rouge;
    const Couleur couleur2 = operande2 < 0 ? couleurs::bleu : couleurs::rouge;
    for (int rangee = 1; rangee <= 9; ++rangee) {
        QCOMPARE(d.texte(10 + rangee), unite1);
        QCOMPARE(d.texte(30 + rangee), unite2);
        QVERIFY(d.couleur(10 + rangee) == couleur1);
        QVERIFY(d.couleur(30 + rangee) == couleur2);
        if (rangee > 1) {
            QCOMPARE(d.texte(rangee), QStringLiteral("+"));
            QVERIFY(d.couleur(rangee) == couleur1);
            QVERIFY(d.couleur(20 + rangee) == couleur2);
        }
    }
    QCOMPARE(d.texte(10), QString::number(operande1));
    QCOMPARE(d.texte(30), QString::number(operande2));
    QVERIFY(d.couleur(10) == couleur1);
    QVERIFY(d.couleur(30) == couleur2);
    for (const int noir : {20, 21, 40, 50})
        QVERIFY(d.couleur(noir) == couleurs::noir);
    QCOMPARE(d.texte(42), somme);
    QCOMPARE(d.texte(50), somme);
    QVERIFY(d.couleur(41) == d.couleur(42));
    QVERIFY(!(d.couleur(41) == couleurs::noir));
}

void TstDemonstrationUnites::zero_centre_sur_son_cadre_data()
{
    QTest::addColumn<int>("hauteur_cadre");
    QTest::addColumn<int>("hauteur_etiquette");
    QTest::addColumn<int>("haut");

    QTest::newRow("label shorter than the frame") << 166 << 53 << 111;
    QTest::newRow("label taller by an odd number: truncated upward") << 44 << 53 << 50;
    QTest::newRow("label as tall as the frame") << 54 << 54 << 55;
}

void TstDemonstrationUnites::zero_centre_sur_son_cadre()
{
    QFETCH(int, hauteur_cadre);
    QFETCH(int, hauteur_etiquette);
    QFETCH(int, haut);
    Cadre c;
    c.haut = 55;
    c.hauteur = hauteur_cadre;
    QCOMPARE(DemonstrationUnites::haut_centre(c, hauteur_etiquette), haut);
}

QTEST_APPLESS_MAIN(TstDemonstrationUnites)
#include "tst_demonstration_unites.moc"
