// What lies over the score gauge: a correction line or a FAUX! picture that
// reaches past x 555 is painted whole, above the gauge, on every answer.
#include "U_general.h"
#include "aleatoire.h"
#include "etat_partage.h"
#include "exercice.h"
#include "programme.h"
#include "ressources.h"

#include <QImage>
#include <QTest>

class TstGeneralEmpilement : public QObject
{
    Q_OBJECT

private slots:
    void la_correction_passe_devant_la_jauge_data();
    void la_correction_passe_devant_la_jauge();
};

void TstGeneralEmpilement::la_correction_passe_devant_la_jauge_data()
{
    QTest::addColumn<bool>("legende_levee");
    QTest::newRow("first correction of the run") << false;
    QTest::newRow("after a caption was raised") << true;
}

void TstGeneralEmpilement::la_correction_passe_devant_la_jauge()
{
    QFETCH(bool, legende_levee);
    Programme programme(std::make_unique<AleatoireHorloge>(3));
    programme.demarre();
    Tgeneral &general = programme.general();
    if (legende_levee)
        general.met_devant(QStringLiteral("EffectLabel10"));

    // A rule error on (-19)-18 from a score of 10 writes its subtraction
    // line in place; the FAUX! picture stands where an 11-character
    // question puts it.
    EtatPartage &etat = programme.etat();
    etat.score = 10;
    etat.type_question = 31;
    etat.operande1 = -19;
    etat.operande2 = 18;
    etat.texte_question = QStringLiteral("(-19)-18");
    etat.texte_resultat = QStringLiteral("-37");
    general.place(QStringLiteral("Image_oui_faux"), QRect(520, 23, 88, 44));
    general.exercice().ecrire(u'1');
    general.exercice().ButtonOKClick();

    const QRect jauge = general.geometrie(QStringLiteral("Image1"));
    const QRect ligne = general.geometrie(QStringLiteral("Panel6"));
    const QRect faux = general.geometrie(QStringLiteral("Image_oui_faux"));
    QVERIFY2(ligne.intersects(jauge), "the line does not reach the gauge");
    QVERIFY(faux.intersects(jauge));

    const QImage peint = general.centralWidget()->grab().toImage();
    auto *panneau = qobject_cast<QWidget *>(general.controle(QStringLiteral("Panel6")));
    QCOMPARE(peint.copy(ligne), panneau->grab().toImage().convertToFormat(peint.format()));

    // Every opaque pixel of the picture is on screen as it is drawn.
    const QImage image = bitmap_programme(QStringLiteral("bitmap_14")).toImage();
    int couverts = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 255)
                continue;
            const QPoint p = faux.topLeft() + QPoint(x, y);
            QCOMPARE(QColor(peint.pixel(p)), QColor(image.pixel(x, y)));
            couverts += jauge.contains(p);
        }
    }
    QVERIFY(couverts > 0);
}

QTEST_MAIN(TstGeneralEmpilement)
#include "tst_general_empilement.moc"
