// The configuration dialog in the running program: what it shows when it
// first appears, its captions, its buttons, and random typing into its
// fields.
#include "U_options.h"
#include "aleatoire.h"
#include "controle_options.h"
#include "programme.h"
#include "tables.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
        QVERIFY(options()->isVisible());
    }
    void cleanup() { m_programme.reset(); }

    void premiere_apparition_montre_les_reglages_en_vigueur();
    void quitter_garde_les_valeurs_tapees();
    void frappes_dans_un_champ_data();
    void frappes_dans_un_champ();
    void les_legendes_pressent_leur_bouton();
    void par_defaut_applique_tout_de_suite();
    void frappes_au_hasard_puis_appliquer();

private:
    QWidget *options() const { return m_programme->fenetres().at(7); }
    template <typename W = QWidget>
    W *controle(const QString &nom) const
    {
        W *w = options()->findChild<W *>(nom);
        Q_ASSERT(w);
        return w;
    }
    QLineEdit *champ(int n) const { return controle<QLineEdit>(QStringLiteral("Edit%1").arg(n)); }
    void clique(const QString &nom) { QTest::mouseClick(controle(nom), Qt::LeftButton); }
    QString champs_invalides() const;

    std::unique_ptr<Programme> m_programme;
};

QString TstOptions::champs_invalides() const
{
    QStringList invalides;
    for (int n = 1; n <= 37; ++n)
        if (!champ_valide(n, champ(n)->text()))
            invalides.append(QStringLiteral("Edit%1=\"%2\"").arg(n).arg(champ(n)->text()));
    return invalides.join(u' ');
}

// The dialog is created before the start step loads the settings.
void TstOptions::premiere_apparition_montre_les_reglages_en_vigueur()
{
    const struct
    {
        int n;
        const char *texte;
    } attendus[] = {{1, "0"}, {7, "1"}, {10, "3"}, {22, "2"}, {34, "1"}, {35, "9"}, {36, "9"}, {37, "20"}};
    for (const auto &a : attendus)
        QCOMPARE(champ(a.n)->text(), QLatin1String(a.texte));
    QVERIFY(controle<QCheckBox>(QStringLiteral("CheckBox1"))->isChecked());
    QVERIFY(controle<QRadioButton>(QStringLiteral("RadioButton4"))->isChecked());
    QCOMPARE(options()->pos(), m_programme->general().pos() + QPoint(4, 4));
    QCOMPARE(qobject_cast<Toptions *>(options())->edt(12), champ(12));
}

void TstOptions::quitter_garde_les_valeurs_tapees()
{
    champ(10)->selectAll();
    QTest::keyClicks(champ(10), QStringLiteral("7"));
    options()->move(30, 40);
    clique(QStringLiteral("Button1"));
    QVERIFY(!options()->isVisible());
    QCOMPARE(m_programme->etat().composition_test, tables::composition_test_par_defaut);

    m_programme->etat().max_avec_calcul = 15;
    options()->show();
    QCOMPARE(champ(10)->text(), QStringLiteral("7"));
    QCOMPARE(champ(35)->text(), QStringLiteral("9"));
    QCOMPARE(options()->pos(), QPoint(30, 40));
}

void TstOptions::frappes_dans_un_champ_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("frappes"); // '<' is the left arrow key
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("curseur");
    QTest::newRow("5 after 0") << 10 << "05" << "5" << 1;
    QTest::newRow("a letter, then a third digit in front") << 35 << "1x2<<3" << "12" << 0;
    QTest::newRow("0+0: 2 empties it") << 1 << "2" << "" << 0;
}

// The window hands the field's text and caret to the rules and puts back
// what they leave.
void TstOptions::frappes_dans_un_champ()
{
    QFETCH(int, n);
    QFETCH(QString, frappes);
    champ(n)->clear();
    for (const QChar c : frappes) {
        if (c == u'<')
            QTest::keyClick(champ(n), Qt::Key_Left);
        else
            QTest::keyClicks(champ(n), QString(c));
    }
    QTEST(champ(n)->text(), "texte");
    QTEST(champ(n)->cursorPosition(), "curseur");
}

