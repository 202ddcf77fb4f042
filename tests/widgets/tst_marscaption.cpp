// SPDX-License-Identifier: GPL-3.0-or-later
#include "marsCap.h"
#include "marsCap_glyphes.h"
#include "peintures.h"
#include "polices.h"

#include <QMenu>
#include <QPainter>
#include <QtTest>

namespace {

// A window of the given kind carrying a bar, shown and exposed.
struct Fenetre
{
    QWidget widget;
    TMarsCaption *barre;

    Fenetre(Qt::WindowFlags drapeaux, QSize taille, const QString &titre = QStringLiteral("Essai"))
    {
        widget.setWindowFlags(drapeaux);
        widget.setWindowTitle(titre);
        widget.resize(taille);
        barre = new TMarsCaption(&widget);
    }
    bool montre()
    {
        widget.show();
        widget.activateWindow();
        return QTest::qWaitForWindowActive(&widget);
    }
    QPoint centre(GenreBouton genre) const { return barre->bouton(genre).rect().center(); }
};

const Qt::WindowFlags fenetre_principale = Qt::Window | Qt::CustomizeWindowHint
                                           | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                           | Qt::WindowMinimizeButtonHint;

QRgb pixel(QWidget &w, QPoint p)
{
    return w.grab().toImage().pixel(p);
}

} // namespace

class tst_MarsCaption : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }

    void bandes_data();
    void bandes();
    void disposition_data();
    void disposition();
    void proprietaire_qui_n_est_pas_une_fenetre();
    void activation_redessine_la_barre();
    void legende_trop_longue();
    void bouton_suit_la_souris_data();
    void bouton_suit_la_souris();
    void icone_double_clic_ferme_data();
    void icone_double_clic_ferme();
    void menu_systeme_data();
    void menu_systeme();
    void glisser_la_barre_deplace_la_fenetre();
    void la_barre_ne_repeint_que_ce_qui_change();
    void glyphes_data();
    void glyphes();
};

void tst_MarsCaption::bandes_data()
{
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("largeur_bande"); // 0: widths vary by one pixel
    QTest::newRow("64 bands on 640 pixels") << 640 << 64 << 10;
    QTest::newRow("64 bands on the lesson's 630") << 630 << 64 << 0;
    QTest::newRow("one band") << 100 << 1 << 100;
    QTest::newRow("no band") << 100 << 0 << 0;
}

void tst_MarsCaption::bandes()
{
    QFETCH(int, largeur);
    QFETCH(int, n);
    QFETCH(int, largeur_bande);
    const QColor debut(255, 0, 0), fin(255, 255, 0);
    const QList<Bande> bandes = bandes_degrade(QRect(4, 4, largeur, 18), debut, fin, n);
    QCOMPARE(bandes.size(), n);
    if (n == 0)
        return;
    QCOMPARE(bandes.first().couleur, debut);
    QCOMPARE(bandes.last().couleur, n == 1 ? debut : fin);
    int x = 4;
    for (const Bande &b : bandes) {
        QCOMPARE(b.rect.left(), x);
        QCOMPARE(b.rect.height(), 18);
        if (largeur_bande)
            QCOMPARE(b.rect.width(), largeur_bande);
        else
            QVERIFY(qAbs(b.rect.width() - largeur / n) <= 1);
        x += b.rect.width();
    }
    QCOMPARE(x, 4 + largeur);
    // The green rises evenly from 0 to 255: band 32 of 64 is 32 × 255 / 63.
    if (n == 64)
        QCOMPARE(bandes[32].couleur.green(), 130);
}

void tst_MarsCaption::disposition_data()
{
    QTest::addColumn<StyleBordure>("style");
    QTest::addColumn<int>("icones");
    QTest::addColumn<QRect>("fermer");
    QTest::addColumn<QRect>("autre"); // maximise, or help where there is no maximise
    QTest::addColumn<QRect>("texte");
    const int tout = int(IconeBordure::MenuSysteme) | int(IconeBordure::Reduire)
                     | int(IconeBordure::Agrandir) | int(IconeBordure::Aide);
    // A 400-wide window: sizing frame 4, dialog frame 3, bar 18 high.
    QTest::newRow("sizeable, all icons: help never shown")
        << StyleBordure::Redimensionnable << tout << QRect(378, 6, 16, 14) << QRect(360, 6, 16, 14)
        << QRect(24, 6, 320, 14);
    QTest::newRow("dialog with help: help left of close")
        << StyleBordure::Dialogue << tout << QRect(379, 5, 16, 14) << QRect(361, 5, 16, 14)
        << QRect(5, 5, 356, 14);
    QTest::newRow("no system menu: no button, no icon")
        << StyleBordure::Simple << int(IconeBordure::Reduire) << QRect() << QRect()
        << QRect(5, 5, 390, 14);
    QTest::newRow("tool window: a small close button")
        << StyleBordure::Outil << tout << QRect(385, 5, 10, 10) << QRect() << QRect(5, 5, 376, 10);
}

