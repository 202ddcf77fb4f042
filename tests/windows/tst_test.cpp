#include "EffectLabel.h"
#include "U_test.h"
#include "banc_exercice.h"
#include "disposition_test.h"
#include "polices.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The on-screen test window: its layout after a show, the answers typed
// and corrected as a pupil does, and the fields long enough for every
// expected answer.
class TestFenetreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }
    void init();
    void cleanup();
    void chaque_affichage_pose_un_test();
    void correction_data();
    void correction();
    void reponses_de_quatre_caracteres();

private:
    std::unique_ptr<BancExercice> m_banc;
    std::unique_ptr<Ttest> m_test;

    template <typename T>
    T *controle(const char *nom) const
    {
        return m_test->findChild<T *>(QString::fromLatin1(nom));
    }
    void repond_juste();
};

void TestFenetreTest::init()
{
    m_banc = std::make_unique<BancExercice>();
    m_banc->etat.charge_valeurs_de_depart();
    m_test = std::make_unique<Ttest>(
        ContexteFenetre{m_banc->etat, *m_banc->hasard, m_banc->exercice, nullptr});
}

void TestFenetreTest::cleanup()
{
    m_test.reset();
    m_banc.reset();
}

void TestFenetreTest::repond_juste()
{
    for (int n = 1; n <= 40; ++n)
        QTest::keyClicks(m_test->edt(n), m_test->sujet().reponses[n]);
}

void TestFenetreTest::chaque_affichage_pose_un_test()
{
    m_test->show();
    const SujetTest premier = m_test->sujet();
    for (int n = 1; n <= 40; ++n) {
        QLineEdit *champ = m_test->edt(n);
        QLabel *question = m_test->labl(n);
        QCOMPARE(champ->geometry(), disposition_test::champ(n, 0));
        QCOMPARE(champ->maxLength(), 3);
        QCOMPARE(question->text(), premier.questions[n] + QLatin1Char('='));
        QCOMPARE(question->geometry().right() + 1, champ->x());
        QCOMPARE(question->font().family(), QStringLiteral("Arial Narrow"));
        QVERIFY(question->font().bold());
        QVERIFY(!m_test->labl(n + 100)->isVisible());
    }
    QTest::keyClicks(m_test->edt(1), QStringLiteral("a-1-23"));
    QCOMPARE(m_test->edt(1)->text(), QStringLiteral("-12"));

    // A test left without an answer hides the scale; the next one shows it.
    m_test->edt(1)->clear();
    controle<QPushButton>("Button1")->click();
    QVERIFY(!controle<QLabel>("Label_fautes")->isVisible());
    controle<QPushButton>("Button1")->click();
    QVERIFY(!m_test->isVisible());
    m_test->show();
    QCOMPARE(controle<QLabel>("Label_fautes")->text(), QStringLiteral("barême: -2 points par faute"));
    QVERIFY(controle<QLabel>("Label_fautes")->isVisible());
    QVERIFY(m_test->edt(1)->text().isEmpty());
    QVERIFY(m_test->sujet().questions != premier.questions);
}

void TestFenetreTest::correction_data()
{
    QTest::addColumn<bool>("repond");
    QTest::addColumn<QString>("ligne_erreurs"); // empty: hidden
    QTest::addColumn<QString>("ligne_non_reponses"); // empty: hidden
    QTest::addColumn<QString>("note");
    QTest::newRow("all right") << true << "BRAVO!!" << "" << "20/20";
    QTest::newRow("no answer") << false << "" << "pas de réponse" << "0/20";
}

void TestFenetreTest::correction()
{
    QFETCH(bool, repond);
    QFETCH(QString, ligne_erreurs);
    QFETCH(QString, ligne_non_reponses);
    QFETCH(QString, note);

    m_test->show();
    if (repond)
        repond_juste();
    auto *bouton = controle<QPushButton>("Button1");
    bouton->click();

    auto *fautes = controle<QLabel>("Label_fautes");
    auto *non_reponses = controle<QLabel>("Label_pdr");
    QCOMPARE(fautes->isVisible(), !ligne_erreurs.isEmpty());
    if (fautes->isVisible())
        QCOMPARE(fautes->text(), ligne_erreurs);
    QCOMPARE(non_reponses->isVisible(), !ligne_non_reponses.isEmpty());
    if (non_reponses->isVisible())
        QCOMPARE(non_reponses->text(), ligne_non_reponses);
    QVERIFY(controle<TEffectLabel>("EffectLabel_note")->isVisible());
    QCOMPARE(controle<TEffectLabel>("EffectLabel_note")->caption(), note);
    for (int n = 1; n <= 40; ++n) {
        const QPalette couleurs = m_test->edt(n)->palette();
        QCOMPARE(couleurs.color(QPalette::Base) == QColor(255, 0, 0), !repond);
        QCOMPARE(couleurs.color(QPalette::Text) == QColor(255, 255, 0), !repond);
        QCOMPARE(m_test->labl(n + 100)->isVisible(), !repond);
        if (!repond)
            QCOMPARE(m_test->labl(n + 100)->text(), m_test->sujet().reponses[n].texte());
    }
    QCOMPARE(bouton->text(), QStringLiteral("OK"));
    QCOMPARE(bouton->geometry(), QRect(480, 384, 57, 49));
    bouton->click();
    QVERIFY(!m_test->isVisible());
}

// With maxima of 99, sums such as (-87)+(-45) give four-character answers:
// every field takes them whole, and they count as right.
void TestFenetreTest::reponses_de_quatre_caracteres()
{
    m_banc->etat.composition_test.remplit(16);
    m_banc->etat.avec_retenues = true;
    m_banc->etat.max_avec_calcul = 99;
    m_test->show();
    QVERIFY(std::ranges::any_of(m_test->sujet().reponses,
                                [](const TexteTest &r) { return r.texte().size() == 4; }));
    repond_juste();
    for (int n = 1; n <= 40; ++n) {
        QLineEdit *champ = m_test->edt(n);
        QCOMPARE(champ->maxLength(), 4);
        QCOMPARE(champ->text(), m_test->sujet().reponses[n].texte());
        QVERIFY(champ->width() > 32);
        QCOMPARE(m_test->labl(n + 100)->x(), champ->geometry().right() + 1);
        QVERIFY(champ->fontMetrics().horizontalAdvance(champ->text()) <= champ->contentsRect().width() - 4);
    }
    controle<QPushButton>("Button1")->click();
    QCOMPARE(controle<TEffectLabel>("EffectLabel_note")->caption(), QStringLiteral("20/20"));
}

QTEST_MAIN(TestFenetreTest)
#include "tst_test.moc"
