// SPDX-License-Identifier: GPL-3.0-or-later
// The yellow highlights of the rule windows lie under their key words, as
// painted: no word sticks out of its highlight by more than one pixel on
// either side.
#include "U_general.h"
#include "aleatoire.h"
#include "polices.h"
#include "programme.h"

#include <QAction>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace {

// The first and one past the last column, from `debut` to `fin` excluded,
// that hold a pixel for which `peint` is true.
template <typename Peint>
std::pair<int, int> colonnes_peintes(const QImage &image, int debut, int fin, Peint peint)
{
    int gauche = fin;
    int droite = debut - 1;
    for (int x = std::max(debut, 0); x < std::min(fin, image.width()); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (peint(image.pixel(x, y))) {
                gauche = std::min(gauche, x);
                droite = x;
            }
    return {gauche, droite + 1};
}

} // namespace

class TstSurlignes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }
    void le_surlignage_couvre_son_mot_data();
    void le_surlignage_couvre_son_mot();
};

void TstSurlignes::le_surlignage_couvre_son_mot_data()
{
    QTest::addColumn<QString>("entree"); // of the menu
    QTest::addColumn<QString>("etiquette");
    QTest::addColumn<QString>("forme");
    QTest::newRow("opposés") << "regle1" << "Label_reg_1" << "Shape_reg_1";
    QTest::newRow("ZÉRO") << "regle1" << "Label_reg_2" << "Shape_reg_2";
    QTest::newRow("négatif") << "regle2" << "Label_reg_2" << "Shape_reg_1";
    QTest::newRow("s'ajoutent") << "regle2" << "Label_reg_3" << "Shape_reg_2";
    QTest::newRow("soustraire") << "regle3" << "Label_reg_0" << "Shape_reg_1";
    QTest::newRow("ajoute") << "regle3" << "Label_reg_0" << "Shape_reg_2";
}

void TstSurlignes::le_surlignage_couvre_son_mot()
{
    QFETCH(QString, entree);
    QFETCH(QString, etiquette);
    QFETCH(QString, forme);
    const QString mot = QString::fromUtf8(QTest::currentDataTag());

    Programme programme(std::make_unique<AleatoireHorloge>(3));
    programme.demarre();
    programme.general().findChild<QAction *>(entree)->trigger();
    QWidget *fenetre = programme.fenetres().at(entree == u"regle3" ? 2 : 1);
    const QLabel *texte = fenetre->findChild<QLabel *>(etiquette);
    QWidget *surligne = fenetre->findChild<QWidget *>(forme);
    QWidget *client = texte->parentWidget();
    QVERIFY(surligne->isVisibleTo(fenetre));
    // Measured in the face built into the program, bold or regular as asked,
    // not in a fallback nor in the regular face thickened.
    const QFontInfo face(texte->font());
    QCOMPARE(face.family(), QStringLiteral("Comic Relief"));
    QCOMPARE(face.styleName(), texte->font().bold() ? "Bold" : "Regular");

    // The highlight as painted, across its middle row.
    const QImage avec = client->grab().toImage();
    const QImage rangee = avec.copy(0, surligne->geometry().center().y(), avec.width(), 1);
    const auto [jaune_gauche, jaune_droite] =
        colonnes_peintes(rangee, surligne->x() - 5, surligne->x() + surligne->width() + 5,
                         [](QRgb p) { return p == qRgb(255, 255, 0); });

    // The word alone, the highlights hidden: the columns of the label's
    // text between the middles of the blanks around the word.
    for (const char *nom : {"Shape_reg_1", "Shape_reg_2"})
        fenetre->findChild<QWidget *>(nom)->hide();
    const QImage sans = client->grab(texte->geometry()).toImage();
    const QFontMetrics mesure(texte->font());
    const int debut = texte->text().indexOf(mot);
    QVERIFY(debut >= 0);
    const int demi_blanc = mesure.horizontalAdvance(QLatin1Char(' ')) / 2;
    const QRgb fond = sans.pixel(0, 0);
    const auto [encre_gauche, encre_droite] = colonnes_peintes(
        sans, mesure.horizontalAdvance(texte->text().left(debut)) - demi_blanc,
        mesure.horizontalAdvance(texte->text().left(debut + mot.size())) + demi_blanc,
        [fond](QRgb p) { return p != fond; });

    const int marge_gauche = encre_gauche + texte->x() - jaune_gauche;
    const int marge_droite = jaune_droite - (encre_droite + texte->x());
    qInfo("%-11s highlight %3d..%3d  word %3d..%3d  spare left %2d, right %2d",
          qPrintable(mot), jaune_gauche, jaune_droite, encre_gauche + texte->x(),
          encre_droite + texte->x(), marge_gauche, marge_droite);
    QVERIFY2(marge_gauche >= -1, "left edge");
    QVERIFY2(marge_droite >= -1, "right edge");
}

QTEST_MAIN(TstSurlignes)
#include "tst_surlignes.moc"
