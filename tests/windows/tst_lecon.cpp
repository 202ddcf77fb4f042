// The lesson window offscreen: its home state, the words, OK, and each
// animation stepped by firing its timer from the test.

#include "EffectLabel.h"
#include "U_lecon.h"
#include "aleatoire.h"
#include "programme.h"
#include "ressources.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QColor noir(0, 0, 0);
const QColor bleu(0, 0, 255);
const QColor rouge(255, 0, 0);
const QColor jaune(255, 255, 0);

const char *const minuteries[] = {"Timer_negatif", "Timer_positif", "Timer_signe", "Timer_va",
                                  "Timer_oppose"};

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
    void couleur_laissee_par_le_mot_precedent_data();
    void couleur_laissee_par_le_mot_precedent();
    void clignotements_data();
    void clignotements();
    void opposes_data();
    void opposes();
    void rouvrir_apres_fermeture_data();
    void rouvrir_apres_fermeture();

private:
    QWidget *lecon() const { return m_programme->fenetres().at(5); }
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
    void clique(int bouton)
    {
        QTest::mouseClick(controle<QPushButton>(QStringLiteral("Button%1").arg(bouton)),
                          Qt::LeftButton);
    }
    void tic(const char *minuterie, int fois = 1);
    void verifie_accueil();

    std::unique_ptr<Programme> m_programme;
};

void tst_lecon::init()
{
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(3));
    lecon()->show();
    QVERIFY(QTest::qWaitForWindowExposed(lecon()));
}

void tst_lecon::cleanup()
{
    m_programme.reset();
}

// Fires the timer's own signal, so the tick goes through its connection.
void tst_lecon::tic(const char *minuterie, int fois)
{
    auto *t = lecon()->findChild<QTimer *>(QString::fromLatin1(minuterie));
    QVERIFY(t && t->isActive());
    QCOMPARE(t->interval(), 800);
    for (int i = 0; i < fois; ++i)
        QMetaObject::invokeMethod(t, "timeout");
}

void tst_lecon::verifie_accueil()
{
    QVERIFY(lecon()->isVisible());
    for (int n = 1; n <= 6; ++n)
        QVERIFY(controle<QPushButton>(QStringLiteral("Button%1").arg(n))->isVisible());
    QCOMPARE(controle(QStringLiteral("Label12"))->text(), QStringLiteral("clique sur un mot"));
    QCOMPARE(controle(QStringLiteral("Label12"))->x(), 208);
    QVERIFY(!controle<TEffectLabel>(QStringLiteral("EffectLabel1"))->isVisible());
    for (const char *nom : {"Image2", "Image3", "Image4", "Image5", "Image6", "fleche1", "fleche2",
                            "trait1", "trait8", "Label13", "Label18", "Label19", "Label_opposes"})
        QVERIFY2(!controle(QString::fromLatin1(nom))->isVisible(), nom);
    for (const char *nom : minuteries)
        QVERIFY2(!lecon()->findChild<QTimer *>(QString::fromLatin1(nom))->isActive(), nom);
    QCOMPARE(couleur(QStringLiteral("Label0")), noir);
    for (int n = 1; n <= 5; ++n) {
        QVERIFY(!controle(QStringLiteral("Label%1a").arg(n))->isVisible());
        QCOMPARE(couleur(QStringLiteral("Label%1a").arg(n)), rouge);
        for (const char partie : {'b', 'c', 'd'})
            QCOMPARE(couleur(QStringLiteral("Label%1%2").arg(n).arg(partie)), noir);
    }
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
    const QString nom = nombre == 0 ? QStringLiteral("Label0")
                                    : QStringLiteral("Label%1%2").arg(qAbs(nombre)).arg(
                                          nombre > 0 ? 'b' : 'd');
    const QLabel *chiffre = controle(nom);
    QVERIFY2(chiffre->x() <= x && x < chiffre->x() + chiffre->width(),
             qPrintable(QStringLiteral("tick at %1, digit from %2 to %3")
                            .arg(x).arg(chiffre->x()).arg(chiffre->x() + chiffre->width())));

    // Only thick ticks reach the top row of the pictures, and they are narrow.
    auto graduation = [](const QImage &image, int colonne) {
        return qAlpha(image.pixel(colonne, 0)) > 0 && qAlpha(image.pixel(colonne - 4, 0)) == 0
               && qAlpha(image.pixel(colonne + 4, 0)) == 0;
    };
    const QLabel *droite = controle(QStringLiteral("Image1"));
    QVERIFY(graduation(droite->pixmap().toImage(), x - droite->x()));
    if (nombre != 0) {
        const QImage moitie = bitmap_programme(nombre < 0 ? "bitmap_11" : "bitmap_12").toImage();
        QVERIFY(graduation(moitie, x - (nombre < 0 ? 16 : 316)));
    }
}

