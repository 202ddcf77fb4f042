// The subtraction rule window with its widgets, offscreen: the design
// places, the frame and its two heights, the layout under the real fonts,
// and the way out when a level is restarted while the exercise is open.

#include "U_regle_soust.h"
#include "aleatoire.h"
#include "exercice.h"
#include "programme.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

class tst_regle_soust : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controles_de_la_conception_data();
    void controles_de_la_conception();
    void hauteurs_et_cadre();
    void accolades_sous_les_termes_data();
    void accolades_sous_les_termes();
    void niveau_relance_pendant_l_exercice();

private:
    Tregle_soust &fenetre() const
    {
        return *qobject_cast<Tregle_soust *>(m_programme->fenetres().at(2));
    }
    QWidget *controle(const char *nom) const
    {
        return fenetre().findChild<QWidget *>(QString::fromLatin1(nom));
    }
    void clique(const char *nom) const
    {
        QTest::mouseClick(controle(nom), Qt::LeftButton);
    }
    // A rule error on 8 - 9 opens the window, as the drill does.
    void ouvre_exercice() const;
    void ouvre_depuis_le_menu() const
    {
        m_programme->general().findChild<QAction *>(QStringLiteral("regle3"))->trigger();
    }

    std::unique_ptr<Programme> m_programme;
};

void tst_regle_soust::init()
{
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(11));
    m_programme->demarre();
    QVERIFY(QTest::qWaitForWindowExposed(&m_programme->general()));
}

void tst_regle_soust::cleanup()
{
    m_programme.reset();
}

void tst_regle_soust::ouvre_exercice() const
{
    EtatPartage &etat = m_programme->etat();
    etat.type_question = 22;
    etat.operande1 = 8;
    etat.operande2 = 9;
    etat.etat_soustraction = 1;
    m_programme->general().ouvre_fenetre(FenetreRegle::RegleSoustraction);
}

void tst_regle_soust::controles_de_la_conception_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("geometrie");
    QTest::addColumn<QString>("texte");

    QTest::newRow("title") << "EffectLabel1" << QRect(15, 0, 196, 56) << "Règle n°3";
    QTest::newRow("rule") << "Label_reg_0" << QRect(10, 67, 510, 27)
                          << "Pour soustraire un nombre, on ajoute le nombre opposé";
    QTest::newRow("highlight of soustraire") << "Shape_reg_1" << QRect(52, 68, 101, 28) << "";
    QTest::newRow("highlight of ajoute") << "Shape_reg_2" << QRect(290, 70, 68, 26) << "";
    QTest::newRow("other examples") << "BitBtn_exemples" << QRect(380, 122, 168, 28) << "Autres exemples";
    QTest::newRow("explanations") << "BitBtn_explic" << QRect(382, 154, 145, 28) << "Explications";
    QTest::newRow("OK of the explanation") << "Button_OK1" << QRect(385, 187, 48, 28) << "OK";
}

void tst_regle_soust::controles_de_la_conception()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    ouvre_depuis_le_menu();
    const QWidget *w = fenetre().findChild<QWidget *>(nom);
    QVERIFY(w);
    QTEST(w->geometry(), "geometrie");
    const QVariant lu = w->property(w->property("Caption").isValid() ? "Caption" : "text");
    QCOMPARE(lu.toString(), texte);
}

// No close box; the outer height keeps the exercise out of view until
// the explanation's OK; a close asked of the frame does nothing while the
// drill waits for the exercise.
void tst_regle_soust::hauteurs_et_cadre()
{
    QVERIFY(!(fenetre().windowFlags() & Qt::WindowCloseButtonHint));
    ouvre_exercice();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre()));
    QCOMPARE(fenetre().frameGeometry().height(), 264);
    QCOMPARE(fenetre().pos(), m_programme->general().pos() + QPoint(4, 140));
    QVERIFY(!fenetre().close());
    QVERIFY(fenetre().isVisible());

    clique("Button_OK1");
    QCOMPARE(fenetre().frameGeometry().height(), 340);
    QVERIFY(controle("Button_rep_3")->isVisible());
    QVERIFY(!controle("Button_OK1")->isVisible());
}

void tst_regle_soust::accolades_sous_les_termes_data()
{
    QTest::addColumn<int>("rang");
    QTest::newRow("first row") << 1;
    QTest::newRow("second row") << 2;
}

// With the real fonts the labels take their size at once, so each bracket
// runs from under its sign to the end of its term.
void tst_regle_soust::accolades_sous_les_termes()
{
    QFETCH(int, rang);
    ouvre_depuis_le_menu();
    clique("BitBtn_explic");
    clique("BitBtn_explic");
    const auto g = [this](const QString &nom) { return fenetre().findChild<QWidget *>(nom)->geometry(); };
    const int x = 6 * (rang - 1);
    for (auto [signe, terme, barre] : {std::tuple{x + 2, x + 3, 2 * rang - 1}, std::tuple{x + 5, x + 6, 2 * rang}}) {
        const QRect s = g(QStringLiteral("Label_ex_%1").arg(signe));
        const QRect t = g(QStringLiteral("Label_ex_%1").arg(terme));
        const QRect b = g(barre == 2 ? QStringLiteral("image_2") : QStringLiteral("Image_%1").arg(barre));
        QVERIFY(s.width() > 0 && t.width() > 0);
        QCOMPARE(b.left(), s.left() - 3);
        QCOMPARE(b.left() + b.width(), t.left() + t.width() + 3);
        QVERIFY(b.top() > t.top() + t.height() / 2);
    }
    const QRect moins = g(QStringLiteral("Label_ex_%1").arg(x + 2));
    const QRect cercle = g(QStringLiteral("Shape_ex_%1").arg(2 * rang - 1));
    QVERIFY(cercle.intersects(moins));
}

// The options restart a level while the exercise is open: the window sees
// that the exercise was withdrawn and closes, and the drill goes on with
// the question the restart posed.
void tst_regle_soust::niveau_relance_pendant_l_exercice()
{
    ouvre_exercice();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre()));
    clique("Button_OK1");
    m_programme->general().exercice().initialise_niveau(2);
    const QString question = m_programme->etat().texte_question;

    QTRY_VERIFY(!fenetre().isVisible());
    QCOMPARE(m_programme->etat().etat_soustraction, 0);
    QCOMPARE(QString(m_programme->etat().texte_question), question);
    QVERIFY(m_programme->general().exercice().ok_actif());
}

QTEST_MAIN(tst_regle_soust)
#include "tst_regle_soust.moc"
