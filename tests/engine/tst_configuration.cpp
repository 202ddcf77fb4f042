// The configuration dialog without its widgets: the typing rules of its
// fields, the silent corrections of "Appliquer" and what it puts in force.
#include "champ_options.h"
#include "configuration.h"
#include "controle_options.h"
#include "etat_partage.h"
#include "tables.h"

#include <QTest>

namespace {

// Plays keystrokes into field n from an empty field: '<' moves the caret
// one place left, any other character is typed at the caret.
SaisieChamp joue(int n, const QString &frappes)
{
    SaisieChamp s;
    for (const QChar c : frappes) {
        if (c == u'<')
            s.curseur = std::max(s.curseur - 1, 0);
        else
            s = champ_options::frappe(n, s, QString(c));
    }
    return s;
}

int nombre_de(const Tableau<int, 40> &composition, int type)
{
    return int(std::count(composition.begin(), composition.end(), type));
}

} // namespace

class TstConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_etat = EtatPartage();
        m_etat.charge_valeurs_de_depart();
        m_configuration = std::make_unique<Configuration>(m_etat);
        m_configuration->remplit();
    }

    void frappes_data()
    {
        QTest::addColumn<int>("champ");
        QTest::addColumn<QString>("frappes");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("curseur");

        QTest::newRow("a letter is removed") << 10 << "1a" << "1" << 1;
        QTest::newRow("a letter first is removed") << 10 << "x" << "" << 0;
        QTest::newRow("a minus is removed") << 35 << "-4" << "4" << 1;
        QTest::newRow("a third digit is removed") << 10 << "123" << "12" << 2;
        QTest::newRow("a third digit in front is removed") << 37 << "12<<9" << "12" << 0;
        QTest::newRow("a third digit in the middle is removed") << 37 << "12<9" << "12" << 1;
        QTest::newRow("5 after 0 gives 5") << 10 << "05" << "5" << 1;
        QTest::newRow("0 before 5 gives 5") << 10 << "5<0" << "5" << 0;
        QTest::newRow("0 after a digit stays") << 36 << "10" << "10" << 2;
        QTest::newRow("0 alone stays") << 22 << "0" << "0" << 1;
        QTest::newRow("0+0: 1 stays") << 1 << "1" << "1" << 1;
        QTest::newRow("0+0: 0 stays") << 1 << "0" << "0" << 1;
        QTest::newRow("0+0: 2 empties it") << 1 << "2" << "" << 0;
        QTest::newRow("0+0: 1 then 0 leaves 0") << 1 << "10" << "0" << 1;
        QTest::newRow("0+0: 1 then 1 leaves 1") << 1 << "11" << "1" << 1;
        QTest::newRow("0-0: 5 empties it") << 18 << "5" << "" << 0;
        QTest::newRow("0-0: 0 then 1 leaves 1") << 18 << "01" << "1" << 1;
        QTest::newRow("type x+0: takes 2") << 2 << "2" << "2" << 1;
    }

    void frappes()
    {
        QFETCH(int, champ);
        QFETCH(QString, frappes);
        QFETCH(QString, texte);
        QFETCH(int, curseur);
        QCOMPARE(joue(champ, frappes), (SaisieChamp{texte, curseur}));
    }

    void collage_data()
    {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<int>("curseur");
        QTest::addColumn<QString>("colle");
        QTest::addColumn<QString>("texte");

        QTest::newRow("digits and letters") << "" << 0 << "a1b" << "1";
        QTest::newRow("a long number keeps two digits") << "" << 0 << "12345" << "12";
        QTest::newRow("a letter away from the caret") << "" << 0 << "x7" << "7";
        QTest::newRow("three digits before a digit") << "5" << 0 << "123" << "12";
        QTest::newRow("zeros") << "" << 0 << "007" << "0";
    }

    // Text dropped or pasted in one piece still leaves a valid field.
    void collage()
    {
        QFETCH(QString, avant);
        QFETCH(int, curseur);
        QFETCH(QString, colle);
        QFETCH(QString, texte);
        const SaisieChamp s = champ_options::frappe(10, {avant, curseur}, colle);
        QCOMPARE(s.texte, texte);
        QVERIFY(s.curseur >= 0 && s.curseur <= s.texte.size());
    }

    void appliquer_data()
    {
        QTest::addColumn<QStringList>("saisies");       // "field=text" typed before
        QTest::addColumn<bool>("avec_retenues");
        QTest::addColumn<QStringList>("champs");        // "field=text" after "Appliquer"
        QTest::addColumn<int>("max_avec_calcul");
        QTest::addColumn<int>("max_sans_calcul");
        QTest::addColumn<double>("vitesse");

        QTest::newRow("additions totalling 19 go back to the defaults, subtractions are applied")
            << QStringList{"10=2", "22=3", "34=0"} << false << QStringList{"10=3", "22=3", "34=0"}
            << 9 << 9 << 2.0;
        QTest::newRow("12 of x-x raise the maximum without calculation")
            << QStringList{"21=12"} << false << QStringList{"36=12", "21=1"} << 9 << 12 << 2.0;
        QTest::newRow("12 of x+x without carries raise the other maximum to 20")
            << QStringList{"4=12"} << false << QStringList{"35=20", "4=0"} << 20 << 9 << 2.0;
        QTest::newRow("12 of x+x with carries raise it to 12")
            << QStringList{"4=12"} << true << QStringList{"35=12"} << 12 << 9 << 2.0;
        QTest::newRow("99 of x-(-x) without carries raise it to 99 at most")
            << QStringList{"25=99"} << false << QStringList{"35=99"} << 99 << 9 << 2.0;
        QTest::newRow("a valid column is applied as typed")
            << QStringList{"1=1", "7=0", "29=0", "18=1"} << false
            << QStringList{"1=1", "7=0", "29=0", "18=1"} << 9 << 9 << 2.0;
        QTest::newRow("empty fields") << QStringList{"8=", "35=", "36=", "37="} << false
                                      << QStringList{"8=2", "35=9", "36=9", "37=20"} << 9 << 9
                                      << 2.0;
        QTest::newRow("speed 5 becomes 10") << QStringList{"37=5"} << false
                                            << QStringList{"37=10"} << 9 << 9 << 1.0;
        QTest::newRow("speed 99") << QStringList{"37=99"} << false << QStringList{"37=99"} << 9
                                  << 9 << 9.9;
        QTest::newRow("maxima below 9 become 9, above stay")
            << QStringList{"35=3", "36=45"} << false << QStringList{"35=9", "36=45"} << 9 << 45
            << 2.0;
    }

    void appliquer()
    {
        QFETCH(QStringList, saisies);
        QFETCH(bool, avec_retenues);
        QFETCH(QStringList, champs);
        m_configuration->CheckBox1Click(!avec_retenues);
        FormulaireOptions &f = m_configuration->formulaire();
        for (const QString &s : saisies)
            f.champs[s.section(u'=', 0, 0).toInt()] = s.section(u'=', 1);

        m_configuration->rectifier_erreurs();
        QCOMPARE(m_configuration->appliquer(), 0);

        for (const QString &c : champs)
            QCOMPARE(f.champs[c.section(u'=', 0, 0).toInt()], c.section(u'=', 1));
        QTEST(m_etat.max_avec_calcul, "max_avec_calcul");
        QTEST(m_etat.max_sans_calcul, "max_sans_calcul");
        QTEST(m_etat.vitesse_ciblage, "vitesse");
        QCOMPARE(m_etat.avec_retenues, avec_retenues);
        // The composition is the fields' counts, sorted by type id.
        QCOMPARE(defaut_de_composition(m_etat.composition_test), QString());
        for (int n = 1; n <= 34; ++n)
            QCOMPARE(QString::number(nombre_de(m_etat.composition_test, n)), f.champs[n]);
    }

    void le_choix_de_niveau_revient_a_chaque_application()
    {
        m_configuration->formulaire().redemarrage = 3;
        for (int fois = 0; fois < 2; ++fois) {
            m_configuration->rectifier_erreurs();
            QCOMPARE(m_configuration->appliquer(), 3);
        }
    }

    void remplit_depuis_les_reglages_en_vigueur()
    {
        m_etat.composition_test = tables::composition_test_par_defaut;
        m_etat.composition_test[1] = 1; // one 0+0: instead of a 0+(-x):
        m_etat.avec_retenues = true;
        m_etat.max_avec_calcul = 15;
        m_etat.vitesse_ciblage = 9.9;
        m_configuration->remplit();
        const FormulaireOptions &f = m_configuration->formulaire();
        QCOMPARE(f.champs[1], QStringLiteral("1"));
        QCOMPARE(f.champs[7], QStringLiteral("0"));
        QCOMPARE(f.champs[10], QStringLiteral("3"));
        QCOMPARE(f.champs[34], QStringLiteral("1"));
        QCOMPARE(f.champs[35], QStringLiteral("15"));
        QCOMPARE(f.champs[36], QStringLiteral("9"));
        QCOMPARE(f.champs[37], QStringLiteral("99"));
        QVERIFY(!f.eviter_retenues);
    }

private:
    EtatPartage m_etat;
    std::unique_ptr<Configuration> m_configuration;
};

QTEST_APPLESS_MAIN(TstConfiguration)
#include "tst_configuration.moc"
