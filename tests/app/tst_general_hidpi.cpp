// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_general.h"
#include "aleatoire.h"
#include "exercice.h"
#include "marsCap.h"
#include "programme.h"
#include "ressources.h"

#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTest>

// On a screen of two device pixels per pixel (QT_SCALE_FACTOR=2 on the
// offscreen platform), every picture the main window loads over a run comes
// from a drawing at twice the size and takes the same room as at 1x.
// The window's icon is another matter: the desktop shows it, unzoomed.
class tst_general_hidpi : public QObject
{
    Q_OBJECT

private slots:
    void every_picture_of_a_run_is_drawn_at_ratio_2();
};

void tst_general_hidpi::every_picture_of_a_run_is_drawn_at_ratio_2()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    Programme programme(std::make_unique<AleatoireHorloge>(1));
    Tgeneral &general = programme.general();
    Exercice &exercice = general.exercice();
    QSet<QString> vues;
    const auto verifie_images = [&] {
        for (const QLabel *l : general.findChildren<QLabel *>()) {
            // The secondary windows are the main window's children too.
            if (l->pixmap().isNull() || l->window() != &general)
                continue;
            const QString nom = l->property("image").toString();
            QCOMPARE(l->pixmap().devicePixelRatio(), 2.0);
            QCOMPARE(l->pixmap().deviceIndependentSize(), QSizeF(bitmap_programme(nom, 1).size()));
            vues.insert(nom);
        }
    };
    const auto repond = [&](const QString &reponse) {
        for (const QChar c : reponse)
            exercice.ecrire(c);
        exercice.ButtonOKClick();
    };

    programme.demarre();
    verifie_images();
    // The desktop takes the window's icon at the sizes it lists, unzoomed;
    // the window's own bar shows it at the screen's density.
    const QIcon icone = general.windowIcon();
    for (const QSize &taille : icone.availableSizes())
        QCOMPARE(icone.pixmap(taille).size(), taille);
    QVERIFY(QTest::qWaitForWindowExposed(&general));
    const QPixmap dessinee = general.findChild<TMarsCaption *>()->iconeDessinee();
    QImage dessin_32(QStringLiteral(":/icone/tavelo_32.png"));
    dessin_32.setDevicePixelRatio(2);
    QCOMPARE(dessinee.toImage(), dessin_32.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    repond(programme.etat().texte_resultat); // OUI!
    verifie_images();
    exercice.timer_ouiTimer();
    programme.etat().score = 10; // corrected in place, not in a rule window
    repond(QStringLiteral("99"));  // FAUX! and the cross
    verifie_images();
    for (const int niveau : {2, 3}) {
        exercice.initialise_niveau(niveau);
        verifie_images();
    }

    QSet<QString> attendues;
    for (const int numero : {1, 2, 3, 4, 5, 13, 14, 16, 17, 18, 19, 20, 21})
        attendues.insert(QStringLiteral("bitmap_%1").arg(numero));
    QCOMPARE(vues, attendues);
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    tst_general_hidpi essai;
    return QTest::qExec(&essai, argc, argv);
}

#include "tst_general_hidpi.moc"
