// SPDX-License-Identifier: GPL-3.0-or-later
// The addition-error window's demonstration, click after click: which
// labels, frames and button it shows, with the frames' tops and heights.
#include "demonstration_unites.h"

#include <QTest>

namespace {

// "10 20 30 2-3 11-13": the labels 10, 20, 30, 2, 3, 11, 12, 13.
QList<int> etiquettes(const QString &liste)
{
    QList<int> numeros;
    for (const QString &mot : liste.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList bornes = mot.split(u'-');
        for (int n = bornes.first().toInt(); n <= bornes.last().toInt(); ++n)
            numeros.append(n);
    }
    std::sort(numeros.begin(), numeros.end());
    return numeros;
}

// A frame as "top/height", or "-" when hidden.
QString cadre(const DemonstrationUnites::Cadre &c)
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
};

void TstDemonstrationUnites::apres_les_clics_data()
{
    QTest::addColumn<int>("operande1");
    QTest::addColumn<int>("operande2");
    QTest::addColumn<int>("clics");
    QTest::addColumn<QString>("visibles");
    QTest::addColumn<QString>("paires");  // Shape1
    QTest::addColumn<QString>("reste");   // Shape2
    QTest::addColumn<int>("points_zero"); // of the zero of the pairs; 0 while hidden
    QTest::addColumn<bool>("bouton");

    const QString colonnes_3_8 = "10 20 30 2-3 11-13 21 22-28 31-38";
    QTest::newRow("3+(-8) click 2: three units") << 3 << -8 << 2 << "10 20 30 2-3 11-13" << "-"
                                                 << "-" << 0 << false;
    QTest::newRow("3+(-8) click 5: first pair") << 3 << -8 << 5 << colonnes_3_8 + " 41" << "55/22"
                                                << "-" << 20 << false;
    QTest::newRow("3+(-8) click 6: three pairs") << 3 << -8 << 6 << colonnes_3_8 + " 41" << "55/66"
                                                 << "-" << 35 << false;
    QTest::newRow("3+(-8) click 7: rows 4 to 8 left over")
        << 3 << -8 << 7 << colonnes_3_8 + " 40-42 50" << "55/66" << "122/122" << 35 << true;
    QTest::newRow("-1+4 click 6: no step 5, the result")
        << -1 << 4 << 6 << "10 20 30 11 21 22-24 31-34 40-42 50" << "55/22" << "78/66" << 20
        << true;
    QTest::newRow("-1+4 click 7: a six-click cycle, OK kept") << -1 << 4 << 7 << "10 20 30"
                                                              << "-" << "-" << 0 << true;
    QTest::newRow("5+(-9): the gap inside the pairs")
        << 5 << -9 << 7 << "10 20 30 2-5 11-15 21 22-29 31-39 40-42 50" << "55/110" << "178/88"
        << 35 << true;
    QTest::newRow("-4+6: the gap inside the rest")
        << -4 << 6 << 7 << "10 20 30 2-4 11-14 21 22-26 31-36 40-42 50" << "55/88" << "144/56"
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

    QList<int> montrees;
    for (int n = 0; n <= DemonstrationUnites::derniere_etiquette; ++n)
        if (d.visible(n))
            montrees.append(n);
    QCOMPARE(montrees, etiquettes(visibles));
    QCOMPARE(cadre(d.cadre_paires()), paires);
    QCOMPARE(cadre(d.cadre_reste()), reste);
    if (points_zero != 0) {
        QCOMPARE(d.points_zero(), points_zero);
        QCOMPARE(d.zero_centre(), points_zero == DemonstrationUnites::points_grand);
    }
    QCOMPARE(d.bouton_visible(), bouton);
    QCOMPARE(d.texte(50), QString::number(operande1 + operande2));
}

QTEST_APPLESS_MAIN(TstDemonstrationUnites)
#include "tst_demonstration_unites.moc"
