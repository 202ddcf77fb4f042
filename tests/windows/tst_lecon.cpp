// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson window offscreen: the ticks of the number line under the
// numbers, OK and the colour a word leaves, each blink and the sweep of
// opposites, stepped by firing the timers from the test.

#include "EffectLabel.h"
#include "U_lecon.h"
#include "aleatoire.h"
#include "programme.h"
#include "ressources.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QColor noir(0, 0, 0);
const QColor bleu(0, 0, 255);
const QColor rouge(255, 0, 0);
const QColor jaune(255, 255, 0);

QString etiquette(int n, char partie)
{
    return QStringLiteral("Label%1%2").arg(n).arg(partie);
}

} // namespace

class tst_lecon : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void graduation_sous_les_nombres_data();
    void graduation_sous_les_nombres();
    void ok_data();
    void ok();
    void clignotements_data();
    void clignotements();
    void opposes_data();
    void opposes();

private:
    Tlecon *lecon() const { return static_cast<Tlecon *>(m_programme->fenetres().at(5)); }
    template <typename W = QLabel>
    W *controle(const QString &nom) const
    {
        auto *w = lecon()->findChild<W *>(nom);
        Q_ASSERT_X(w, "tst_lecon", qPrintable(nom));
        return w;
    }
    QColor couleur(const QString &label) const
    {
        return controle(label)->palette().color(QPalette::WindowText);
    }
    bool visible(const QString &nom) const { return controle<QWidget>(nom)->isVisible(); }
    void clique(int bouton)
    {
        QTest::mouseClick(controle<QPushButton>(QStringLiteral("Button%1").arg(bouton)),
                          Qt::LeftButton);
    }
    // The name of the one running timer, empty if none runs.
    QString minuterie_active() const;
    // Fires the timer's own signal, so each tick goes through its connection.
    void tic(int fois = 1)
    {
        auto *t = lecon()->findChild<QTimer *>(minuterie_active());
        QVERIFY(t);
        QCOMPARE(t->interval(), 800);
        for (int i = 0; i < fois; ++i)
            QMetaObject::invokeMethod(t, "timeout");
    }

    std::unique_ptr<Programme> m_programme;
};

void tst_lecon::init()
{
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(3));
    lecon()->show();
}

void tst_lecon::cleanup()
{
    m_programme.reset();
}

QString tst_lecon::minuterie_active() const
{
    QStringList actives;
    for (const QTimer *t : lecon()->findChildren<QTimer *>())
        if (t->isActive())
            actives << t->objectName();
    return actives.join(QLatin1Char(' '));
}