void tst_lecon::ok_data()
{
    QTest::addColumn<int>("mot");
    QTest::addColumn<bool>("reste_ouverte");
    QTest::newRow("home state closes") << 0 << false;
    QTest::newRow("after nombre négatif, back home") << 1 << true;
    QTest::newRow("after nombre relatif, back home") << 3 << true;
    QTest::newRow("after valeur absolue, back home") << 5 << true;
    QTest::newRow("after opposé, back home") << 6 << true;
}

void tst_lecon::ok()
{
    QFETCH(int, mot);
    QFETCH(bool, reste_ouverte);
    verifie_accueil();
    if (mot > 0) {
        clique(mot);
        QVERIFY(!controle<QPushButton>(QStringLiteral("Button1"))->isVisible());
        QCOMPARE(controle(QStringLiteral("Label12"))->x(), 32);
    }
    clique(7);
    QCOMPARE(lecon()->isVisible(), reste_ouverte);
    if (reste_ouverte)
        verifie_accueil();
}

void tst_lecon::couleur_laissee_par_le_mot_precedent_data()
{
    QTest::addColumn<int>("precedent");
    QTest::addColumn<QColor>("attendue");
    QTest::newRow("fresh start: yellow") << 0 << jaune;
    QTest::newRow("after nombre négatif: blue") << 1 << bleu;
    QTest::newRow("after nombre positif: red") << 2 << rouge;
    QTest::newRow("after nombre relatif: black") << 3 << noir;
}

void tst_lecon::couleur_laissee_par_le_mot_precedent()
{
    QFETCH(int, precedent);
    QFETCH(QColor, attendue);
    if (precedent > 0) {
        clique(precedent);
        clique(7);
    }
    clique(4);
    QCOMPARE(controle(QStringLiteral("Label12"))->text(), QStringLiteral("signe:"));
    for (const char *nom : {"EffectLabel1", "EffectLabel2"}) {
        auto *e = controle<TEffectLabel>(QString::fromLatin1(nom));
        QVERIFY(e->isVisible());
        QCOMPARE(e->fontColor(), attendue);
    }
    QCOMPARE(controle<TEffectLabel>(QStringLiteral("EffectLabel1"))->caption(),
             QStringLiteral("c'est le + ou le – qui est placé au début d'un nombre relatif."));
}

// Each blink, from home: the probe label's colour and the "+" signs after
// the first and the second tick, and the picture shown only at the first.
void tst_lecon::clignotements_data()
{
    QTest::addColumn<int>("mot");
    QTest::addColumn<QString>("minuterie");
    QTest::addColumn<QString>("sonde");
    QTest::addColumn<QColor>("couleur1");
    QTest::addColumn<QColor>("couleur2");
    QTest::addColumn<bool>("plus1");
    QTest::addColumn<bool>("plus2");
    QTest::addColumn<QString>("image1");
    QTest::newRow("nombre négatif: minus signs blue, then black")
        << 1 << "Timer_negatif" << "Label3c" << bleu << noir << false << false << "Image2";
    QTest::newRow("nombre négatif: zero blinks with them")
        << 1 << "Timer_negatif" << "Label0" << bleu << noir << false << false << "Image2";
    QTest::newRow("nombre positif: digits red with their +, then black")
        << 2 << "Timer_positif" << "Label4b" << rouge << noir << true << false << "Image3";
    QTest::newRow("signe: + shown and minus yellow, then neither")
        << 4 << "Timer_signe" << "Label2c" << jaune << noir << true << false << "";
    QTest::newRow("signe: digits do not change")
        << 4 << "Timer_signe" << "Label2d" << noir << noir << true << false << "";
    QTest::newRow("valeur absolue: negative digits yellow, then black")
        << 5 << "Timer_va" << "Label5d" << jaune << noir << true << true << "";
    QTest::newRow("valeur absolue: signs stay black")
        << 5 << "Timer_va" << "Label1c" << noir << noir << true << true << "";
}

