// The addition rules window: what each rule shows, whichever was shown
// before, and a second opening while it is open.
#include "EffectLabel.h"
#include "U_general.h"
#include "aleatoire.h"
#include "etat_partage.h"
#include "programme.h"

#include <QAction>
#include <QLabel>
#include <QTest>

namespace {

// A width of -1 marks a label sized to its text: only its place is checked.
bool meme_geometrie(const QRect &lue, const QRect &voulue)
{
    return voulue.width() == -1 ? lue.topLeft() == voulue.topLeft() : lue == voulue;
}

QString texte(const QWidget *w)
{
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (const auto *e = qobject_cast<const TEffectLabel *>(w))
        return e->caption();
    return w->property("text").toString();
}

} // namespace

class TstRegleAdd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void chaque_regle_apres_l_autre_data();
    void chaque_regle_apres_l_autre();
    void regle_2_demandee_pendant_la_regle_1();

private:
    QWidget *fenetre() const { return m_programme->fenetres().at(1); }
    void montre(int regle);

    std::unique_ptr<Programme> m_programme;
};

void TstRegleAdd::init()
{
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(11));
    m_programme->demarre();
}

void TstRegleAdd::cleanup()
{
    m_programme.reset();
}

// As the menu does: regle_choisie first, then the window.
void TstRegleAdd::montre(int regle)
{
    const char *entree = regle == 1 ? "regle1" : "regle2";
    m_programme->general().findChild<QAction *>(QLatin1String(entree))->trigger();
}

void TstRegleAdd::chaque_regle_apres_l_autre_data()
{
    QTest::addColumn<QRect>("regle1");
    QTest::addColumn<QRect>("regle2");
    QTest::addColumn<QString>("texte1"); // null: not checked
    QTest::addColumn<QString>("texte2");

    const QString non_lu;
    QTest::newRow("titreg") << QRect(15, 0, 191, 61) << QRect(15, 0, 191, 61) << "Règle n°1"
                            << "Règle n°2";
    QTest::newRow("Label_reg_1") << QRect(40, 62, 411, 36) << QRect(40, 62, 446, 36)
                                 << "Lorsqu'on additionne deux nombres opposés"
                                 << "Lorsqu'on additionne deux nombres négatifs";
    QTest::newRow("Label_reg_2") << QRect(40, 88, 276, 26) << QRect(40, 88, 211, 26)
                                 << "le résultat est égal à ZÉRO" << "le résultat est négatif";
    QTest::newRow("Label_reg_3") << QRect() << QRect(40, 114, 316, 26) << non_lu
                                 << "et les valeurs absolues s'ajoutent";
    QTest::newRow("Shape_reg_1") << QRect(365, 65, 76, 27) << QRect(178, 90, 74, 27) << non_lu
                                 << non_lu;
    QTest::newRow("Shape_reg_2") << QRect(242, 87, 58, 27) << QRect(252, 117, 104, 27) << non_lu
                                 << non_lu;
    QTest::newRow("Label3") << QRect(5, 165, 72, 23) << QRect(5, 185, 72, 23) << "Exemples:"
                            << "Exemples:";
    QTest::newRow("Label_ex_1") << QRect(95, 160, -1, -1) << QRect(95, 180, -1, -1)
                                << "1+(-1) = 0" << "(-5)+(-5)=-10";
    QTest::newRow("Label_ex_2") << QRect(95, 190, -1, -1) << QRect(95, 210, -1, -1)
                                << "(-2,7)+2,7 = 0" << "(-2)+(-0,5) =(-2,5) ";
    QTest::newRow("Label_res_1") << QRect(400, 165, 66, 27) << QRect(400, 185, 66, 27)
                                 << "On dit:" << "On dit:";
    QTest::newRow("Label_res_2") << QRect(325, 185, 227, 27) << QRect(325, 205, 227, 27)
                                 << "les opposés \"s'éliminent\"" << "les négatifs \"s'ajoutent\"";
    QTest::newRow("Button3") << QRect(411, 223, 50, 28) << QRect(411, 243, 50, 28) << "OK" << "OK";
}

// Each rule is checked after the other one has been shown and closed: a
// null rectangle marks a control the rule hides.
void TstRegleAdd::chaque_regle_apres_l_autre()
{
    QFETCH(QRect, regle1);
    QFETCH(QRect, regle2);
    QFETCH(QString, texte1);
    QFETCH(QString, texte2);
    const QString nom = QString::fromLatin1(QTest::currentDataTag());
    const QString titres[] = {QStringLiteral("Première règle d'addition"),
                              QStringLiteral("Deuxième règle d'addition")};

    for (const int regle : {2, 1, 2}) {
        montre(3 - regle);
        fenetre()->close();
        montre(regle);
        const QWidget *c = fenetre()->findChild<QWidget *>(nom);
        QVERIFY(c);
        const QRect voulue = regle == 1 ? regle1 : regle2;
        const QString texte_voulu = regle == 1 ? texte1 : texte2;
        QCOMPARE(fenetre()->windowTitle(), titres[regle - 1]);
        QCOMPARE(c->isVisibleTo(fenetre()), !voulue.isNull());
        if (!voulue.isNull())
            QVERIFY2(meme_geometrie(c->geometry(), voulue),
                     qPrintable(QStringLiteral("rule %1: %2,%3 %4x%5").arg(regle).arg(c->x())
                                    .arg(c->y()).arg(c->width()).arg(c->height())));
        if (!texte_voulu.isNull())
            QCOMPARE(texte(c), texte_voulu);
        QCOMPARE(fenetre()->pos(), m_programme->general().pos() + QPoint(4, 140));
        fenetre()->close();
    }
}

void TstRegleAdd::regle_2_demandee_pendant_la_regle_1()
{
    montre(1);
    montre(2);
    QVERIFY(fenetre()->isVisible());
    QCOMPARE(m_programme->etat().regle_choisie, 2);
    QCOMPARE(fenetre()->windowTitle(), QStringLiteral("Première règle d'addition"));
    QCOMPARE(fenetre()->findChild<TEffectLabel *>("titreg")->caption(), QStringLiteral("Règle n°1"));
    QVERIFY(!fenetre()->findChild<QWidget *>("Label_reg_3")->isVisibleTo(fenetre()));
}

QTEST_MAIN(TstRegleAdd)
#include "tst_regle_add.moc"
