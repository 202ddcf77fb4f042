// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog without its widgets: the typing rules of its
// fields and the silent corrections of "Appliquer".
#include "champ_options.h"
#include "configuration.h"
#include "controle_options.h"
#include "etat_partage.h"

#include <QTest>

class TstConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void frappes_data()
    {
        QTest::addColumn<int>("champ");
        QTest::addColumn<QStringList>("frappes"); // each typed or pasted at the caret; "<" moves it left
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("curseur");

        QTest::newRow("a letter is removed") << 10 << QStringList{"1", "a"} << "1" << 1;
        QTest::newRow("a third digit is removed") << 10 << QStringList{"1", "2", "3"} << "12" << 2;
        QTest::newRow("a third digit in front is removed")
            << 37 << QStringList{"1", "2", "<", "<", "9"} << "12" << 0;
        QTest::newRow("5 after 0 gives 5") << 10 << QStringList{"0", "5"} << "5" << 1;
        QTest::newRow("0 before 5 gives 5") << 10 << QStringList{"5", "<", "0"} << "5" << 0;
        QTest::newRow("0+0: 1 stays") << 1 << QStringList{"1"} << "1" << 1;
        QTest::newRow("0+0: 2 empties it") << 1 << QStringList{"2"} << "" << 0;
        QTest::newRow("0-0: 1 then 0 leaves 0") << 18 << QStringList{"1", "0"} << "0" << 1;
        QTest::newRow("letters pasted away from the caret") << 10 << QStringList{"a1b"} << "1" << 1;
        QTest::newRow("a long number pasted") << 10 << QStringList{"12345"} << "12" << 2;
    }

    void frappes()
    {
        QFETCH(int, champ);
        QFETCH(QStringList, frappes);
        Saisie s;
        for (const QString &f : frappes) {
            if (f == u"<")
                s.curseur = std::max(s.curseur - 1, 0);
            else
                s = champ_options::frappe(champ, s, f);
        }
        QTEST(s.texte, "texte");
        QTEST(s.curseur, "curseur");
    }

    void appliquer_data()
    {
        QTest::addColumn<QStringList>("saisies"); // "field=text", typed before "Appliquer"
        QTest::addColumn<bool>("avec_retenues");
        QTest::addColumn<QStringList>("champs"); // "field=text" after it

        QTest::newRow("additions totalling 19 go back to the defaults, subtractions are applied")
            << QStringList{"10=2", "22=3", "34=0"} << false << QStringList{"10=3", "22=3", "34=0"};
        QTest::newRow("12 of x-x raise the maximum without calculation")
            << QStringList{"21=12"} << false << QStringList{"36=12", "21=1", "35=9"};
        QTest::newRow("12 of x+x without carries raise the other maximum to 20")
            << QStringList{"4=12"} << false << QStringList{"35=20", "4=0", "36=9"};
        QTest::newRow("10 of x+x without carries raise it to 14")
            << QStringList{"4=10"} << false << QStringList{"35=14"};
        QTest::newRow("12 of x+x with carries raise it to 12")
            << QStringList{"4=12"} << true << QStringList{"35=12"};
        QTest::newRow("99 of x-(-x) without carries raise it to 99 at most")
            << QStringList{"25=99"} << false << QStringList{"35=99"};
        QTest::newRow("empty fields, a maximum below 9") << QStringList{"8=", "35=", "36=3", "37="}
            << false << QStringList{"8=2", "35=9", "36=9", "37=20"};
        QTest::newRow("speed 5 becomes 10") << QStringList{"37=5"} << false << QStringList{"37=10"};
        QTest::newRow("speed 25 is 2.5") << QStringList{"37=25"} << false << QStringList{"37=25"};
    }

    // The state takes the corrected fields: the composition holds their
    // counts sorted by type id, the speed is a tenth of Edit37.
    void appliquer()
    {
        QFETCH(QStringList, saisies);
        QFETCH(bool, avec_retenues);
        QFETCH(QStringList, champs);
        EtatPartage etat;
        etat.charge_valeurs_de_depart();
        Configuration configuration(etat);
        configuration.remplit();
        configuration.CheckBox1Click(!avec_retenues);
        FormulaireOptions &f = configuration.formulaire();
        for (const QString &s : saisies)
            f.champs[s.section(u'=', 0, 0).toInt()] = s.section(u'=', 1);

        configuration.rectifier_erreurs();
        QCOMPARE(configuration.appliquer(), 0);

        for (const QString &c : champs)
            QCOMPARE(f.champs[c.section(u'=', 0, 0).toInt()], c.section(u'=', 1));
        QCOMPARE(etat.avec_retenues, avec_retenues);
        QCOMPARE(QString::number(etat.max_avec_calcul), f.champs[35]);
        QCOMPARE(QString::number(etat.max_sans_calcul), f.champs[36]);
        QCOMPARE(etat.vitesse_ciblage, f.champs[37].toInt() / 10.0);
        QVERIFY(composition_valide(etat.composition_test));
        for (int n = 1; n <= 34; ++n)
            QCOMPARE(QString::number(std::count(etat.composition_test.begin(),
                                                etat.composition_test.end(), n)),
                     f.champs[n]);
    }
};

QTEST_APPLESS_MAIN(TstConfiguration)
#include "tst_configuration.moc"
