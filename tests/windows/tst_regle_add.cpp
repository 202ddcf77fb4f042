// SPDX-License-Identifier: GPL-3.0-or-later
// The addition rules window: each rule shown after the other one, and a
// second opening while it is open.
#include "EffectLabel.h"
#include "U_general.h"
#include "aleatoire.h"
#include "programme.h"

#include <QAction>
#include <QTest>

class TstRegleAdd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(11));
        m_programme->demarre();
    }
    void cleanup() { m_programme.reset(); }
    void chaque_regle_apres_l_autre();
    void regle_2_demandee_pendant_la_regle_1();

private:
    QWidget *fenetre() const { return m_programme->fenetres().at(1); }
    QString titre() const { return fenetre()->findChild<TEffectLabel *>("titreg")->caption(); }
    // As the menu does: regle_choisie first, then the window.
    void montre(int regle)
    {
        const QString entree = regle == 1 ? QStringLiteral("regle1") : QStringLiteral("regle2");
        m_programme->general().findChild<QAction *>(entree)->trigger();
    }

    std::unique_ptr<Programme> m_programme;
};

// Nothing of one rule stays when the other is shown: the examples, motto
// and button stand 20 pixels lower under rule 2's third line. A null
// rectangle marks a hidden control; a width of -1 a label sized to its text.
void TstRegleAdd::chaque_regle_apres_l_autre()
{
    const struct
    {
        const char *nom;
        QRect regles[2];
    } attendus[] = {
        {"Label_reg_1", {{40, 62, 411, 36}, {40, 62, 446, 36}}},
        {"Label_reg_2", {{40, 88, 276, 26}, {40, 88, 211, 26}}},
        {"Label_reg_3", {{}, {40, 114, 316, 26}}},
        {"Shape_reg_1", {{365, 65, 76, 27}, {178, 90, 74, 27}}},
        {"Shape_reg_2", {{242, 87, 58, 27}, {252, 117, 104, 27}}},
        {"Label3", {{5, 165, 72, 23}, {5, 185, 72, 23}}},
        {"Label_ex_1", {{95, 160, -1, -1}, {95, 180, -1, -1}}},
        {"Label_ex_2", {{95, 190, -1, -1}, {95, 210, -1, -1}}},
        {"Label_res_1", {{400, 165, 66, 27}, {400, 185, 66, 27}}},
        {"Label_res_2", {{325, 185, 227, 27}, {325, 205, 227, 27}}},
        {"Button3", {{411, 223, 50, 28}, {411, 243, 50, 28}}},
    };
    const QString titres[] = {QStringLiteral("Première règle d'addition"),
                              QStringLiteral("Deuxième règle d'addition")};
    for (const int regle : {1, 2, 1}) {
        montre(3 - regle);
        fenetre()->close();
        montre(regle);
        QCOMPARE(fenetre()->windowTitle(), titres[regle - 1]);
        QCOMPARE(titre(), QStringLiteral("Règle n°%1").arg(regle));
        QCOMPARE(fenetre()->pos(), m_programme->general().pos() + QPoint(4, 140));
        for (const auto &a : attendus) {
            const QWidget *c = fenetre()->findChild<QWidget *>(a.nom);
            const QRect voulue = a.regles[regle - 1];
            const QRect lue = voulue.width() == -1 ? QRect(c->pos(), voulue.size()) : c->geometry();
            QVERIFY2(c->isVisibleTo(fenetre()) == !voulue.isNull() && (voulue.isNull() || lue == voulue),
                     qPrintable(QStringLiteral("rule %1, %2").arg(regle).arg(a.nom)));
        }
        fenetre()->close();
    }
}

void TstRegleAdd::regle_2_demandee_pendant_la_regle_1()
{
    montre(1);
    montre(2);
    QVERIFY(fenetre()->isVisible());
    QCOMPARE(fenetre()->windowTitle(), QStringLiteral("Première règle d'addition"));
    QCOMPARE(titre(), QStringLiteral("Règle n°1"));
}

QTEST_MAIN(TstRegleAdd)
#include "tst_regle_add.moc"
