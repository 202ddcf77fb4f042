// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire.h"
#include "marsCap.h"
#include "polices.h"
#include "programme.h"

#include <QtTest>

// The painted caption bars of the program's windows.
class tst_barres : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }
    void barres_data();
    void barres();
    void la_fenetre_principale_agrandie_garde_sa_barre();
};

void tst_barres::barres_data()
{
    QTest::addColumn<int>("rang");
    QTest::addColumn<QColor>("fin");   // invalid: the platform's bar
    QTest::addColumn<QColor>("texte");
    QTest::addColumn<QString>("police");
    // Shown buttons, right to left: c(lose), m(aximise), n (minimise),
    // upper case when enabled.
    QTest::addColumn<QString>("boutons");
    QTest::addColumn<bool>("icone");

    const QColor rouge(255, 0, 0), jaune(255, 255, 0), blanc(255, 255, 255);
    const QColor vert(0, 255, 0), cyan(0, 255, 255), fuchsia(255, 0, 255);
    QTest::newRow("main window") << 0 << jaune << jaune << "Arial" << "CmN" << true;
    QTest::newRow("addition rules") << 1 << vert << blanc << "MS Sans Serif" << "C" << false;
    QTest::newRow("subtraction rule") << 2 << vert << blanc << "MS Sans Serif" << "" << false;
    QTest::newRow("addition error") << 3 << cyan << blanc << "MS Sans Serif" << "" << false;
    QTest::newRow("about box") << 4 << jaune << blanc << "MS Sans Serif" << "" << false;
    QTest::newRow("lesson") << 5 << fuchsia << blanc << "Arial" << "CMN" << true;
    QTest::newRow("on-screen test") << 6 << rouge << blanc << "MS Sans Serif" << "C" << true;
    QTest::newRow("options keeps the platform's bar") << 7 << QColor() << QColor() << "" << ""
                                                      << false;
}

void tst_barres::barres()
{
    QFETCH(int, rang);
    QFETCH(QColor, fin);
    QFETCH(QColor, texte);
    QFETCH(QString, police);
    QFETCH(QString, boutons);
    QFETCH(bool, icone);

    Programme programme(std::make_unique<AleatoireHorloge>(3));
    // The settings the start step loads: the test window draws its
    // questions from them when it is shown.
    programme.etat().charge_valeurs_de_depart();
    QWidget *fenetre = programme.fenetres().at(rang);
    auto *barre = fenetre->findChild<TMarsCaption *>();
    QCOMPARE(barre != nullptr, fin.isValid());
    QCOMPARE(fenetre->windowFlags().testFlag(Qt::FramelessWindowHint), fin.isValid());
    if (!barre)
        return;

    QCOMPARE(barre->objectName(), QStringLiteral("MarsCaption1"));
    QCOMPARE(barre->activeBeginColor(), QColor(rang == 0 || rang == 4 ? 0xff0000 : 0x0000ff));
    QCOMPARE(barre->activeEndColor(), fin);
    QCOMPARE(barre->activeFontColor(), texte);
    QCOMPARE(barre->captionFont().family(), police);
    QCOMPARE(barre->captionFont().pixelSize(), rang == 0 ? 15 : 11);
    QCOMPARE(barre->captionFont().bold(), rang == 0);
    QCOMPARE(barre->caption(), fenetre->windowTitle());

    const DispositionBarre d = barre->disposition();
    QString lus;
    const char lettres[] = {'c', 'm', 'n', 'h'};
    for (const GenreBouton g : genres_boutons)
        if (d.bouton_montre(g))
            lus += d.bouton_actif(g) ? QChar(lettres[indice(g)]).toUpper()
                                     : QChar(lettres[indice(g)]);
    QCOMPARE(lus, boutons);
    QCOMPARE(d.icone.width() > 0, icone);

    // The client area lies inside the frame and under the bar.
    QCOMPARE(fenetre->contentsMargins(), QMargins(d.cadre, d.marge_haute(), d.cadre, d.cadre));
    fenetre->show();
    QVERIFY(QTest::qWaitForWindowExposed(fenetre));
    QCOMPARE(barre->geometry(), fenetre->rect());
}

void tst_barres::la_fenetre_principale_agrandie_garde_sa_barre()
{
    Programme programme(std::make_unique<AleatoireHorloge>(3));
    programme.demarre();
    Tgeneral &general = programme.general();
    QVERIFY(QTest::qWaitForWindowExposed(&general));
    QVERIFY(general.isMaximized());
    QCOMPARE(general.frameGeometry(), general.screen()->availableGeometry());
    auto *barre = general.findChild<TMarsCaption *>();
    QCOMPARE(barre->geometry(), general.rect());
    QCOMPARE(barre->caption(), QStringLiteral("Premier niveau: l'addition"));
    // The menu bar starts under the painted bar.
    QCOMPARE(general.menuWidget()->geometry().top(), barre->disposition().marge_haute());
}

QTEST_MAIN(tst_barres)
#include "tst_barres.moc"
