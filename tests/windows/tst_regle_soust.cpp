// SPDX-License-Identifier: GPL-3.0-or-later
// The subtraction rule window with its widgets, offscreen: how it follows
// the drill (the way out when the options restart a level while the
// exercise is open, the exercise posed when a rule error finds the
// explanation on show), and the candidates of the exercise, whole on their
// buttons.

#include "U_regle_soust.h"
#include "aleatoire.h"
#include "exercice.h"
#include "programme.h"
#include "regle_soustraction_noms.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

class tst_regle_soust : public QObject
{
    Q_OBJECT

private slots:
    void niveau_relance_pendant_l_exercice();
    void erreur_de_regle_pendant_l_explication();
    void les_additions_tiennent_sur_leurs_boutons();
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
    etat.etat_soustraction = EtatSoustraction::AdditionPosee;
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
    QCOMPARE(etat.etat_soustraction, EtatSoustraction::Aucun);
    QCOMPARE(QString(etat.texte_question), question);
    QVERIFY(programme.general().exercice().ok_actif());
}

// Opened from the menu, the window is still shown when the drill says a
// rule error opened it: the exercise on that question is posed in it.
void tst_regle_soust::erreur_de_regle_pendant_l_explication()
{
    Programme programme(std::make_unique<AleatoireHorloge>(11));
    programme.demarre();
    Exercice &exercice = programme.general().exercice();
    exercice.regle3Click();
    QWidget *fenetre = programme.fenetres().at(2);
    QVERIFY(fenetre->isVisible());
    auto *addition = fenetre->findChild<QPushButton *>(regle_soust::bouton(3));
    QCOMPARE(addition->text(), QString());

    EtatPartage &etat = programme.etat();
    etat.type_question = 22;
    etat.operande1 = 8;
    etat.operande2 = 9;
    etat.etat_soustraction = EtatSoustraction::AdditionPosee;
    emit exercice.fenetre_regle_ouverte(FenetreRegle::RegleSoustraction);
    QCOMPARE(addition->text(), QStringLiteral("8 + -9"));
}

// Below a score of 10 the operands reach 19: every addition the first
// stage can offer fits in its button's contents, and the grid keeps its
// left edges, the right column 80 pixels right of the left one.
void tst_regle_soust::les_additions_tiennent_sur_leurs_boutons()
{
    Programme programme(std::make_unique<AleatoireHorloge>(11));
    programme.demarre();
    EtatPartage &etat = programme.etat();
    etat.type_question = 32;
    etat.operande1 = -19;
    etat.operande2 = -19;
    etat.etat_soustraction = EtatSoustraction::AdditionPosee;
    programme.general().ouvre_fenetre(FenetreRegle::RegleSoustraction);
    QWidget *fenetre = programme.fenetres().at(2);
    QTest::mouseClick(fenetre->findChild<QWidget *>(QStringLiteral("Button_OK1")), Qt::LeftButton);

    const auto *troisieme = fenetre->findChild<QLabel *>(QStringLiteral("Label_app_3"));
    const int gauche = troisieme->x() + troisieme->width() + 30;
    QSet<int> gauches;
    for (int k = 1; k <= 4; ++k) {
        const auto *b = fenetre->findChild<QPushButton *>(QStringLiteral("Button_rep_%1").arg(k));
        gauches.insert(b->x());
        QStyleOptionButton option;
        option.initFrom(b);
        const int place = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width();
        int plus_large = 0;
        for (int a = -19; a <= 19; ++a)
            for (int c = -19; c <= 19; ++c)
                plus_large = std::max(plus_large, QFontMetrics(b->font()).horizontalAdvance(
                                                      QStringLiteral("%1 + %2").arg(a).arg(c)));
        QVERIFY2(plus_large <= place && b->width() <= 80,
                 qPrintable(QStringLiteral("%1 in %2").arg(plus_large).arg(place)));
    }
    QCOMPARE(gauches, (QSet<int>{gauche, gauche + 80}));
}

QTEST_MAIN(tst_regle_soust)
#include "tst_regle_soust.moc"
