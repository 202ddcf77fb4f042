// SPDX-License-Identifier: GPL-3.0-or-later
#include "EffectLabel.h"
#include "Gradient.h"
#include "polices.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include <array>

namespace {

const QRgb rouge = qRgb(255, 0, 0);
const QRgb bleu = qRgb(0, 0, 255);
const QRgb blanc = qRgb(255, 255, 255);
const QRgb noir = qRgb(0, 0, 0);

// Aliased text so that every text pixel has exactly its colour.
QFont policeNette(int taille = 20)
{
    QFont police(QStringLiteral("Arial"), taille, QFont::Bold);
    police.setStyleStrategy(QFont::NoAntialias);
    return police;
}

// An opaque label on blue: red face, white highlight, black shadow.
void prepare(TEffectLabel &label, const QString &legende)
{
    label.setFont(policeNette());
    label.setCaption(legende);
    label.setTransparent(false);
    label.setColor(QColor(bleu));
    label.setFontColor(QColor(rouge));
}

QImage image(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of exactly this colour.
QList<QPoint> pixels(const QImage &image, QRgb couleur)
{
    QList<QPoint> trouves;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == couleur)
                trouves << QPoint(x, y);
    return trouves;
}

QList<QPoint> decale(QList<QPoint> points, QPoint decalage)
{
    for (QPoint &p : points)
        p += decalage;
    return points;
}

// The face of a label without any copy, drawn unshifted.
QList<QPoint> faceSeule(const QString &legende, Qt::Alignment alignement)
{
    TEffectLabel plat;
    prepare(plat, legende);
    plat.setEffectStyle(TEffectLabel::esNone);
    plat.setAlignment(alignement);
    return pixels(image(plat), rouge);
}

} // namespace

class tst_EffectLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }

    void faceDecalee_data();
    void faceDecalee();
    void copiesEnRelief();
    void passeAuPerso_data();
    void passeAuPerso();
    void presets_data();
    void presets();
    void schemaPersoGardeLesCouleurs();
    void ombreReelle_data();
    void ombreReelle();
    void copiesMultiples_data();
    void copiesMultiples();
    void opaqueRemplitDeSaCouleur();
    void commeUnBouton();
    void sourisPasseeSansBouton();
    void tailleAutomatique();
};

void tst_EffectLabel::faceDecalee_data()
{
    QTest::addColumn<int>("alignement");
    QTest::addColumn<QPoint>("decalage");
    QTest::newRow("left: one pixel right and down") << int(Qt::AlignLeft) << QPoint(1, 1);
    QTest::newRow("right: mx - mn = 2 pixels further left") << int(Qt::AlignRight) << QPoint(-1, 1);
    QTest::newRow("centre: half of it") << int(Qt::AlignHCenter) << QPoint(0, 1);
}

void tst_EffectLabel::faceDecalee()
{
    QFETCH(int, alignement);
    QFETCH(QPoint, decalage);
    TEffectLabel label;
    prepare(label, QStringLiteral("Ab"));
    label.setAlignment(Qt::Alignment(alignement));
    const QList<QPoint> face = pixels(image(label), rouge);
    const QList<QPoint> attendue = decale(faceSeule(QStringLiteral("Ab"), Qt::Alignment(alignement)), decalage);
    QVERIFY(attendue.size() > 50);
    QCOMPARE(face, attendue);
}

void tst_EffectLabel::copiesEnRelief()
{
    TEffectLabel label;
    prepare(label, QStringLiteral("W"));
    const QImage rendu = image(label);
    const QList<QPoint> plat = faceSeule(QStringLiteral("W"), Qt::AlignLeft);
    // White copy 1 pixel up-left of the face (face at +1, so at 0), black
    // copy 1 pixel down-right (at +2).
    const QList<QPoint> blancs = pixels(rendu, blanc), noirs = pixels(rendu, noir);
    QVERIFY(!blancs.isEmpty());
    QVERIFY(!noirs.isEmpty());
    for (const QPoint &p : blancs)
        QVERIFY(plat.contains(p));
    const QList<QPoint> ombre = decale(plat, QPoint(2, 2));
    for (const QPoint &p : noirs)
        QVERIFY(ombre.contains(p));
}