void tst_lecon::graduation_sous_les_nombres_data()
{
    QTest::addColumn<int>("nombre");
    for (int n = -5; n <= 5; ++n)
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

// The number's thick tick, in the black line and in the coloured half laid
// over it, falls under the number's digit: one unit every 50 px, zero at 316.
void tst_lecon::graduation_sous_les_nombres()
{
    QFETCH(int, nombre);
    const int x = 316 + 50 * nombre;
    const QLabel *chiffre = controle(nombre == 0 ? QStringLiteral("Label0")
                                                 : etiquette(qAbs(nombre), nombre > 0 ? 'b' : 'd'));
    QVERIFY2(chiffre->x() <= x && x < chiffre->x() + chiffre->width(),
             qPrintable(QStringLiteral("tick at %1, digit from %2 to %3")
                            .arg(x).arg(chiffre->x()).arg(chiffre->x() + chiffre->width())));

    // Only thick ticks reach the top row of the pictures, and they are narrow.
    auto graduation = [](const QImage &image, int colonne) {
        return qAlpha(image.pixel(colonne, 0)) > 0 && qAlpha(image.pixel(colonne - 4, 0)) == 0
               && qAlpha(image.pixel(colonne + 4, 0)) == 0;
    };
    QVERIFY(graduation(controle(QStringLiteral("Image1"))->pixmap().toImage(), x - 16));
    if (nombre != 0) {
        const QImage moitie = bitmap_programme(nombre < 0 ? "bitmap_11" : "bitmap_12").toImage();
        QVERIFY(graduation(moitie, x - (nombre < 0 ? 16 : 316)));
    }
}

void tst_lecon::ok_data()
{
    QTest::addColumn<int>("mot");
    QTest::addColumn<bool>("reste_ouverte");
    // The colour "signe" then shows its texts in: the one the word left.
    QTest::addColumn<QColor>("couleur_signe");
    QTest::newRow("home state closes") << 0 << false << QColor();
    QTest::newRow("nombre négatif mid-blink: home, then signe in blue") << 1 << true << bleu;
    QTest::newRow("nombre relatif: home, then signe in black") << 3 << true << noir;
    QTest::newRow("opposé mid-sweep: home, then signe in yellow") << 6 << true << jaune;
}

void tst_lecon::ok()
{
    QFETCH(int, mot);
    QFETCH(bool, reste_ouverte);
    QFETCH(QColor, couleur_signe);
    if (mot > 0) {
        clique(mot);
        if (mot != 3)
            tic(3);
        QVERIFY(!visible(QStringLiteral("Button1")));
    }
    clique(7);
    QCOMPARE(lecon()->isVisible(), reste_ouverte);
    if (!reste_ouverte)
        return;
    QCOMPARE(minuterie_active(), QString());
    QCOMPARE(controle(QStringLiteral("Label12"))->text(), QStringLiteral("clique sur un mot"));
    QCOMPARE(controle(QStringLiteral("Label12"))->x(), 208);
    for (int n = 1; n <= 6; ++n)
        QVERIFY(visible(QStringLiteral("Button%1").arg(n)));
    for (const char *nom : {"EffectLabel1", "Image2", "Image4", "Image6", "Label18", "fleche1",
                            "trait1", "Label_opposes", "Label1a"})
        QVERIFY2(!visible(QString::fromLatin1(nom)), nom);
    QCOMPARE(couleur(etiquette(3, 'c')), noir);
    QCOMPARE(couleur(etiquette(1, 'b')), noir);
    QCOMPARE(couleur(etiquette(3, 'a')), rouge);

    clique(4);
    QCOMPARE(controle(QStringLiteral("Label12"))->text(), QStringLiteral("signe:"));
    QCOMPARE(controle<TEffectLabel>(QStringLiteral("EffectLabel1"))->fontColor(), couleur_signe);
    QCOMPARE(controle<TEffectLabel>(QStringLiteral("EffectLabel2"))->fontColor(), couleur_signe);
}

// Each blink from home: a probe label's colour and the "+" signs after the
// first and the second tick, and the half line shown at the first only.
void tst_lecon::clignotements_data()
{
    QTest::addColumn<int>("mot");
    QTest::addColumn<QString>("minuterie");
    QTest::addColumn<QString>("sonde");
    QTest::addColumn<QColor>("couleur1");
    QTest::addColumn<bool>("plus1");
    QTest::addColumn<bool>("plus2");
    QTest::addColumn<QString>("image");
    QTest::newRow("nombre négatif: negative side blue")
        << 1 << "Timer_negatif" << "Label3c" << bleu << false << false << "Image2";
    QTest::newRow("nombre positif: positive side red with +")
        << 2 << "Timer_positif" << "Label4b" << rouge << true << false << "Image3";
    QTest::newRow("signe: + shown, minus signs yellow")
        << 4 << "Timer_signe" << "Label2c" << jaune << true << false << "";
    QTest::newRow("valeur absolue: digits yellow, + stays")
        << 5 << "Timer_va" << "Label5d" << jaune << true << true << "";
}

void tst_lecon::clignotements()
{
    QFETCH(int, mot);
    QFETCH(QString, minuterie);
    QFETCH(QString, sonde);
    QFETCH(QColor, couleur1);
    QFETCH(bool, plus1);
    QFETCH(bool, plus2);
    QFETCH(QString, image);

    clique(mot);
    QCOMPARE(minuterie_active(), minuterie);
    tic();
    QCOMPARE(couleur(sonde), couleur1);
    QCOMPARE(visible(QStringLiteral("Label5a")), plus1);
    if (!image.isEmpty())
        QVERIFY(visible(image) && controle(image)->pixmap().size() == QSize(300, 15));
    tic();
    QCOMPARE(couleur(sonde), noir);
    QCOMPARE(visible(QStringLiteral("Label5a")), plus2);
    if (!image.isEmpty())
        QVERIFY(!visible(image));
}

// "opposé" after some ticks: the pair in yellow, the arrows under it and
// the bars shown, counted from trait1.
void tst_lecon::opposes_data()
{
    QTest::addColumn<int>("tics");
    QTest::addColumn<int>("paire");
    QTest::addColumn<int>("fleche1");
    QTest::addColumn<int>("fleche2");
    QTest::addColumn<int>("traits");
    QTest::newRow("on the click: -1 and 1") << 0 << 1 << 260 << 360 << 0;
    QTest::newRow("first tick: -2 and 2") << 1 << 2 << 210 << 410 << 2;
    QTest::newRow("fourth tick: -5 and 5") << 4 << 5 << 60 << 560 << 8;
    QTest::newRow("fifth tick: back to -1 and 1") << 5 << 1 << 260 << 360 << 0;
    QTest::newRow("sixth tick: -2 and 2 again") << 6 << 2 << 210 << 410 << 2;
}

void tst_lecon::opposes()
{
    QFETCH(int, tics);
    QFETCH(int, paire);
    QFETCH(int, fleche1);
    QFETCH(int, fleche2);
    QFETCH(int, traits);

    clique(6);
    QVERIFY(visible(QStringLiteral("Label_opposes")));
    tic(tics);
    for (int n = 1; n <= 5; ++n)
        for (const char partie : {'a', 'b', 'c', 'd'})
            if (n == paire || partie != 'a')
                QCOMPARE(couleur(etiquette(n, partie)), n == paire ? jaune : noir);
    QVERIFY(!visible(etiquette(paire, 'a')));
    QCOMPARE(controle(QStringLiteral("fleche1"))->pos(), QPoint(fleche1, 105));
    QCOMPARE(controle(QStringLiteral("fleche2"))->pos(), QPoint(fleche2, 105));
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(visible(QStringLiteral("trait%1").arg(i)), i <= traits);
    QCOMPARE(lecon()->rang_oppose(), paire % 5 + 1);
}

QTEST_MAIN(tst_lecon)
#include "tst_lecon.moc"
