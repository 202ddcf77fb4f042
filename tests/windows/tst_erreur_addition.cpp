// The addition-error window on screen: a new question leaves nothing of the
// last one, the frames invert what they cover, and the grey numbers stand
// centred beside their frames.
#include "U_erreur_addition.h"
#include "aleatoire.h"
#include "etat_partage.h"
#include "programme.h"

#include <QImage>
#include <QLabel>
#include <QTest>

namespace {

const QRgb bleu = qRgb(0, 0, 255);
const QRgb rouge = qRgb(255, 0, 0);

} // namespace

class TstErreurAddition : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void une_nouvelle_question_efface_la_precedente();
    void les_cadres_inversent_ce_qu_ils_couvrent();
    void les_nombres_gris_centres_sur_leur_cadre();

private:
    Terreur_addition &fenetre() const
    {
        return *static_cast<Terreur_addition *>(m_programme->fenetres().at(3));
    }
    QWidget *controle(const char *nom) const { return fenetre().findChild<QWidget *>(nom); }
    // Shows the window for a question and clicks the arrow.
    void montre(int operande1, int operande2, int clics);
    // The client area as painted, in client coordinates.
    QImage image() const { return controle("zone_client")->grab().toImage(); }

    std::unique_ptr<Programme> m_programme;
};

void TstErreurAddition::init()
{
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(5));
    m_programme->demarre();
}

void TstErreurAddition::cleanup()
{
    m_programme.reset();
}

void TstErreurAddition::montre(int operande1, int operande2, int clics)
{
    m_programme->etat().operande1 = operande1;
    m_programme->etat().operande2 = operande2;
    fenetre().show();
    for (int i = 0; i < clics; ++i)
        QTest::mouseClick(controle("Image1"), Qt::LeftButton);
}

void TstErreurAddition::une_nouvelle_question_efface_la_precedente()
{
    montre(-7, 9, 7);
    QVERIFY(controle("Button1")->isVisibleTo(&fenetre()));
    QTest::mouseClick(controle("Button1"), Qt::LeftButton);
    QVERIFY(!fenetre().isVisible());

    montre(3, -8, 0);
    for (int n = 2; n <= 42; ++n)
        QVERIFY2(!fenetre().labl(n)->isVisibleTo(&fenetre()), qPrintable(QString::number(n)));
    for (const char *cache : {"Label50", "Shape1", "Shape2", "Button1"})
        QVERIFY2(!controle(cache)->isVisibleTo(&fenetre()), cache);

    QTest::mouseClick(controle("Image1"), Qt::LeftButton);
    QCOMPARE(fenetre().labl(10)->text(), QStringLiteral("3"));
    QCOMPARE(fenetre().labl(30)->text(), QStringLiteral("-8"));
    QVERIFY(fenetre().labl(10)->isVisibleTo(&fenetre()));
    for (int rangee = 1; rangee <= 9; ++rangee) {
        const QLabel *unite1 = fenetre().labl(10 + rangee);
        const QLabel *unite2 = fenetre().labl(30 + rangee);
        QCOMPARE(unite1->text(), QStringLiteral("1"));
        QCOMPARE(unite2->text(), QStringLiteral("-1"));
        QCOMPARE(unite1->palette().color(QPalette::WindowText).rgb(), rouge);
        QCOMPARE(unite2->palette().color(QPalette::WindowText).rgb(), bleu);
    }
    // The window finds its labels whatever the case of the name.
    QCOMPARE(fenetre().labl(50)->objectName(), QStringLiteral("Label50"));
}

// The pairs' frame of -7 + 9: silver shows as its inverse inside, the blue
// units turn yellow and the red ones aqua; the outline stays black.
void TstErreurAddition::les_cadres_inversent_ce_qu_ils_couvrent()
{
    montre(-7, 9, 6);
    const QRect cadre = controle("Shape1")->geometry();
    QCOMPARE(cadre, QRect(272, 55, 113, 166));
    const QImage peint = image();

    QCOMPARE(peint.pixel(cadre.left() + 3, cadre.center().y()), qRgb(63, 63, 63));
    QCOMPARE(peint.pixel(cadre.center().x(), cadre.top()), qRgb(0, 0, 0));
    QCOMPARE(peint.pixel(cadre.left() - 3, cadre.center().y()), qRgb(192, 192, 192));
    int jaunes = 0;
    int turquoises = 0;
    for (int y = cadre.top() + 2; y < cadre.bottom() - 1; ++y) {
        for (int x = cadre.left() + 2; x < cadre.right() - 1; ++x) {
            const QRgb p = peint.pixel(x, y);
            QVERIFY2(p != bleu && p != rouge, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            jaunes += p == qRgb(255, 255, 0);
            turquoises += p == qRgb(0, 255, 255);
        }
    }
    QVERIFY(jaunes > 100);
    QVERIFY(turquoises > 100);
}

void TstErreurAddition::les_nombres_gris_centres_sur_leur_cadre()
{
    montre(-7, 9, 7);
    for (const auto &[etiquette, forme] : {std::pair{"Label41", "Shape1"}, {"Label42", "Shape2"}}) {
        const QRect nombre = controle(etiquette)->geometry();
        const QRect cadre = controle(forme)->geometry();
        QVERIFY2(qAbs(nombre.center().y() - cadre.center().y()) <= 1, etiquette);
        QCOMPARE(controle(etiquette)->font().pixelSize(), 47); // 35 points
    }
    QCOMPARE(fenetre().labl(42)->text(), QStringLiteral("2"));
}

QTEST_MAIN(TstErreurAddition)
#include "tst_erreur_addition.moc"