void tst_EffectLabel::passeAuPerso_data()
{
    QTest::addColumn<QByteArray>("propriete");
    QTest::addColumn<QVariant>("valeur");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("schema");
    const int raised = TEffectLabel::esRaised, custom = TEffectLabel::esCustom;
    const int windows = TEffectLabel::csWindows, csCustom = TEffectLabel::csCustom;
    QTest::newRow("shadow depth 3 makes the style custom")
        << QByteArray("DepthShadow") << QVariant(3) << custom << windows;
    QTest::newRow("highlight depth makes the style custom")
        << QByteArray("DepthHighlight") << QVariant(2) << custom << windows;
    QTest::newRow("highlight direction makes the style custom")
        << QByteArray("DirectionHighlight") << QVariant::fromValue(TEffectLabel::edUp) << custom << windows;
    QTest::newRow("shadow direction makes the style custom")
        << QByteArray("DirectionShadow") << QVariant::fromValue(TEffectLabel::edLeft) << custom << windows;
    QTest::newRow("highlight colour makes the scheme custom")
        << QByteArray("ColourHighlight") << QVariant(QColor(Qt::red)) << raised << csCustom;
    QTest::newRow("shadow colour makes the scheme custom")
        << QByteArray("ColourShadow") << QVariant(QColor(Qt::red)) << raised << csCustom;
    QTest::newRow("an unchanged depth switches nothing")
        << QByteArray("DepthShadow") << QVariant(1) << raised << windows;
    QTest::newRow("the style itself leaves the scheme")
        << QByteArray("EffectStyle") << QVariant::fromValue(TEffectLabel::esFlying)
        << int(TEffectLabel::esFlying) << windows;
    QTest::newRow("the scheme itself leaves the style")
        << QByteArray("ColourScheme") << QVariant::fromValue(TEffectLabel::csGold)
        << raised << int(TEffectLabel::csGold);
}

void tst_EffectLabel::passeAuPerso()
{
    QFETCH(QByteArray, propriete);
    QFETCH(QVariant, valeur);
    QFETCH(int, style);
    QFETCH(int, schema);
    TEffectLabel label;
    QVERIFY(label.setProperty(propriete.constData(), valeur));
    QCOMPARE(int(label.effectStyle()), style);
    QCOMPARE(int(label.colourScheme()), schema);
}

void tst_EffectLabel::presets_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("dirS");
    QTest::addColumn<int>("profS");
    QTest::addColumn<int>("dirO");
    QTest::addColumn<int>("profO");
    QTest::addColumn<QColor>("surbrillance");
    QTest::addColumn<bool>("bouton");
    const QColor vert(0, 255, 0);
    using L = TEffectLabel;
    // Each row starts from a sunken button.
    QTest::newRow("none") << int(L::esNone) << int(L::edNone) << 0 << int(L::edNone) << 0 << vert << false;
    QTest::newRow("raised keeps the button") << int(L::esRaised) << int(L::edUpLeft) << 1
                                             << int(L::edDownRight) << 1 << vert << true;
    QTest::newRow("shadow") << int(L::esShadow) << int(L::edNone) << 0 << int(L::edDownRight) << 2
                            << vert << false;
    // The hand-set green made the scheme custom: its slot holds green and
    // the gold scheme's black shadow.
    QTest::newRow("flying takes the scheme's shadow colour")
        << int(L::esFlying) << int(L::edDownRight) << 1 << int(L::edDownRight) << 5
        << QColor(0, 0, 0) << false;
    QTest::newRow("custom keeps the offsets, drops the button")
        << int(L::esCustom) << int(L::edDownRight) << 1 << int(L::edUpLeft) << 1 << vert << false;
}

void tst_EffectLabel::presets()
{
    QFETCH(int, style);
    QFETCH(int, dirS);
    QFETCH(int, profS);
    QFETCH(int, dirO);
    QFETCH(int, profO);
    QFETCH(QColor, surbrillance);
    QFETCH(bool, bouton);
    TEffectLabel label;
    label.setColourScheme(TEffectLabel::csGold);
    label.setColourHighlight(Qt::green);
    label.setAsButton(true);
    label.setEffectStyle(TEffectLabel::esSunken);
    label.setEffectStyle(TEffectLabel::TEffectStyle(style));
    QCOMPARE(int(label.directionHighlight()), dirS);
    QCOMPARE(label.depthHighlight(), profS);
    QCOMPARE(int(label.directionShadow()), dirO);
    QCOMPARE(label.depthShadow(), profO);
    QCOMPARE(label.colourHighlight(), surbrillance);
    QCOMPARE(label.asButton(), bouton);
    QCOMPARE(int(label.effectStyle()), style);
    QCOMPARE(label.colourScheme(), TEffectLabel::csCustom);
}

