// SPDX-License-Identifier: GPL-3.0-or-later
// The run's zoom: the automatic choice from the screen's available area,
// what the command line and TAVELO_ZOOM ask for, and the scale factor set
// for the real application.

#include "U_general.h"
#include "aleatoire.h"
#include "ecran_virtuel.h"
#include "ligne_de_commande.h"
#include "polices.h"
#include "zoom.h"

#include <QApplication>
#include <QtTest>

class tst_zoom : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void choix_automatique_data();
    void choix_automatique();
    void ligne_de_commande_data();
    void ligne_de_commande();
    void echelle_appliquee_data();
    void echelle_appliquee();
    void le_choix_compte_avec_la_taille_de_la_fenetre_principale();

private:
    const QByteArray m_plateforme = qgetenv("QT_QPA_PLATFORM");
};

void tst_zoom::cleanup()
{
    qputenv("QT_QPA_PLATFORM", m_plateforme);
    qunsetenv("QT_SCALE_FACTOR");
}

void tst_zoom::choix_automatique_data()
{
    QTest::addColumn<QSize>("disponible");
    QTest::addColumn<double>("facteur");
    QTest::newRow("800 x 600") << QSize(800, 600) << 1.0;
    QTest::newRow("1366 x 768 laptop under a panel") << QSize(1366, 728) << 1.25;
    QTest::newRow("1920 x 1080 under a panel") << QSize(1920, 1040) << 1.75;
    QTest::newRow("2560 x 1440 under a panel") << QSize(2560, 1400) << 2.5;
    QTest::newRow("3840 x 2160 under a panel") << QSize(3840, 2080) << 3.0;
    QTest::newRow("smaller than the design: 1x all the same") << QSize(640, 480) << 1.0;
    QTest::newRow("exactly twice the design fits") << QSize(1308, 1082) << 2.0;
    QTest::newRow("one pixel short in width") << QSize(1307, 1082) << 1.75;
}

void tst_zoom::choix_automatique()
{
    QFETCH(QSize, disponible);
    QFETCH(double, facteur);
    QCOMPARE(zoom::choisi(disponible), facteur);
}

void tst_zoom::ligne_de_commande_data()
{
    // statut -1: the run goes on, at `facteur` (0: the automatic choice);
    // 0: `texte` is part of the output; 2: part of the error.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<int>("statut");
    QTest::addColumn<double>("facteur");
    QTest::addColumn<QString>("texte");
    const QString refus = QStringLiteral("un nombre de 1 à 3 ou « auto » est attendu.");
    QTest::newRow("nothing: automatic") << QStringList() << QString() << -1 << 0.0 << QString();
    QTest::newRow("--zoom=1,5 with a decimal comma")
        << QStringList{"--zoom=1,5"} << QString() << -1 << 1.5 << QString();
    QTest::newRow("any factor from 1 to 3, not only the steps")
        << QStringList{"--zoom", "1.3"} << QString() << -1 << 1.3 << QString();
    QTest::newRow("TAVELO_ZOOM alone") << QStringList() << "2.5" << -1 << 2.5 << QString();
    QTest::newRow("--zoom wins over TAVELO_ZOOM")
        << QStringList{"--zoom", "3"} << "1.25" << -1 << 3.0 << QString();
    QTest::newRow("--zoom auto wins over TAVELO_ZOOM")
        << QStringList{"--zoom", "auto"} << "2" << -1 << 0.0 << QString();
    QTest::newRow("Qt's own arguments are Qt's")
        << QStringList{"-platform", "xcb", "-style", "fusion"} << QString() << -1 << 0.0 << QString();
    QTest::newRow("--zoom 0") << QStringList{"--zoom", "0"} << QString() << 2 << 0.0
                              << "tavelo : --zoom « 0 » refusé : " + refus;
    QTest::newRow("--zoom x") << QStringList{"--zoom", "x"} << QString() << 2 << 0.0
                              << "tavelo : --zoom « x » refusé : " + refus;
    QTest::newRow("--zoom above 3") << QStringList{"--zoom=3.01"} << QString() << 2 << 0.0 << refus;
    QTest::newRow("--zoom with no value") << QStringList{"--zoom"} << QString() << 2 << 0.0
                                          << "tavelo : --zoom sans valeur : " + refus;
    QTest::newRow("bad TAVELO_ZOOM") << QStringList() << "nan" << 2 << 0.0
                                     << "tavelo : TAVELO_ZOOM « nan » refusé : " + refus;
    QTest::newRow("--help, whatever the zoom")
        << QStringList{"--zoom", "x", "--help"} << QString() << 0 << 0.0 << "TAVELO_ZOOM";
}

