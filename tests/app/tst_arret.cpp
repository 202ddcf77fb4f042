// SPDX-License-Identifier: GPL-3.0-or-later
// The ways a run ends besides the close box. A signal closes the main
// window the normal way, so the keyboard's locks come back (checked where
// the test runs on an X server); a run without a display, or whose
// platform cannot start, says why and exits with status 1 instead of
// aborting, as a bad command line does with status 2.

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

// Without a display, one line; when Qt's platform cannot start, Qt's own
// reason and what to install or set. An X display is preferred to Wayland
// where both are named. The command line is read first: its refusals need
// no display.
void TstArret::sans_affichage_une_ligne_et_son_statut_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("session_wayland");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("statut");
    QTest::addColumn<QStringList>("attendus");
    QTest::newRow("no display named")
        << QString() << false << QStringList() << 1
        << QStringList{"Tavelo a besoin d'une session graphique"};
    QTest::newRow("display named but unreachable")
        << QStringLiteral(":4711") << false << QStringList() << 1
        << QStringList{"could not connect to display :4711", "DISPLAY=:4711"};
    QTest::newRow("X display tried first on a Wayland session")
        << QStringLiteral(":4711") << true << QStringList() << 1
        << QStringList{"could not connect to display :4711", "DISPLAY=:4711"};
    QTest::newRow("bad zoom")
        << QString() << false << QStringList{"--zoom", "0"} << 2
        << QStringList{"tavelo : --zoom « 0 » refusé"};
}

void TstArret::sans_affichage_une_ligne_et_son_statut()
{
    QFETCH(QString, display);
    QFETCH(bool, session_wayland);
    QFETCH(QStringList, arguments);
    QFETCH(int, statut);
    QFETCH(QStringList, attendus);

    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    for (const char *variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "TAVELO_ZOOM"})
        environnement.remove(QLatin1String(variable));
    if (!display.isEmpty())
        environnement.insert(QStringLiteral("DISPLAY"), display);
    if (session_wayland) {
        // Where Qt would pick Wayland by itself.
        environnement.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        environnement.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("KDE"));
        environnement.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-4711"));
    }

    QProcess tavelo;
    tavelo.setProcessEnvironment(environnement);
    tavelo.start(QStringLiteral(TAVELO_PROGRAMME), arguments);
    QVERIFY(tavelo.waitForFinished(20000));
    QCOMPARE(tavelo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tavelo.exitCode(), statut);
    const QString erreurs = QString::fromUtf8(tavelo.readAllStandardError());
    for (const QString &attendu : attendus)
        QVERIFY2(erreurs.contains(attendu), qPrintable(erreurs));
    if (display.isEmpty())
        QCOMPARE(erreurs.count(QLatin1Char('\n')), 1);
}

QTEST_MAIN(TstArret)
#include "tst_arret.moc"