void tst_EffectLabel::schemaPersoGardeLesCouleurs()
{
    TEffectLabel label;
    QCOMPARE(label.fontColor(), QColor(128, 128, 128));
    label.setColourScheme(TEffectLabel::csGold);
    label.setColourScheme(TEffectLabel::csCustom);
    QCOMPARE(label.colourHighlight(), QColor(255, 255, 0));
    QCOMPARE(label.colourShadow(), QColor(0, 0, 0));
    QCOMPARE(label.fontColor(), QColor(128, 128, 0));
    // A hand-set colour goes into the custom slot too.
    label.setColourShadow(Qt::red);
    label.setColourScheme(TEffectLabel::csText);
    QCOMPARE(label.fontColor(), QColor(0, 0, 0));
    label.setColourScheme(TEffectLabel::csCustom);
    QCOMPARE(label.colourShadow(), QColor(128, 128, 128));
    label.setColourShadow(Qt::red);
    label.setFontColor(Qt::blue);
    label.setColourScheme(TEffectLabel::csSteel);
    QCOMPARE(label.colourHighlight(), QColor(0, 255, 255));
    QCOMPARE(label.colourShadow(), QColor(0, 0, 128));
    QCOMPARE(label.fontColor(), QColor(0, 128, 128));
}

void tst_EffectLabel::ombreReelle_data()
{
    QTest::addColumn<int>("fond");
    QTest::addColumn<bool>("assombrit");
    QTest::newRow("real shadow over a white window: (127, 127, 127)") << 0 << true;
    QTest::newRow("real shadow over a gradient sibling: halved") << 1 << true;
    QTest::newRow("real highlight over a black window: half-way to white") << 2 << false;
    QTest::newRow("real highlight over a gradient sibling") << 1 << false;
}

void tst_EffectLabel::ombreReelle()
{
    QFETCH(int, fond);
    QFETCH(bool, assombrit);
    QWidget fenetre;
    fenetre.resize(220, 90);
    QPalette palette;
    palette.setColor(QPalette::Window, fond == 2 ? Qt::black : Qt::white);
    fenetre.setPalette(palette);
    fenetre.setAutoFillBackground(true);
    TGradient degrade(&fenetre);
    degrade.setStartColor(Qt::red);
    degrade.setEndColor(Qt::yellow);
    degrade.setGeometry(0, 0, 220, 90);
    degrade.setVisible(fond == 1);
    const QImage dessous = image(fenetre);

    TEffectLabel label(&fenetre);
    label.setFont(policeNette(36));
    label.setFontColor(QColor(bleu));
    label.setCaption(QStringLiteral("WM"));
    label.setGeometry(10, 10, 150, 70);
    label.setEffectStyle(TEffectLabel::esCustom);
    const int d = 5;
    if (assombrit) {
        label.setDepthHighlight(0);
        label.setDirectionHighlight(TEffectLabel::edNone);
        label.setDepthShadow(d);
        label.setDirectionShadow(TEffectLabel::edDownRight);
        label.setStyleShadow(TEffectLabel::eoReal);
    } else {
        label.setDepthShadow(0);
        label.setDirectionShadow(TEffectLabel::edNone);
        label.setDepthHighlight(d);
        label.setDirectionHighlight(TEffectLabel::edDownRight);
        label.setStyleHighlight(TEffectLabel::eoReal);
    }
    const QImage rendu = image(fenetre);
    const QImage face = image(label);
    int marques = 0;
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 150; ++x) {
            if (face.pixel(x, y) == bleu)
                continue;
            const QRgb derriere = dessous.pixel(x + 10, y + 10);
            QRgb attendu = derriere;
            if (x >= d && y >= d && face.pixel(x - d, y - d) == bleu) {
                ++marques;
                attendu = assombrit ? qRgb(qRed(derriere) / 2, qGreen(derriere) / 2, qBlue(derriere) / 2)
                                    : qRgb((qRed(derriere) + 255) / 2, (qGreen(derriere) + 255) / 2,
                                           (qBlue(derriere) + 255) / 2);
            }
            if (rendu.pixel(x + 10, y + 10) != attendu)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                     .arg(x).arg(y).arg(rendu.pixel(x + 10, y + 10), 8, 16)
                                     .arg(attendu, 8, 16)));
        }
    QVERIFY(marques > 100);
    if (fond == 0)
        QVERIFY(pixels(rendu, qRgb(127, 127, 127)).size() == marques);
}

void tst_EffectLabel::copiesMultiples_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QRgb>("copie1");
    QTest::addColumn<QRgb>("copie2");
    QTest::addColumn<QRgb>("copie3");
    const QRgb aucune = 0; // no copy at that depth
    QTest::newRow("extrude: every copy in the shadow colour")
        << int(TEffectLabel::eoExtrude) << noir << noir << noir;
    // Depth 3: the copy at k has C + (face - C) × (3 - k) / 2.
    QTest::newRow("graduated: from the face colour to the shadow colour")
        << int(TEffectLabel::eoGraduated) << rouge << qRgb(128, 0, 0) << noir;
    QTest::newRow("normal: one copy at full depth")
        << int(TEffectLabel::eoNormal) << aucune << aucune << noir;
}

