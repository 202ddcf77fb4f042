// SPDX-License-Identifier: GPL-3.0-or-later
// A correction line that reaches past x 555 is painted whole, above the
// score gauge, on every answer of the run.
#include "U_general.h"
#include "aleatoire.h"
#include "etat_partage.h"
#include "exercice.h"
#include "programme.h"

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
    if (legende_levee) // as the "Zéro est neutre" caption is
        general.met_devant(QStringLiteral("EffectLabel10"));

    // A rule error on (-19)-18 from a score of 10 writes its subtraction
    // line in place.
    EtatPartage &etat = programme.etat();
    etat.score = 10;
    etat.type_question = 31;
    etat.operande1 = -19;
    etat.operande2 = 18;
    etat.texte_resultat = QStringLiteral("-37");
    general.exercice().ecrire(u'1');
    general.exercice().ButtonOKClick();

    const QRect ligne = general.geometrie(QStringLiteral("Panel6"));
    QVERIFY(ligne.intersects(general.geometrie(QStringLiteral("Image1"))));
    const QImage peint = general.centralWidget()->grab().toImage();
    auto *panneau = qobject_cast<QWidget *>(general.controle(QStringLiteral("Panel6")));
    QCOMPARE(peint.copy(ligne), panneau->grab().toImage().convertToFormat(peint.format()));
}

QTEST_MAIN(TstGeneralEmpilement)
#include "tst_general_empilement.moc"