void tst_MarsCaption::disposition()
{
    QFETCH(StyleBordure, style);
    QFETCH(int, icones);
    QFETCH(QRect, fermer);
    QFETCH(QRect, autre);
    QFETCH(QRect, texte);
    const DispositionBarre d = dispose_barre(400, style, IconesBordure::fromInt(icones), false);
    const bool avec_agrandir = d.bouton_montre(GenreBouton::Agrandir);
    QCOMPARE(d.rect_bouton[indice(GenreBouton::Fermer)], fermer);
    QCOMPARE(d.bouton_montre(GenreBouton::Fermer), fermer.isValid());
    if (autre.isValid())
        QCOMPARE(d.rect_bouton[indice(avec_agrandir ? GenreBouton::Agrandir : GenreBouton::Aide)],
                 autre);
    QCOMPARE(d.texte, texte);
    // The text box never reaches the buttons.
    for (const GenreBouton g : genres_boutons)
        if (d.bouton_montre(g))
            QVERIFY(d.texte.right() < d.rect_bouton[indice(g)].left());
}

void tst_MarsCaption::proprietaire_qui_n_est_pas_une_fenetre()
{
    QWidget fenetre;
    QWidget *enfant = new QWidget(&fenetre);
    try {
        TMarsCaption barre(enfant);
        QFAIL("a bar was made on a child widget");
    } catch (const std::invalid_argument &e) {
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("The MarsCaption's owner must be a Form!"));
    }
}

void tst_MarsCaption::activation_redessine_la_barre()
{
    Fenetre a(fenetre_principale, QSize(648, 200)), b(fenetre_principale, QSize(300, 200));
    a.barre->setActiveBeginColor(QColor(255, 0, 0));
    a.barre->setActiveEndColor(QColor(255, 255, 0));
    QVERIFY(a.montre());
    QVERIFY(b.montre());
    // The leftmost band left of the icon, the rightmost right of the buttons.
    const QPoint gauche(5, 12), droite(643, 12);
    QTRY_VERIFY(!a.barre->actifDessine());
    QCOMPARE(pixel(a.widget, gauche), qRgb(128, 128, 128));

    a.widget.activateWindow();
    QTRY_VERIFY(a.barre->actifDessine());
    QCOMPARE(pixel(a.widget, gauche), qRgb(255, 0, 0));
    QCOMPARE(pixel(a.widget, droite), qRgb(255, 255, 0));

    b.widget.activateWindow();
    QTRY_VERIFY(!a.barre->actifDessine());
    QCOMPARE(pixel(a.widget, gauche), qRgb(128, 128, 128));
}

void tst_MarsCaption::legende_trop_longue()
{
    const QString longue = QStringLiteral("TEST sur l'addition et la soustraction des nombres RELATIFS");
    Fenetre courte(Qt::Window, QSize(300, 120), QString());
    Fenetre longue_fenetre(Qt::Window, QSize(300, 120), longue);
    const DispositionBarre d = longue_fenetre.barre->disposition();
    const QString affichee = longue_fenetre.barre->legendeAffichee();
    QVERIFY2(affichee.endsWith(QChar(0x2026)) || affichee.endsWith(QLatin1String("...")),
             qPrintable(affichee));
    QVERIFY(QFontMetrics(longue_fenetre.barre->captionFont()).horizontalAdvance(affichee)
            <= d.texte.width());

    // The buttons look the same under a long caption as under none.
    const QImage sans = courte.widget.grab().toImage();
    const QImage avec = longue_fenetre.widget.grab().toImage();
    QCOMPARE(avec.copy(d.boutons), sans.copy(d.boutons));
}

void tst_MarsCaption::bouton_suit_la_souris_data()
{
    QTest::addColumn<QList<QPoint>>("trajet"); // offsets from the close button's centre
    QTest::addColumn<bool>("ferme");
    QTest::newRow("released over it") << QList<QPoint>{{0, 0}} << true;
    QTest::newRow("left before the release") << QList<QPoint>{{-30, 0}} << false;
    QTest::newRow("left and came back") << QList<QPoint>{{0, 40}, {2, 1}} << true;
    QTest::newRow("two pixels below still counts") << QList<QPoint>{{0, 8}} << true;
    QTest::newRow("three pixels below does not") << QList<QPoint>{{0, 10}} << false;
}

