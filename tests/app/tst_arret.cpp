// The ways a run ends besides the close box. A signal closes the main
// window the normal way, so the keyboard's locks come back (checked where
// the test runs on an X server); a run without a display says so in one
// line and exits with status 1 instead of aborting, as a bad command
// line does with status 2.

#include "verrous_clavier.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>

namespace {

// True once the process catches the signal: its handler is in place.
bool attrape(qint64 pid, int signal)
{
    QFile statut(QStringLiteral("/proc/%1/status").arg(pid));
    if (!statut.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &ligne : statut.readAll().split('\n'))
        if (ligne.startsWith("SigCgt:"))
            return (ligne.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

} // namespace

class TstArret : public QObject
{
    Q_OBJECT

private slots:
    void un_signal_ferme_par_le_chemin_normal_data();
    void un_signal_ferme_par_le_chemin_normal();
    void sans_affichage_une_ligne_et_son_statut_data();
    void sans_affichage_une_ligne_et_son_statut();
};

void TstArret::un_signal_ferme_par_le_chemin_normal_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("kill (SIGTERM)") << SIGTERM;
    QTest::newRow("Ctrl+C (SIGINT)") << SIGINT;
    QTest::newRow("terminal closed (SIGHUP)") << SIGHUP;
}

void TstArret::un_signal_ferme_par_le_chemin_normal()
{
    QFETCH(int, signal);
    const bool x11 = verrous_clavier::disponibles();
    verrous_clavier::Table utilisateur{}; // Num Lock on, Caps Lock off
    utilisateur[verrous_clavier::verr_num] = 1;
    if (x11) {
        verrous_clavier::ecrit(utilisateur);
        QCOMPARE(verrous_clavier::lit(), utilisateur);
    }

    QProcess tavelo;
    tavelo.start(QStringLiteral(TAVELO_PROGRAMME), {});
    QVERIFY2(tavelo.waitForStarted(), qPrintable(tavelo.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(attrape(tavelo.processId(), signal), 20000);
    if (x11)
        QTRY_COMPARE_WITH_TIMEOUT(verrous_clavier::lit()[verrous_clavier::verr_maj], 1, 20000);

    ::kill(pid_t(tavelo.processId()), signal);
    QVERIFY(tavelo.waitForFinished(20000));
    QCOMPARE(tavelo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tavelo.exitCode(), 0);
    if (!x11)
        QSKIP("no X server: the locks cannot be read here");
    QCOMPARE(verrous_clavier::lit()[verrous_clavier::verr_maj], 0);
    QCOMPARE(verrous_clavier::lit()[verrous_clavier::verr_num], 1);
}

void TstArret::sans_affichage_une_ligne_et_son_statut_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("statut");
    QTest::addColumn<QString>("ligne");
    const QString sans_ecran = QStringLiteral("Tavelo a besoin d'une session graphique");
    QTest::newRow("no display named") << QString() << QStringList() << 1 << sans_ecran;
    QTest::newRow("display named but unreachable") << QStringLiteral(":4711") << QStringList() << 1 << sans_ecran;
    // The command line is read first: its refusals need no display.
    QTest::newRow("bad zoom") << QString() << QStringList{"--zoom", "0"} << 2
                              << QStringLiteral("tavelo : --zoom « 0 » refusé");
}

void TstArret::sans_affichage_une_ligne_et_son_statut()
{
    QFETCH(QString, display);
    QFETCH(QStringList, arguments);
    QFETCH(int, statut);
    QFETCH(QString, ligne);
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "TAVELO_ZOOM"})
        environnement.remove(QLatin1String(variable));
    if (!display.isEmpty())
        environnement.insert(QStringLiteral("DISPLAY"), display);

    QProcess tavelo;
    tavelo.setProcessEnvironment(environnement);
    tavelo.start(QStringLiteral(TAVELO_PROGRAMME), arguments);
    QVERIFY(tavelo.waitForFinished(20000));
    QCOMPARE(tavelo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tavelo.exitCode(), statut);
    const QString erreurs = QString::fromUtf8(tavelo.readAllStandardError());
    QCOMPARE(erreurs.count(ligne), 1);
    if (display.isEmpty())
        QCOMPARE(erreurs.count(QLatin1Char('\n')), 1);
}

QTEST_MAIN(TstArret)
#include "tst_arret.moc"
