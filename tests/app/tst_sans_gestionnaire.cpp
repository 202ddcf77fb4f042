// SPDX-License-Identifier: GPL-3.0-or-later
// On an X server where no window manager runs (a kiosk session): the
// program maximises its windows, makes the main window active and hands the
// keyboard back to it by itself. Runs under an X server of its own.

#include "U_general.h"
#include "aleatoire.h"
#include "marsCap.h"
#include "programme.h"
#include "sans_gestionnaire.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QToolButton>

class tst_sans_gestionnaire : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void les_fenetres_suivent_leur_etat();
};

void tst_sans_gestionnaire::initTestCase()
{
    if (SansGestionnaire::gestionnaire_present())
        QSKIP("a window manager looks after the windows here");
}

void tst_sans_gestionnaire::les_fenetres_suivent_leur_etat()
{
    Programme programme(std::make_unique<AleatoireHorloge>(3));
    programme.demarre();
    // Looking after the windows makes none of them before its first show.
    QCOMPARE(programme.fenetres_creees().size(), 1);
    Tgeneral &general = programme.general();
    const QRect zone = general.screen()->availableGeometry();
    QTRY_COMPARE(general.frameGeometry(), zone);
    QTRY_VERIFY(general.isActiveWindow());
    // Shown and painted, it has read no picture in a way that makes Qt load
    // its image-format plugins and their libraries for the run.
    QFile projections(QStringLiteral("/proc/self/maps"));
    QVERIFY(projections.open(QIODevice::ReadOnly));
    QVERIFY(!projections.readAll().contains("/imageformats/"));
    // The menu bar's overflow arrow, read at its first use, is still there.
    const auto *fleche = general.menuBar()->findChild<QToolButton *>(
            QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(fleche && !fleche->icon().pixmap(16).isNull());

    // Minimised, nothing could bring it back: it stays.
    general.showMinimized();
    QTRY_VERIFY(!general.isMinimized());
    QVERIFY(general.isMaximized());
    QCOMPARE(general.frameGeometry(), zone);

    // The lesson's maximise button fills the screen and gives its place
    // back; Escape closes it and the main window has the keyboard again.
    general.findChild<QAction *>(QStringLiteral("m_lecon"))->trigger();
    QWidget *lecon = programme.fenetres().at(5);
    QTRY_VERIFY(lecon->isActiveWindow());
    const QRect normale = lecon->frameGeometry();
    const auto *barre = lecon->findChild<TMarsCaption *>();
    const QPoint agrandir = barre->disposition().rect_bouton[indice(GenreBouton::Agrandir)].center();
    QTest::mouseClick(lecon->windowHandle(), Qt::LeftButton, {}, agrandir);
    QTRY_COMPARE(lecon->frameGeometry(), zone);
    QTest::mouseClick(lecon->windowHandle(), Qt::LeftButton, {},
                      barre->disposition().rect_bouton[indice(GenreBouton::Agrandir)].center());
    QTRY_COMPARE(lecon->frameGeometry(), normale);

    QTest::keyClick(lecon->focusWidget(), Qt::Key_Escape);
    QVERIFY(lecon->isHidden());
    QTRY_VERIFY(general.isActiveWindow());
}

QTEST_MAIN(tst_sans_gestionnaire)
#include "tst_sans_gestionnaire.moc"