void tst_MarsCaption::bouton_suit_la_souris()
{
    QFETCH(QList<QPoint>, trajet);
    QFETCH(bool, ferme);
    Fenetre f(fenetre_principale, QSize(300, 120));
    QVERIFY(f.montre());
    const QPoint centre = f.centre(GenreBouton::Fermer);
    QTest::mousePress(f.barre, Qt::LeftButton, {}, centre);
    QVERIFY(f.barre->bouton(GenreBouton::Fermer).pressed());
    for (const QPoint &decalage : trajet)
        QTest::mouseMove(f.barre, centre + decalage);
    QCOMPARE(f.barre->bouton(GenreBouton::Fermer).pressed(), ferme);
    QTest::mouseRelease(f.barre, Qt::LeftButton, {}, centre + trajet.last());
    QCOMPARE(f.widget.isVisible(), !ferme);
    QVERIFY(!f.barre->bouton(GenreBouton::Fermer).pressed());

    // The disabled maximise button takes no press.
    QTest::mousePress(f.barre, Qt::LeftButton, {}, f.centre(GenreBouton::Agrandir));
    QVERIFY(!f.barre->bouton(GenreBouton::Agrandir).pressed());
}

void tst_MarsCaption::icone_double_clic_ferme_data()
{
    QTest::addColumn<bool>("second_clic");
    QTest::newRow("one click opens the menu") << false;
    QTest::newRow("a double click closes the window") << true;
}

void tst_MarsCaption::icone_double_clic_ferme()
{
    QFETCH(bool, second_clic);
    Fenetre f(fenetre_principale, QSize(300, 120));
    QVERIFY(f.montre());
    const QPoint icone = f.barre->disposition().icone.center();
    QTest::mousePress(f.barre, Qt::LeftButton, {}, icone);
    QVERIFY(f.barre->menuSysteme()->isVisible());
    QTest::mouseRelease(f.barre, Qt::LeftButton, {}, icone);
    QVERIFY(f.widget.isVisible());
    if (second_clic) {
        // The second press lands on the open menu, outside it: it
        // dismisses it and goes no further.
        QMenu *menu = f.barre->menuSysteme();
        const QPoint global = f.barre->mapToGlobal(icone);
        QCursor::setPos(global);
        QTest::mousePress(menu->windowHandle(), Qt::LeftButton, {}, menu->mapFromGlobal(global));
        QVERIFY(!menu->isVisible());
        QTest::mouseRelease(menu->windowHandle(), Qt::LeftButton, {}, menu->mapFromGlobal(global));
    }
    QTRY_COMPARE(f.widget.isVisible(), !second_clic);
}

void tst_MarsCaption::menu_systeme_data()
{
    QTest::addColumn<Qt::WindowStates>("etat");
    QTest::addColumn<bool>("agrandir_possible");
    // restore, move, size, minimise, maximise, restore is the default
    QTest::addColumn<QList<bool>>("attendus");
    QTest::newRow("normal") << Qt::WindowStates() << true
                            << QList<bool>{false, true, true, true, true, false};
    QTest::newRow("normal, no maximise button")
        << Qt::WindowStates() << false << QList<bool>{false, true, true, true, false, false};
    QTest::newRow("maximised") << Qt::WindowStates(Qt::WindowMaximized) << true
                               << QList<bool>{true, false, false, true, false, true};
    QTest::newRow("minimised") << Qt::WindowStates(Qt::WindowMinimized) << true
                               << QList<bool>{true, false, false, false, true, true};
}

void tst_MarsCaption::menu_systeme()
{
    QFETCH(Qt::WindowStates, etat);
    QFETCH(bool, agrandir_possible);
    QFETCH(QList<bool>, attendus);
    const EtatsMenuSysteme e = etats_menu_systeme(etat, true, agrandir_possible);
    QCOMPARE((QList<bool>{e.restaurer, e.deplacer, e.taille, e.reduire, e.agrandir,
                          e.restaurer_par_defaut}),
             attendus);

    // A right click on the bar of a window in that state opens the menu so.
    Fenetre f(agrandir_possible ? fenetre_principale | Qt::WindowMaximizeButtonHint
                                : fenetre_principale,
              QSize(300, 120));
    QVERIFY(f.montre());
    if (etat != Qt::WindowNoState)
        f.widget.setWindowState(etat);
    const QPoint texte = f.barre->disposition().texte.center();
    QTest::mousePress(f.barre, Qt::RightButton, {}, texte);
    QTest::mouseRelease(f.barre, Qt::RightButton, {}, texte);
    QMenu *menu = f.barre->menuSysteme();
    QVERIFY(menu->isVisible());
    QList<bool> lus;
    for (const char *nom : {"restaurer", "deplacer", "taille", "reduire", "agrandir"})
        lus.append(menu->findChild<QAction *>(QLatin1String(nom))->isEnabled());
    lus.append(menu->defaultAction()->objectName() == QLatin1String("restaurer"));
    QCOMPARE(lus, attendus);
    menu->hide();
}

