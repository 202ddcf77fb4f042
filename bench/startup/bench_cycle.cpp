// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_general.h"
#include "exercice.h"
#include "polices.h"
#include "programme.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The drill's answer-and-paint cycle in the real main window: the right
// answer clicked on the keypad, OK, the pause after it cut short, the next
// question posed, and everything painted. Beside it, the click of a plain
// push button with the key's caption and font, the reference a keypad key
// is held to. Run offscreen.
class bench_Cycle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { m_programme.reset(); }
    void reponseEtPeinture();
    void clicTouche();
    void clicBoutonSimple();

private:
    QPushButton *bouton(const QString &nom) const
    {
        return qobject_cast<QPushButton *>(m_programme->general().controle(nom));
    }
    void clique(QPushButton *b)
    {
        QTest::mouseClick(b, Qt::LeftButton);
        // Painting and flushing to the window's backing store.
        QCoreApplication::processEvents();
    }

    std::unique_ptr<Programme> m_programme;
};

void bench_Cycle::initTestCase()
{
    installe_polices_de_substitution();
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(7));
    m_programme->demarre();
    QVERIFY(QTest::qWaitForWindowExposed(&m_programme->general()));
}

void bench_Cycle::reponseEtPeinture()
{
    EtatPartage &etat = m_programme->etat();
    auto *timer_oui = qobject_cast<QTimer *>(m_programme->general().controle(QStringLiteral("timer_oui")));
    QVERIFY(timer_oui);
    QBENCHMARK {
        for (const QChar c : etat.texte_resultat.texte())
            clique(bouton(c == u'-' ? QStringLiteral("Button_") : QStringLiteral("Button") + c));
        clique(bouton(QStringLiteral("ButtonOK")));
        QVERIFY(timer_oui->isActive());
        timer_oui->stop();
        m_programme->general().exercice().timer_ouiTimer();
        QCoreApplication::processEvents();
        if (etat.score >= 15)
            etat.score = 0;
    }
}

// A digit key that the typing rule refuses (a third digit) still repaints
// as a pressed and released button.
void bench_Cycle::clicTouche()
{
    QPushButton *sept = bouton(QStringLiteral("Button7"));
    clique(sept);
    clique(sept);
    QBENCHMARK {
        clique(sept);
    }
}

void bench_Cycle::clicBoutonSimple()
{
    QWidget fenetre;
    fenetre.setGeometry(m_programme->general().geometry());
    // The key's caption, font and size, without the window around it.
    const QPushButton *sept = bouton(QStringLiteral("Button7"));
    QPushButton simple(sept->text(), &fenetre);
    simple.setFont(sept->font());
    simple.setGeometry(sept->geometry());
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QBENCHMARK {
        clique(&simple);
    }
}

QTEST_MAIN(bench_Cycle)
#include "bench_cycle.moc"
