// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey: random clicks, keys, menu entries, waits and closes on the
// running program, several seeds. The program never dies, answers every
// command within a second, and its shared state keeps its invariants after
// every step. TAVELO_MONKEY_EVENTS sets the number of events of a run
// (shared among the seeds) for a longer run by hand.

#include "client_scenario.h"
#include "invariants.h"
#include "singe.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QtTest>

namespace {

constexpr int evenements_par_defaut = 900;
constexpr qint64 reponse_max_ms = 1000;
constexpr qsizetype historique = 25;

int evenements_demandes()
{
    bool lu = false;
    const int n = qEnvironmentVariableIntValue("TAVELO_MONKEY_EVENTS", &lu);
    return lu && n > 0 ? n : evenements_par_defaut;
}

} // namespace

class TstScenarioSinge : public QObject
{
    Q_OBJECT

private slots:
    void les_invariants_voient_un_etat_faux_data();
    void les_invariants_voient_un_etat_faux();
    void le_singe_ne_casse_rien_data();
    void le_singe_ne_casse_rien();
};

// The checks must be able to fail: each row breaks one item of a real state.
void TstScenarioSinge::les_invariants_voient_un_etat_faux_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<int>("indice"); // -1: a plain variable
    QTest::addColumn<double>("valeur");
    QTest::newRow("score past the level's target") << "score" << -1 << 21.0;
    QTest::newRow("position 0 in the series") << "rang_question" << -1 << 0.0;
    QTest::newRow("result unlike the operands") << "resultat" << -1 << 77.0;
    QTest::newRow("type id 35 in the test") << "composition_test" << 3 << 35.0;
    QTest::newRow("subtraction for an addition") << "composition_test" << 0 << 30.0;
    QTest::newRow("negative weight") << "repartition" << 0 << -0.5;
    QTest::newRow("total weight lost") << "repartition" << 9 << 2.5;
    QTest::newRow("speed below 1") << "vitesse_ciblage" << -1 << 0.9;
}

void TstScenarioSinge::les_invariants_voient_un_etat_faux()
{
    QFETCH(QString, variable);
    QFETCH(int, indice);
    QFETCH(double, valeur);

    ClientScenario client(1);
    QJsonObject etat = client.etat();
    QCOMPARE(invariants_rompus(etat), QStringList());
    if (indice < 0) {
        etat[variable] = valeur;
    } else {
        QJsonArray liste = etat[variable].toArray();
        liste[indice] = valeur;
        etat[variable] = liste;
    }
    const QString rompus = invariants_rompus(etat).join(QStringLiteral("; "));
    QVERIFY2(rompus.contains(variable), qPrintable(rompus));
}

void TstScenarioSinge::le_singe_ne_casse_rien_data()
{
    QTest::addColumn<quint64>("graine");
    for (const quint64 graine : {11u, 2026u, 777u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(graine))) << graine;
}

void TstScenarioSinge::le_singe_ne_casse_rien()
{
    QFETCH(quint64, graine);
    const int evenements = std::max(1, evenements_demandes() / 3);

    ClientScenario client(graine);
    Singe singe(client, graine);
    QStringList derniers; // replayed in the message when a step fails
    auto echec = [&](const QString &raison) {
        return QStringLiteral("seed %1, %2\nlast commands:\n  %3")
            .arg(graine)
            .arg(raison, derniers.join(QStringLiteral("\n  ")))
            .toLocal8Bit();
    };

    qint64 plus_lente = 0;
    QElapsedTimer duree;
    duree.start();
    for (int i = 0; i < evenements; ++i) {
        const QString commande = singe.prochaine_commande();
        derniers.append(commande);
        if (derniers.size() > historique)
            derniers.removeFirst();

        QElapsedTimer chrono;
        chrono.start();
        const QJsonObject reponse = client.commande(commande);
        qint64 ms = chrono.elapsed();
        if (commande.startsWith(QLatin1String("wait ")))
            ms -= commande.mid(5).toInt();
        plus_lente = std::max(plus_lente, ms);
        QVERIFY2(client.pret(), echec(client.erreur()).constData());
        QVERIFY2(reponse["ok"].toBool(), echec(reponse["error"].toString()).constData());
        QVERIFY2(ms <= reponse_max_ms, echec(QStringLiteral("answered in %1 ms").arg(ms)).constData());

        const QStringList rompus = invariants_rompus(client.etat());
        QVERIFY2(rompus.isEmpty(), echec(rompus.join(QStringLiteral("; "))).constData());
    }
    const QJsonObject fin = client.etat();
    // A sanitizer's leak report at exit shows here.
    QCOMPARE(client.termine(), 0);
    qInfo("seed %llu: %d events in %lld ms, slowest answer %lld ms; level %d, score %d; "
          "clicked in: %s",
          graine, evenements, duree.elapsed(), plus_lente, fin["niveau"].toInt(),
          fin["score"].toInt(), qPrintable(singe.fenetres_visitees().join(QLatin1Char(' '))));
}

int main(int argc, char *argv[])
{
    // A long run by hand outlasts QtTest's watchdog of five minutes a test.
    if (qEnvironmentVariableIsSet("TAVELO_MONKEY_EVENTS")
        && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    QCoreApplication application(argc, argv);
    TstScenarioSinge test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_scenario_singe.moc"