void TstOptions::les_legendes_pressent_leur_bouton()
{
    const QStringList boutons = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};
    const QStringList legendes = {"Label47", "Label48", "Label49", "Label50"};
    for (int i = 0; i < 4; ++i) {
        clique(legendes[i]);
        for (int j = 0; j < 4; ++j)
            QCOMPARE(controle<QRadioButton>(boutons[j])->isChecked(), i == j);
    }

    // "Eviter les retenues" acts at once, by its box or its caption.
    clique(QStringLiteral("Label42"));
    QVERIFY(!controle<QCheckBox>(QStringLiteral("CheckBox1"))->isChecked());
    QVERIFY(m_programme->etat().avec_retenues);
    clique(QStringLiteral("CheckBox1"));
    QVERIFY(!m_programme->etat().avec_retenues);
}

void TstOptions::par_defaut_applique_tout_de_suite()
{
    EtatPartage &etat = m_programme->etat();
    for (int n : {4, 35, 36, 37})
        champ(n)->setText(QStringLiteral("12"));
    clique(QStringLiteral("Label42"));
    clique(QStringLiteral("Label48"));
    clique(QStringLiteral("Button4"));
    QCOMPARE(etat.niveau, 2);
    QVERIFY(etat.avec_retenues);
    QCOMPARE(etat.vitesse_ciblage, 1.2);

    clique(QStringLiteral("Button5"));
    QCOMPARE(etat.composition_test, tables::composition_test_par_defaut);
    QVERIFY(!etat.avec_retenues);
    QCOMPARE(etat.max_avec_calcul, 9);
    QCOMPARE(etat.max_sans_calcul, 9);
    QCOMPARE(etat.vitesse_ciblage, 2.0);
    QVERIFY(controle<QCheckBox>(QStringLiteral("CheckBox1"))->isChecked());
    QVERIFY(controle<QRadioButton>(QStringLiteral("RadioButton4"))->isChecked());
    QVERIFY(!controle<QRadioButton>(QStringLiteral("RadioButton2"))->isChecked());
    QCOMPARE(champ(4)->text(), QStringLiteral("0"));
    QCOMPARE(champ(37)->text(), QStringLiteral("20"));
    QCOMPARE(etat.niveau, 2); // "Par défaut" restarts nothing
}

// Thousands of random key sequences into random fields: after every key
// each field holds a valid text, and "Appliquer" always leaves a valid
// composition of 20 additions and 20 subtractions and sound settings.
void TstOptions::frappes_au_hasard_puis_appliquer()
{
    struct Touche
    {
        Qt::Key cle;
        Qt::KeyboardModifiers modificateurs;
        char texte;
    };
    std::vector<Touche> touches;
    for (char c = '0'; c <= '9'; ++c)
        touches.push_back({Qt::Key(Qt::Key_0 + (c - '0')), Qt::NoModifier, c});
    for (char c : {'a', 'x', 'Y'})
        touches.push_back({Qt::Key(Qt::Key_A + (std::toupper(c) - 'A')), Qt::NoModifier, c});
    touches.push_back({Qt::Key_Minus, Qt::NoModifier, '-'});
    touches.push_back({Qt::Key_Space, Qt::NoModifier, ' '});
    for (Qt::Key k : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                      Qt::Key_Home, Qt::Key_End})
        touches.push_back({k, Qt::NoModifier, 0});
    touches.push_back({Qt::Key_Home, Qt::ShiftModifier, 0}); // selects, the next key replaces

    std::mt19937 hasard(20261208);
    auto tire = [&hasard](int n) { return int(hasard() % unsigned(n)); };
    const EtatPartage &etat = m_programme->etat();
    for (int sequence = 0; sequence < 3000; ++sequence) {
        QLineEdit *c = champ(1 + tire(37));
        c->setFocus();
        for (int k = 1 + tire(6); k > 0; --k) {
            const Touche &t = touches[tire(int(touches.size()))];
            QTest::keyClick(c, t.cle, t.modificateurs);
            QVERIFY2(champs_invalides().isEmpty(), qPrintable(champs_invalides()));
        }
        if (tire(8) != 0)
            continue;
        clique(QStringLiteral("Button4"));
        QCOMPARE(defaut_de_composition(etat.composition_test), QString());
        QVERIFY2(champs_invalides().isEmpty(), qPrintable(champs_invalides()));
        QVERIFY(etat.max_avec_calcul >= 9 && etat.max_sans_calcul >= 9);
        QVERIFY(etat.vitesse_ciblage >= 1.0 && etat.vitesse_ciblage <= 9.9);
        for (int n = 1; n <= 37; ++n)
            QVERIFY(!champ(n)->text().isEmpty());
    }
}

QTEST_MAIN(TstOptions)
#include "tst_options.moc"
