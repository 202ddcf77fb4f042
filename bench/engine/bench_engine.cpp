// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire.h"
#include "eleve_simule.h"
#include "etat_partage.h"
#include "generateur.h"
#include "questionnaire.h"
#include "tables.h"

#include <QTest>

// Costs of the drill's hot paths. Run: bench_engine [-iterations N].
class BenchEngine : public QObject
{
    Q_OBJECT

private slots:
    // One draw of a C-group type ((-x)+(-Y)) without carries at max 99:
    // the longest candidate list a caller can ask for.
    void tirage_groupe_C_sans_retenues_max99()
    {
        AleatoireHorloge hasard(1u);
        int somme = 0;
        QBENCHMARK {
            for (int i = 0; i < 1000; ++i)
                somme += tire_au_sort(hasard, 16, false, 99, 99).operande1;
        }
        QVERIFY(somme < 0);
    }

    // Building a level-3 series from the default weights.
    void serie_niveau3()
    {
        AleatoireHorloge hasard(2u);
        EtatPartage etat;
        int premier = 0;
        QBENCHMARK {
            premier += elabore_questionnaire(etat, hasard, tables::repartition_par_defaut, 3)[1];
        }
        QVERIFY(premier > 0);
    }

    // Answers judged by a simulated pupil playing the drill through the
    // fake window: typing, checking, correction lines, rule windows, timers
    // and level changes. 1000 answers per iteration; a won game restarts
    // at level 1.
    void reponses_de_l_eleve_simule()
    {
        BancExercice banc(std::make_unique<AleatoireHorloge>(3u));
        EleveSimule eleve(banc, 4u);
        banc.demarre();
        int jugees = 0;
        QBENCHMARK {
            for (int i = 0; i < 1000; ++i) {
                if (eleve.fini())
                    banc.exercice.initialise_niveau(1);
                eleve.joue();
                ++jugees;
            }
        }
        // Each answer counted once, as a success or as a rule error.
        int comptees = 0;
        for (int t = 1; t <= 34; ++t)
            comptees += banc.etat.reussites[t] + banc.etat.erreurs[t];
        QCOMPARE(comptees, jugees);
    }
};

QTEST_APPLESS_MAIN(BenchEngine)
#include "bench_engine.moc"
