#include "aleatoire.h"
#include "etat_partage.h"
#include "feuille_test.h"
#include "impression_test.h"
#include "polices.h"
#include "sujet_test.h"

#include <QTemporaryDir>
#include <QtTest>

// Costs of the two tests: choosing 40 questions, and the printed sheet
// from the draw to the PDF on disk. Run offscreen.
class bench_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }
    void sujetDeQuaranteQuestions();
    void feuilleEnPdf();
};

void bench_Test::sujetDeQuaranteQuestions()
{
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    AleatoireHorloge hasard(5);
    QBENCHMARK {
        const SujetTest sujet = compose_test(etat, hasard, 9, 9);
        QVERIFY(!sujet.questions[40].isEmpty());
    }
}

// A new day for each round, so that every sheet gets the day's first name.
void bench_Test::feuilleEnPdf()
{
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    AleatoireHorloge hasard(5);
    QTemporaryDir dossier;
    QDate jour(2026, 1, 1);
    QBENCHMARK {
        const SujetTest sujet = compose_test(etat, hasard, 9, 9);
        const SortieFeuille sortie =
            enregistre_feuille_en_pdf(feuille_test::dessine(sujet.questions), dossier.path(), jour);
        QVERIFY(sortie.reussie);
        jour = jour.addDays(1);
    }
}

QTEST_MAIN(bench_Test)
#include "bench_test.moc"
