// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog in the running program: what it shows when it
// first appears, and random typing into its fields.
#include "aleatoire.h"
#include "controle_options.h"
#include "programme.h"
#include "tables.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <random>

class TstOptions : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(11));
        m_programme->demarre();
        m_programme->general().findChild<QAction *>(QStringLiteral("m_options"))->trigger();
    }
    void cleanup() { m_programme.reset(); }

    void montre_les_reglages_en_vigueur_et_garde_ce_qui_est_tape();
    void frappes_au_hasard_puis_appliquer();

private:
    QWidget *options() const { return m_programme->fenetres().at(7); }
    QLineEdit *champ(int n) const { return options()->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(n)); }
    auto *bouton(const char *nom) const { return options()->findChild<QAbstractButton *>(QLatin1String(nom)); }
    void clique(const char *nom) { QTest::mouseClick(options()->findChild<QWidget *>(QLatin1String(nom)), Qt::LeftButton); }

    std::unique_ptr<Programme> m_programme;
};

// The dialog is created before the start step loads the settings.
void TstOptions::montre_les_reglages_en_vigueur_et_garde_ce_qui_est_tape()
{
    const QStringList attendus = {"1=0", "7=1", "10=3", "22=2", "34=1", "35=9", "36=9", "37=20"};
    for (const QString &a : attendus)
        QCOMPARE(champ(a.section(u'=', 0, 0).toInt())->text(), a.section(u'=', 1));
    QVERIFY(bouton("CheckBox1")->isChecked());
    QVERIFY(bouton("RadioButton4")->isChecked());
    QCOMPARE(options()->pos(), m_programme->general().pos() + QPoint(4, 4));
    // Lime: the types where zero is an operand or the result, and their maximum.
    const QList<int> limes = {1, 2, 3, 7, 8, 11, 12, 18, 19, 20, 21, 24, 28, 32, 36};
    for (int n = 1; n <= 36; ++n)
        QVERIFY2(champ(n)->palette().color(QPalette::Base)
                     == (limes.contains(n) ? QColor(0, 255, 0) : QColor(255, 255, 0)),
                 qPrintable(champ(n)->objectName()));

    // Typed through the real field, "quitter", shown again: still there, not applied.
    champ(10)->clear();
    QTest::keyClicks(champ(10), QStringLiteral("05"));
    QCOMPARE(champ(10)->text(), QStringLiteral("5"));
    clique("Button1");
    QVERIFY(!options()->isVisible());
    m_programme->etat().max_avec_calcul = 15;
    options()->show();
    QCOMPARE(champ(10)->text(), QStringLiteral("5"));
    QCOMPARE(champ(35)->text(), QStringLiteral("9"));
    QCOMPARE(m_programme->etat().composition_test, tables::composition_test_par_defaut);
}

// After every key each field holds a valid text, and "Appliquer" always
// leaves a valid composition of 20 + 20 and sound settings.
void TstOptions::frappes_au_hasard_puis_appliquer()
{
    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> touches = {
        {Qt::Key_0, {}}, {Qt::Key_1, {}}, {Qt::Key_2, {}}, {Qt::Key_5, {}}, {Qt::Key_9, {}},
        {Qt::Key_A, {}}, {Qt::Key_Minus, {}}, {Qt::Key_Space, {}}, {Qt::Key_Backspace, {}},
        {Qt::Key_Delete, {}}, {Qt::Key_Left, {}}, {Qt::Key_End, {}},
        {Qt::Key_Home, Qt::ShiftModifier}, // selects: the next key replaces
    };
    std::mt19937 hasard(20261208);
    auto tire = [&hasard](std::size_t n) { return int(hasard() % n); };
    const EtatPartage &etat = m_programme->etat();
    for (int sequence = 0; sequence < 3000; ++sequence) {
        QLineEdit *c = champ(1 + tire(37));
        for (int k = 1 + tire(6); k > 0; --k) {
            const auto &[cle, modificateurs] = touches[tire(touches.size())];
            QTest::keyClick(c, cle, modificateurs);
            for (int n = 1; n <= 37; ++n)
                QVERIFY2(champ_valide(n, champ(n)->text()), qPrintable(champ(n)->objectName() + ": " + champ(n)->text()));
        }
        if (tire(8) != 0)
            continue;
        clique("Button4");
        QVERIFY(composition_valide(etat.composition_test));
        QVERIFY(etat.max_avec_calcul >= 9 && etat.max_sans_calcul >= 9);
        QVERIFY(etat.vitesse_ciblage >= 1.0 && etat.vitesse_ciblage <= 9.9);
        for (int n = 1; n <= 37; ++n)
            QVERIFY(!champ(n)->text().isEmpty() && champ_valide(n, champ(n)->text()));
    }
}

QTEST_MAIN(TstOptions)
#include "tst_options.moc"