// The offscreen platform moves no window itself: the bar moves it by hand.
// The move waits until the pointer has gone the drag distance, so that
// under a window manager the second press of a double-click reaches the bar.
void tst_MarsCaption::glisser_la_barre_deplace_la_fenetre()
{
    Fenetre f(fenetre_principale, QSize(300, 120));
    f.widget.move(100, 100);
    QVERIFY(f.montre());
    const QPoint depart = f.widget.pos();
    const QPoint texte = f.barre->disposition().texte.center();
    QTest::mousePress(f.barre, Qt::LeftButton, {}, texte);
    QTest::mouseMove(f.barre, texte + QPoint(QApplication::startDragDistance() - 1, 0));
    QVERIFY(!QWidget::mouseGrabber());
    QCOMPARE(f.widget.pos(), depart);
    QTest::mouseMove(f.barre, texte + QPoint(30, 20));
    // The window followed: the pointer is over the same spot of the bar.
    QTest::mouseRelease(f.barre, Qt::LeftButton, {}, texte);
    QCOMPARE(f.widget.pos(), depart + QPoint(30, 20));
}

// A change in the client area leaves the bar alone, and a pressed button
// repaints itself, not the bar around it.
void tst_MarsCaption::la_barre_ne_repeint_que_ce_qui_change()
{
    Fenetre f(fenetre_principale, QSize(300, 200));
    auto *enfant = new QWidget(&f.widget);
    enfant->setGeometry(f.widget.contentsRect());
    enfant->show();
    QVERIFY(f.montre());
    QCoreApplication::processEvents();
    Peintures peintures;
    f.barre->installEventFilter(&peintures);

    enfant->repaint();
    QCOMPARE(peintures.nombre, 0);

    const QRect fermer = f.barre->bouton(GenreBouton::Fermer).rect();
    QTest::mousePress(f.barre, Qt::LeftButton, {}, fermer.center());
    QCoreApplication::processEvents();
    QVERIFY(peintures.nombre > 0);
    QCOMPARE(peintures.zone.boundingRect(), fermer);
    QTest::mouseMove(f.barre, fermer.center() + QPoint(-40, 0));
}

void tst_MarsCaption::glyphes_data()
{
    QTest::addColumn<Glyphe>("glyphe");
    QTest::addColumn<qreal>("echelle");
    QTest::newRow("close at 1x") << Glyphe::Fermer << 1.0;
    QTest::newRow("close at 3x") << Glyphe::Fermer << 3.0;
    QTest::newRow("minimise at 1x") << Glyphe::Reduire << 1.0;
    QTest::newRow("maximise at 2x") << Glyphe::Agrandir << 2.0;
    QTest::newRow("restore at 1x") << Glyphe::Restaurer << 1.0;
    QTest::newRow("help at 1.5x") << Glyphe::Aide << 1.5;
}

// Enabled, a symbol is dark, and sharp at one device pixel per pixel (no
// pale smoothing pixel); disabled, it has no dark pixel at all. Its size
// follows the scale.
void tst_MarsCaption::glyphes()
{
    QFETCH(Glyphe, glyphe);
    QFETCH(qreal, echelle);
    const QRect face(0, 0, 12, 10); // an 18 x 18 button's face at 96 dpi
    const QPalette palette;
    auto dessin = [&](bool actif) {
        QImage image((QSizeF(face.size()) * echelle).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(echelle);
        image.fill(palette.color(QPalette::Button));
        QPainter p(&image);
        dessine_glyphe(p, face, glyphe, palette, actif);
        return image;
    };
    auto compte = [](const QImage &image, auto &&critere) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += critere(image.pixel(x, y)) ? 1 : 0;
        return n;
    };
    const QRgb fond = palette.color(QPalette::Button).rgb();
    const QRgb encre = palette.color(QPalette::ButtonText).rgb();
    const auto sombre = [](QRgb c) { return qGray(c) < 64; };

    const QImage actif = dessin(true);
    const int encres = compte(actif, [&](QRgb c) { return c == encre; });
    QVERIFY2(encres >= 4 * echelle * echelle, qPrintable(QString::number(encres)));
    if (echelle == 1.0)
        QCOMPARE(compte(actif, [&](QRgb c) { return c != encre && c != fond; }), 0);
    QCOMPARE(compte(dessin(false), sombre), 0);
}

QTEST_MAIN(tst_MarsCaption)
#include "tst_marscaption.moc"
