// SPDX-License-Identifier: GPL-3.0-or-later
// The addition-error window on screen: a new question leaves nothing of the
// last one, and the frames invert what they cover.
#include "U_erreur_addition.h"
#include "U_general.h"
#include "aleatoire.h"
#include "etat_partage.h"
#include "programme.h"

#include <QImage>
#include <QLabel>
#include <QTest>

class TstErreurAddition : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(5));
        m_programme->demarre();
    }
    void cleanup() { m_programme.reset(); }
    void une_nouvelle_question_efface_la_precedente_data();
    void une_nouvelle_question_efface_la_precedente();
    void les_cadres_inversent_ce_qu_ils_couvrent();

private:
    Terreur_addition &fenetre() const
    {
        return *static_cast<Terreur_addition *>(m_programme->fenetres().at(3));
    }
    QWidget *controle(const char *nom) const { return fenetre().findChild<QWidget *>(nom); }
    bool visible(const QWidget *w) const { return w->isVisibleTo(&fenetre()); }
    // Opens the window for a question, as a rule error does, and clicks the
    // arrow.
    void montre(int operande1, int operande2, int clics)
    {
        m_programme->etat().operande1 = operande1;
        m_programme->etat().operande2 = operande2;
        m_programme->general().ouvre_fenetre(FenetreRegle::ErreurAddition);
        for (int i = 0; i < clics; ++i)
            QTest::mouseClick(controle("Image1"), Qt::LeftButton);
    }

    std::unique_ptr<Programme> m_programme;
};

void TstErreurAddition::une_nouvelle_question_efface_la_precedente_data()
{
    QTest::addColumn<int>("clics"); // on the earlier question
    QTest::addColumn<bool>("fermee"); // by its OK, before the new one
    QTest::newRow("closed after the result") << 7 << true;
    // The drill went on without it (a level restarted from the options).
    QTest::newRow("still open at step 3") << 3 << false;
}

void TstErreurAddition::une_nouvelle_question_efface_la_precedente()
{
    QFETCH(int, clics);
    QFETCH(bool, fermee);
    montre(-7, 9, clics);
    if (fermee) {
        QTest::mouseClick(controle("Button1"), Qt::LeftButton);
        QVERIFY(!fenetre().isVisible());
    }

    montre(3, -8, 0);
    QCOMPARE(fenetre().pos(), m_programme->general().pos() + QPoint(4, 140));
    for (int n = 2; n <= 42; ++n)
        QVERIFY2(!visible(fenetre().labl(n)), qPrintable(QString::number(n)));
    for (const char *cache : {"Label50", "Shape1", "Shape2", "Button1"})
        QVERIFY2(!visible(controle(cache)), cache);

    QTest::mouseClick(controle("Image1"), Qt::LeftButton);
    QVERIFY(visible(fenetre().labl(10)) && !visible(fenetre().labl(11)));
    QCOMPARE(fenetre().labl(10)->text(), QStringLiteral("3"));
    QCOMPARE(fenetre().labl(30)->text(), QStringLiteral("-8"));
    const int hauts[] = {52, 74, 96, 118, 140, 174, 196, 218, 240};
    for (int rangee = 1; rangee <= 9; ++rangee) {
        const QLabel *unites[] = {fenetre().labl(10 + rangee), fenetre().labl(30 + rangee)};
        QCOMPARE(unites[0]->pos(), QPoint(280, hauts[rangee - 1]));
        QCOMPARE(unites[1]->pos(), QPoint(355, hauts[rangee - 1]));
        QCOMPARE(unites[0]->text(), QStringLiteral("1"));
        QCOMPARE(unites[1]->text(), QStringLiteral("-1"));
        QCOMPARE(unites[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(unites[1]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }
}

// The frames of -7 + 9: silver shows as its inverse inside, blue units turn
// yellow and red ones aqua, the outline stays black; the grey numbers stand
// centred beside their frames.
void TstErreurAddition::les_cadres_inversent_ce_qu_ils_couvrent()
{
    montre(-7, 9, 7);
    const QRect cadre = controle("Shape1")->geometry();
    QCOMPARE(cadre, QRect(272, 55, 113, 166));
    const QImage peint = controle("zone_client")->grab().toImage();
    QCOMPARE(peint.pixel(cadre.left() + 3, cadre.center().y()), qRgb(63, 63, 63));
    QCOMPARE(peint.pixel(cadre.left() - 3, cadre.center().y()), qRgb(192, 192, 192));
    QCOMPARE(peint.pixel(cadre.center().x(), cadre.top()), qRgb(0, 0, 0));
    QHash<QRgb, int> couleurs;
    for (int y = cadre.top() + 2; y < cadre.bottom() - 1; ++y)
        for (int x = cadre.left() + 2; x < cadre.right() - 1; ++x)
            ++couleurs[peint.pixel(x, y)];
    QCOMPARE(couleurs.value(qRgb(0, 0, 255)) + couleurs.value(qRgb(255, 0, 0)), 0);
    QVERIFY(couleurs.value(qRgb(255, 255, 0)) > 100 && couleurs.value(qRgb(0, 255, 255)) > 100);

    for (const auto &[nombre, forme] : {std::pair{"Label41", "Shape1"}, {"Label42", "Shape2"}})
        QVERIFY2(qAbs(controle(nombre)->geometry().center().y()
                      - controle(forme)->geometry().center().y()) <= 1, nombre);
}

QTEST_MAIN(TstErreurAddition)
#include "tst_erreur_addition.moc"