void tst_EffectLabel::copiesMultiples()
{
    QFETCH(int, option);
    QFETCH(QRgb, copie1);
    QFETCH(QRgb, copie2);
    QFETCH(QRgb, copie3);
    TEffectLabel label;
    prepare(label, QStringLiteral("X"));
    label.setEffectStyle(TEffectLabel::esShadow);
    label.setDepthShadow(3);
    label.setStyleShadow(TEffectLabel::TEffectOption(option));
    const QImage rendu = image(label);
    const QList<QPoint> plat = faceSeule(QStringLiteral("X"), Qt::AlignLeft);
    const std::array<QRgb, 4> couleurs{rouge, copie1, copie2, copie3};
    for (int y = 0; y < rendu.height(); ++y)
        for (int x = 0; x < rendu.width(); ++x) {
            QRgb attendu = bleu;
            for (int k = 0; k <= 3; ++k)
                if (couleurs[k] != 0 && plat.contains(QPoint(x - k, y - k))) {
                    attendu = couleurs[k];
                    break;
                }
            QCOMPARE(rendu.pixel(x, y), attendu);
        }
}

void tst_EffectLabel::opaqueRemplitDeSaCouleur()
{
    QWidget fenetre;
    fenetre.resize(200, 60);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::green);
    fenetre.setPalette(palette);
    fenetre.setAutoFillBackground(true);
    TEffectLabel label(QStringLiteral("a"), &fenetre);
    QCOMPARE(image(fenetre).pixel(140, 30), qRgb(0, 255, 0)); // transparent
    label.setTransparent(false);
    label.setColor(Qt::yellow);
    QCOMPARE(image(fenetre).pixel(140, 30), qRgb(255, 255, 0));
}

void tst_EffectLabel::commeUnBouton()
{
    TEffectLabel label;
    QSignalSpy clics(&label, &TEffectLabel::clicked);
    label.setEffectStyle(TEffectLabel::esShadow);
    label.setAsButton(true);
    QCOMPARE(label.effectStyle(), TEffectLabel::esRaised);
    auto envoie = [&](QEvent::Type type, QPoint point, Qt::MouseButton bouton, Qt::MouseButtons tenus) {
        QMouseEvent event(type, point, label.mapToGlobal(point), bouton, tenus, Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
    };
    envoie(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(label.effectStyle(), TEffectLabel::esSunken);
    envoie(QEvent::MouseMove, {300, 10}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(label.effectStyle(), TEffectLabel::esRaised);
    envoie(QEvent::MouseMove, {20, 20}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(label.effectStyle(), TEffectLabel::esSunken);
    envoie(QEvent::MouseButtonRelease, {20, 20}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(label.effectStyle(), TEffectLabel::esRaised);
    QCOMPARE(clics.count(), 1);
    label.setEnabled(false);
    envoie(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(label.effectStyle(), TEffectLabel::esRaised);
}

void tst_EffectLabel::sourisPasseeSansBouton()
{
    TEffectLabel label;
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(5, 5), label.mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &appui);
    QVERIFY(!appui.isAccepted());
    QCOMPARE(label.effectStyle(), TEffectLabel::esRaised);
}

void tst_EffectLabel::tailleAutomatique()
{
    TEffectLabel label;
    label.setFont(policeNette());
    label.setCaption(QStringLiteral("un deux trois quatre"));
    label.setAutoSize(true);
    const QFontMetrics mesures(label.font());
    const int largeur = mesures.boundingRect(QRect(), 0, label.caption()).width();
    QCOMPARE(label.width(), largeur + 2);
    QCOMPARE(label.height(), mesures.boundingRect(QRect(), 0, label.caption()).height() + 2);
    label.setWordWrap(true);
    label.resize(80, label.height());
    label.setCaption(QStringLiteral("un deux trois quatre cinq"));
    QCOMPARE(label.width(), 80);
    QVERIFY(label.height() >= 3 * mesures.height());
    // The wrapped text is drawn on several lines.
    const QList<QPoint> bas = pixels(image(label), qRgb(128, 128, 128));
    QVERIFY(std::any_of(bas.begin(), bas.end(), [&](QPoint p) { return p.y() > 2 * mesures.height(); }));
}

QTEST_MAIN(tst_EffectLabel)
#include "tst_effectlabel.moc"
