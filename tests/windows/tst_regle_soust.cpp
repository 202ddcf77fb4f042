// The subtraction rule window with its widgets, offscreen: the way out
// when the options restart a level while the exercise is open.

#include "U_regle_soust.h"
#include "aleatoire.h"
#include "exercice.h"
#include "programme.h"

#include <QTest>

class tst_regle_soust : public QObject
{
    Q_OBJECT

private slots:
    void niveau_relance_pendant_l_exercice();
};

// The window sees that the exercise was withdrawn and closes; the drill
// goes on with the question the restart posed.
void tst_regle_soust::niveau_relance_pendant_l_exercice()
{
    Programme programme(std::make_unique<AleatoireHorloge>(11));
    programme.demarre();
    QVERIFY(QTest::qWaitForWindowExposed(&programme.general()));
    // A rule error on 8 - 9 opens the window, as the drill does.
    EtatPartage &etat = programme.etat();
    etat.type_question = 22;
    etat.operande1 = 8;
    etat.operande2 = 9;
    etat.etat_soustraction = 1;
    programme.general().ouvre_fenetre(FenetreRegle::RegleSoustraction);
    QWidget *fenetre = programme.fenetres().at(2);
    QVERIFY(QTest::qWaitForWindowExposed(fenetre));
    QCOMPARE(fenetre->pos(), programme.general().pos() + QPoint(4, 140));
    QTest::mouseClick(fenetre->findChild<QWidget *>(QStringLiteral("Button_OK1")), Qt::LeftButton);
    // No close box, and a close asked of the frame is refused: the drill
    // waits for the exercise.
    QVERIFY(!(fenetre->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!fenetre->close());

    programme.general().exercice().initialise_niveau(2);
    const QString question = etat.texte_question;

    QTRY_VERIFY(!fenetre->isVisible());
    QCOMPARE(etat.etat_soustraction, 0);
    QCOMPARE(QString(etat.texte_question), question);
    QVERIFY(programme.general().exercice().ok_actif());
}

QTEST_MAIN(tst_regle_soust)
#include "tst_regle_soust.moc"