void tst_zoom::ligne_de_commande()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, variable);
    QFETCH(int, statut);
    QFETCH(double, facteur);
    QFETCH(QString, texte);
    const ligne_de_commande::Demande demande = ligne_de_commande::interprete(arguments, variable);

    QCOMPARE(demande.statut.value_or(-1), statut);
    if (statut < 0) {
        QCOMPARE(demande.zoom.facteur.value_or(0), facteur);
        QVERIFY(demande.sortie.isEmpty() && demande.erreur.isEmpty());
    } else if (statut == 0) {
        QVERIFY2(demande.sortie.contains(texte), qPrintable(demande.sortie));
        QVERIFY(demande.erreur.isEmpty());
    } else {
        // One line on standard error and nothing else.
        QVERIFY(demande.sortie.isEmpty());
        QVERIFY2(demande.erreur.contains(texte), qPrintable(demande.erreur));
        QCOMPARE(demande.erreur.count(QLatin1Char('\n')), 1);
        QVERIFY(demande.erreur.endsWith(QLatin1Char('\n')));
    }
}

void tst_zoom::echelle_appliquee_data()
{
    // The screen as the platform shows it: its size in the desktop's
    // pixels and the desktop's own scale (3840 x 2160 device pixels at scale
    // 2 are 1920 x 1080); QT_SCALE_FACTOR as the user left it. What comes
    // out: the factor, and device pixels per design pixel on the screen.
    QTest::addColumn<QSize>("ecran");
    QTest::addColumn<double>("echelle_du_bureau");
    QTest::addColumn<QByteArray>("echelle_qt");
    QTest::addColumn<double>("demande");
    QTest::addColumn<double>("facteur");
    QTest::addColumn<double>("pixels_par_pixel");
    QTest::newRow("desktop scale 2 on 3840 x 2160: chosen in logical pixels")
        << QSize(1920, 1080) << 2.0 << QByteArray() << 0.0 << 1.75 << 3.5;
    QTest::newRow("QT_SCALE_FACTOR 2 on 3840 x 2160: the two multiply")
        << QSize(3840, 2160) << 1.0 << QByteArray("2") << 0.0 << 1.75 << 3.5;
    QTest::newRow("a factor asked for, whatever the screen")
        << QSize(800, 600) << 1.0 << QByteArray("1.5") << 2.0 << 2.0 << 3.0;
}

void tst_zoom::echelle_appliquee()
{
    QFETCH(QSize, ecran);
    QFETCH(double, echelle_du_bureau);
    QFETCH(QByteArray, echelle_qt);
    QFETCH(double, demande);
    QFETCH(double, facteur);
    QFETCH(double, pixels_par_pixel);
    const auto configuration = configure_ecran_virtuel(ecran, echelle_du_bureau);
    QVERIFY(configuration);
    if (!echelle_qt.isEmpty())
        qputenv("QT_SCALE_FACTOR", echelle_qt);
    int argc = 1;
    char nom[] = "tst_zoom";
    char *argv[] = {nom, nullptr};
    const QGuiApplication application(argc, argv);
    const zoom::Reglage reglage{demande > 0 ? std::optional<double>(demande) : std::nullopt};

    QCOMPARE(zoom::applique(reglage), facteur);
    const QScreen *principal = QGuiApplication::primaryScreen();
    QCOMPARE(principal->devicePixelRatio(), pixels_par_pixel);
    QCOMPARE(principal->geometry().size(), ecran * echelle_du_bureau / pixels_par_pixel);
}

// The choice counts with the main window's outer size at 1x: if its frame,
// caption bar or menu changed height, the choice would let it overflow.
void tst_zoom::le_choix_compte_avec_la_taille_de_la_fenetre_principale()
{
    int argc = 1;
    char nom[] = "tst_zoom";
    char *argv[] = {nom, nullptr};
    QApplication application(argc, argv);
    installe_polices_de_substitution();
    EtatPartage etat;
    AleatoireHorloge hasard(1);
    const Tgeneral general(etat, hasard);
    QCOMPARE(general.size(), zoom::taille_principale);
}

QTEST_APPLESS_MAIN(tst_zoom)
#include "tst_zoom.moc"
