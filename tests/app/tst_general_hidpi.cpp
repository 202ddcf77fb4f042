#include "U_general.h"
#include "aleatoire.h"
#include "exercice.h"
#include "programme.h"
#include "ressources.h"

#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTest>

// On a screen of two device pixels per pixel (here QT_SCALE_FACTOR=2 on the
// offscreen platform), every picture the main window loads over a run comes
// from a drawing at twice the size, and takes the same room as at 1x.
class tst_general_hidpi : public QObject
{
    Q_OBJECT

private slots:
    void every_picture_of_a_run_is_drawn_at_ratio_2();

private:
    void verifie_images(const Tgeneral &general);
    void repond(Exercice &exercice, const QString &reponse);

    QSet<QString> m_vues;
};

void tst_general_hidpi::verifie_images(const Tgeneral &general)
{
    for (const QLabel *l : general.findChildren<QLabel *>()) {
        const QPixmap image = l->pixmap();
        // The secondary windows are the main window's children too.
        if (image.isNull() || l->window() != &general)
            continue;
        const QString nom = l->property("image").toString();
        QVERIFY2(!nom.isEmpty(), qPrintable(l->objectName()));
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.deviceIndependentSize(), QSizeF(bitmap_programme(nom, 1).size()));
        m_vues.insert(nom);
    }
}

void tst_general_hidpi::repond(Exercice &exercice, const QString &reponse)
{
    for (const QChar c : reponse)
        exercice.ecrire(c);
    exercice.ButtonOKClick();
}

void tst_general_hidpi::every_picture_of_a_run_is_drawn_at_ratio_2()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    Programme programme(std::make_unique<AleatoireHorloge>(1));
    programme.demarre();
    Tgeneral &general = programme.general();
    Exercice &exercice = general.exercice();
    verifie_images(general);

    repond(exercice, programme.etat().texte_resultat);    // OUI!
    verifie_images(general);
    exercice.timer_ouiTimer();
    programme.etat().score = 10;                          // corrected in place, not in a rule window
    repond(exercice, QStringLiteral("99"));               // FAUX! and the cross
    verifie_images(general);
    exercice.initialise_niveau(2);
    verifie_images(general);
    exercice.initialise_niveau(3);
    verifie_images(general);

    QSet<QString> attendues;
    for (const int numero : {1, 2, 3, 4, 5, 13, 14, 16, 17, 18, 19, 20, 21})
        attendues.insert(QStringLiteral("bitmap_%1").arg(numero));
    QCOMPARE(m_vues, attendues);
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    tst_general_hidpi essai;
    return QTest::qExec(&essai, argc, argv);
}

#include "tst_general_hidpi.moc"
