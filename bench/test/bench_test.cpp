// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire.h"
#include "code_feuille.h"
#include "enregistrement_pdf.h"
#include "etat_partage.h"
#include "feuille_test.h"
#include "impression_test.h"
#include "polices.h"
#include "sujet_test.h"

#include <QTemporaryDir>
#include <QtTest>

// Costs of the two tests: choosing 40 questions, and the printed sheet
// with its key from the draw to the PDF on disk. Run offscreen.
class bench_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }
    void sujetDeQuaranteQuestions();
    void feuilleEtCorrigeEnPdf();
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

// From the menu's click to the PDF on disk: a new sheet and its key drawn,
// laid on two pages and written. A new day for each round, so that every
// sheet gets the day's first name.
void bench_Test::feuilleEtCorrigeEnPdf()
{
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    AleatoireHorloge hasard(5);
    QTemporaryDir dossier;
    const DossiersPossibles ou{{dossier.path()}, {}};
    QDate jour(2026, 1, 1);
    QBENCHMARK {
        const QList<QPicture> pages = pages_de_la_feuille(nouvelle_feuille(etat, hasard), true);
        const Enregistrement e =
            enregistre_pdf(en_pdf(pages, QPageSize(QPageSize::A4)), ou, jour, fichiers_du_systeme());
        QVERIFY(!e.fichier.isEmpty());
        jour = jour.addDays(1);
    }
}

QTEST_MAIN(bench_Test)
#include "bench_test.moc"