void tst_lecon::clignotements()
{
    QFETCH(int, mot);
    QFETCH(QString, minuterie);
    QFETCH(QString, sonde);
    QFETCH(QColor, couleur1);
    QFETCH(QColor, couleur2);
    QFETCH(bool, plus1);
    QFETCH(bool, plus2);
    QFETCH(QString, image1);

    clique(mot);
    for (const char *nom : minuteries)
        QCOMPARE(lecon()->findChild<QTimer *>(QString::fromLatin1(nom))->isActive(),
                 minuterie == QLatin1String(nom));
    const QByteArray nom_minuterie = minuterie.toLatin1();

    tic(nom_minuterie);
    QCOMPARE(couleur(sonde), couleur1);
    QCOMPARE(controle(QStringLiteral("Label5a"))->isVisible(), plus1);
    if (!image1.isEmpty()) {
        QVERIFY(controle(image1)->isVisible());
        QCOMPARE(controle(image1)->pixmap().size(), QSize(300, 15));
    }

    tic(nom_minuterie);
    QCOMPARE(couleur(sonde), couleur2);
    QCOMPARE(controle(QStringLiteral("Label5a"))->isVisible(), plus2);
    if (!image1.isEmpty())
        QVERIFY(!controle(image1)->isVisible());
}

// "opposé" after some ticks: the pair shown in yellow, the arrows under it
// and the bars shown, counted from trait1.
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
    QVERIFY(controle(QStringLiteral("Label_opposes"))->isVisible());
    tic("Timer_oppose", tics);

    for (int n = 1; n <= 5; ++n)
        for (const char partie : {'a', 'b', 'c', 'd'})
            if (n == paire || partie != 'a')
                QCOMPARE(couleur(QStringLiteral("Label%1%2").arg(n).arg(partie)),
                         n == paire ? jaune : noir);
    QCOMPARE(controle(QStringLiteral("fleche1"))->pos(), QPoint(fleche1, 105));
    QCOMPARE(controle(QStringLiteral("fleche2"))->pos(), QPoint(fleche2, 105));
    QVERIFY(controle(QStringLiteral("fleche1"))->isVisible());
    QVERIFY(controle(QStringLiteral("fleche2"))->isVisible());
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(controle(QStringLiteral("trait%1").arg(i))->isVisible(), i <= traits);
    QVERIFY(!controle(QStringLiteral("Label1a"))->isVisible());
    QCOMPARE(static_cast<Tlecon *>(lecon())->rang_oppose(), paire % 5 + 1);
}

void tst_lecon::rouvrir_apres_fermeture_data()
{
    QTest::addColumn<int>("mot");
    QTest::addColumn<QString>("minuterie");
    QTest::newRow("nombre positif mid-blink") << 2 << "Timer_positif";
    QTest::newRow("signe mid-blink") << 4 << "Timer_signe";
    QTest::newRow("opposé after three pairs") << 6 << "Timer_oppose";
}

// Closed by its close box in a word state, the window shows its home
// state again when the menu opens it.
void tst_lecon::rouvrir_apres_fermeture()
{
    QFETCH(int, mot);
    QFETCH(QString, minuterie);
    clique(mot);
    tic(minuterie.toLatin1(), 3);
    QVERIFY(lecon()->close());
    QVERIFY(!lecon()->isVisible());

    m_programme->general().findChild<QAction *>(QStringLiteral("m_lecon"))->trigger();
    verifie_accueil();
}

QTEST_MAIN(tst_lecon)
#include "tst_lecon.moc"
