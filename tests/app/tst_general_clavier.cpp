// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_general.h"
#include "aleatoire.h"
#include "programme.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// The main window's first show, the keys it routes to the drill and its
// closing.
class tst_general_clavier : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void premier_affichage_demarre_le_niveau_1();
    void touches_relachees_data();
    void touches_relachees();
    void validation_au_clavier_data();
    void validation_au_clavier();
    void fermeture();

private:
    std::unique_ptr<Programme> m_programme;
    Tgeneral *m_general = nullptr;
};

void tst_general_clavier::init()
{
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(42));
    m_general = &m_programme->general();
}

void tst_general_clavier::cleanup()
{
    m_programme.reset();
    m_general = nullptr;
}

void tst_general_clavier::premier_affichage_demarre_le_niveau_1()
{
    EtatPartage &etat = m_programme->etat();
    QCOMPARE(etat.niveau, 0);
    m_programme->demarre();
    QVERIFY(m_general->isVisible());
    QVERIFY(m_general->windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(m_general->windowTitle(), QStringLiteral("Premier niveau: l'addition"));
    QCOMPARE(etat.niveau, 1);
    QCOMPARE(etat.vitesse_ciblage, 2.0);
    QVERIFY(!etat.texte_question.isEmpty());
    QCOMPARE(m_general->texte(QStringLiteral("Label_question")), etat.texte_question.texte());

    // Later shows do not start the level again.
    etat.score = 7;
    m_general->hide();
    m_general->show();
    QCOMPARE(etat.score, 7);
}

void tst_general_clavier::touches_relachees_data()
{
    QTest::addColumn<QList<int>>("touches");
    QTest::addColumn<QList<int>>("modificateurs");
    QTest::addColumn<QString>("reponse");
    const int rien = Qt::NoModifier;
    const int pave = Qt::KeypadModifier;
    QTest::newRow("main-row digits") << QList<int>{Qt::Key_1, Qt::Key_2} << QList<int>{rien, rien}
                                     << "12";
    QTest::newRow("pad minus then pad 7, Num Lock on")
        << QList<int>{Qt::Key_Minus, Qt::Key_7} << QList<int>{pave, pave} << "-7";
    QTest::newRow("pad 1 and 5, Num Lock off")
        << QList<int>{Qt::Key_End, Qt::Key_Clear} << QList<int>{pave, pave} << "15";
    QTest::newRow("Delete erases") << QList<int>{Qt::Key_4, Qt::Key_Delete, Qt::Key_8}
                                   << QList<int>{rien, rien, rien} << "8";
    QTest::newRow("Backspace does nothing")
        << QList<int>{Qt::Key_9, Qt::Key_Backspace} << QList<int>{rien, rien} << "9";
    QTest::newRow("main minus does nothing")
        << QList<int>{Qt::Key_Minus, Qt::Key_3} << QList<int>{rien, rien} << "3";
}

void tst_general_clavier::touches_relachees()
{
    QFETCH(QList<int>, touches);
    QFETCH(QList<int>, modificateurs);
    QFETCH(QString, reponse);

    m_programme->demarre();
    QVERIFY(QTest::qWaitForWindowActive(m_general));
    auto *ok = qobject_cast<QWidget *>(m_general->controle(QStringLiteral("ButtonOK")));
    QTRY_VERIFY(ok->hasFocus());
    for (int i = 0; i < touches.size(); ++i) {
        const auto m = Qt::KeyboardModifiers(modificateurs[i]);
        QTest::keyPress(ok, Qt::Key(touches[i]), m);
        QTest::keyRelease(ok, Qt::Key(touches[i]), m);
    }
    QCOMPARE(m_general->texte(QStringLiteral("Panel2")), reponse);
}

void tst_general_clavier::validation_au_clavier_data()
{
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("modificateurs");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("pad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
}

void tst_general_clavier::validation_au_clavier()
{
    QFETCH(int, touche);
    QFETCH(int, modificateurs);

    m_programme->demarre();
    QVERIFY(QTest::qWaitForWindowActive(m_general));
    auto *ok = qobject_cast<QPushButton *>(m_general->controle(QStringLiteral("ButtonOK")));
    QTRY_VERIFY(ok->hasFocus());
    QTest::keyClick(ok, Qt::Key_5);
    QVERIFY(ok->isEnabled());
    QTest::keyClick(ok, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
    QVERIFY(!ok->isEnabled());
}

void tst_general_clavier::fermeture()
{
    QSignalSpy fermee(m_general, &Tgeneral::fermee);
    m_programme->demarre();
    m_programme->fenetres().at(4)->show();
    m_general->close();
    QCOMPARE(fermee.count(), 1);
}

QTEST_MAIN(tst_general_clavier)
#include "tst_general_clavier.moc"
