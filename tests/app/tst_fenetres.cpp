// SPDX-License-Identifier: GPL-3.0-or-later
#include "EffectLabel.h"
#include "U_apropos.h"
#include "U_general.h"
#include "aleatoire.h"
#include "code_feuille.h"
#include "etat_partage.h"
#include "marsCap.h"
#include "programme.h"
#include "ressources.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

// Receives the links the about box hands to the desktop.
class Receveur : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> recus;

public slots:
    void ouvre(const QUrl &url) { recus.append(url); }
};

// The eight windows, the menu that shows them, the about box and the help.
class tst_fenetres : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fenetres_data();
    void fenetres();
    void menu_montre_sa_fenetre_data();
    void menu_montre_sa_fenetre();
    void regles_choisies_data();
    void regles_choisies();
    void imprimer_un_test_sans_imprimante();
    void aide_au_sommaire();

    void a_propos_textes_data();
    void a_propos_textes();
    void a_propos_cadre();
    void a_propos_liens_data();
    void a_propos_liens();
    void a_propos_ok_ferme();
    void echap_ferme_data();
    void echap_ferme();

private:
    QAction *action(const char *nom) const;
    QWidget *a_propos() const { return m_programme->fenetres().at(4); }

    std::unique_ptr<Programme> m_programme;
};

void tst_fenetres::init()
{
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(7));
}

void tst_fenetres::cleanup()
{
    m_programme.reset();
}

QAction *tst_fenetres::action(const char *nom) const
{
    return m_programme->general().findChild<QAction *>(QString::fromLatin1(nom));
}

void tst_fenetres::fenetres_data()
{
    QTest::addColumn<int>("rang");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<bool>("au_dessus");
    QTest::addColumn<bool>("fermeture");
    // Whether the size is the outer one, painted bar and frame included,
    // or that of the client area.
    QTest::addColumn<bool>("exterieure");

    QTest::newRow("main window") << 0 << "general" << "TAVELO" << QSize() << false << true
                                 << true;
    QTest::newRow("addition rules") << 1 << "regle_add" << "Deuxième règle d'addition "
                                    << QSize(553, 278) << true << true << false;
    QTest::newRow("subtraction rule") << 2 << "regle_soust" << "Règle de soustraction "
                                      << QSize(553, 361) << true << false << false;
    QTest::newRow("addition error") << 3 << "erreur_addition" << "ERREUR D'ADDITION!!!"
                                    << QSize(551, 283) << true << false << false;
    QTest::newRow("about box") << 4 << "a_propos" << "A propos de\"Tavelo\"" << QSize(345, 500)
                               << true << false << true;
    QTest::newRow("lesson") << 5 << "lecon" << "Leçon sur les nombres relatifs"
                            << QSize(638, 480) << true << true << true;
    QTest::newRow("on-screen test")
        << 6 << "test" << "TEST sur l'addition et la soustraction des nombres RELATIFS"
        << QSize(640, 480) << true << true << true;
    QTest::newRow("options") << 7 << "options" << "Configuration" << QSize(640, 456) << true
                             << true << true;
}

void tst_fenetres::fenetres()
{
    QFETCH(int, rang);
    QFETCH(QString, nom);
    QFETCH(QString, titre);
    QFETCH(QSize, taille);
    QFETCH(bool, au_dessus);
    QFETCH(bool, fermeture);
    QFETCH(bool, exterieure);

    const QList<QWidget *> toutes = m_programme->fenetres();
    QCOMPARE(toutes.size(), 8);
    QWidget *f = toutes.at(rang);
    QCOMPARE(f->objectName(), nom);
    QCOMPARE(QString::fromLatin1(f->metaObject()->className()), QStringLiteral("T") + nom);
    QCOMPARE(f->windowTitle(), titre);
    QVERIFY(f->isWindow());
    QVERIFY(!f->isVisible());
    if (taille.isValid())
        QCOMPARE(exterieure ? f->size() : f->contentsRect().size(), taille);
    QCOMPARE(f->windowFlags().testFlag(Qt::WindowStaysOnTopHint), au_dessus);
    // A painted bar holds the close box in place of the platform's.
    const auto *barre = f->findChild<TMarsCaption *>();
    QCOMPARE(barre ? barre->disposition().bouton_montre(GenreBouton::Fermer)
                   : f->windowFlags().testFlag(Qt::WindowCloseButtonHint),
             fermeture);
    if (rang == 0)
        QVERIFY(!f->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    else
        QCOMPARE(f->parentWidget(), &m_programme->general());
}

void tst_fenetres::menu_montre_sa_fenetre_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<int>("rang");
    QTest::newRow("Leçon") << "m_lecon" << 5;
    QTest::newRow("Règle 3") << "regle3" << 2;
    QTest::newRow("test à l'écran") << "testlcran1" << 6;
    QTest::newRow("Options") << "m_options" << 7;
    QTest::newRow("A propos...") << "Apropos1" << 4;
}

void tst_fenetres::menu_montre_sa_fenetre()
{
    QFETCH(QString, entree);
    QFETCH(int, rang);
    m_programme->demarre();
    action(qPrintable(entree))->trigger();
    QWidget *f = m_programme->fenetres().at(rang);
    QVERIFY(f->isVisible());
    QVERIFY(!f->isModal());
    QVERIFY(m_programme->general().isEnabled());
    for (int autre = 1; autre < 8; ++autre) {
        if (autre != rang)
            QVERIFY(!m_programme->fenetres().at(autre)->isVisible());
    }
}

void tst_fenetres::regles_choisies_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<int>("regle");
    QTest::newRow("Règle 1") << "regle1" << 1;
    QTest::newRow("Règle 2") << "regle2" << 2;
}

void tst_fenetres::regles_choisies()
{
    QFETCH(QString, entree);
    QFETCH(int, regle);
    m_programme->demarre();
    action(qPrintable(entree))->trigger();
    QCOMPARE(m_programme->etat().regle_choisie, regle);
    QVERIFY(m_programme->fenetres().at(1)->isVisible());
    QCOMPARE(m_programme->etat().etat_soustraction, EtatSoustraction::Aucun);
}

// Without a printer the sheet goes to a PDF, which the desktop is asked to
// open and a message names, without blocking the main window.
void tst_fenetres::imprimer_un_test_sans_imprimante()
{
    QTemporaryDir maison;
    const QByteArray vraie_maison = qgetenv("HOME");
    const auto remet_la_maison = qScopeGuard([&] { qputenv("HOME", vraie_maison); });
    qputenv("HOME", maison.path().toLocal8Bit());
    qputenv("CUPS_SERVER", maison.filePath("aucun-serveur").toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    Receveur receveur;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &receveur, "ouvre");
    m_programme->demarre();
    action("Imprimeruntest1")->trigger();

    QCOMPARE(receveur.recus.size(), 1);
    const QString pdf = receveur.recus.first().toLocalFile();
    QVERIFY(QFileInfo(pdf).isFile() && pdf.startsWith(maison.path()));
    auto *message = m_programme->general().findChild<QMessageBox *>("message_impression");
    QVERIFY(message && message->isVisible() && !message->isModal());
    QVERIFY(message->text().contains(QDir::toNativeSeparators(pdf)));

    // A mistyped code is explained and nothing is printed; a right one
    // prints the sheet again.
    action("Reimprimerunefeuille1")->trigger();
    auto *dialogue = m_programme->general().findChild<QWidget *>("reimpression");
    QVERIFY(dialogue && dialogue->isVisible());
    for (const QString &code : {QStringLiteral("4K7Q"), CodeFeuille{5, false, 0}.texte()}) {
        dialogue->findChild<QLineEdit *>("Edit_code")->setText(code);
        dialogue->findChild<QPushButton *>("Button_reimprimer")->click();
    }
    QVERIFY(dialogue->findChild<QLabel *>("Label_erreur_code")->text().contains("a 7 caractères"));
    QVERIFY(!dialogue->isVisible());
    QCOMPARE(receveur.recus.size(), 2);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void tst_fenetres::aide_au_sommaire()
{
    m_programme->demarre();
    QVERIFY(!m_programme->general().findChild<QTextBrowser *>());
    action("lisezmoi1")->trigger();
    auto *aide = m_programme->general().findChild<QTextBrowser *>();
    QVERIFY(aide);
    QVERIFY(aide->isWindow());
    QVERIFY(aide->isVisible());
    QCOMPARE(aide->source(), page_aide());

    // Opened again, it comes back at the contents page.
    aide->setSource(QUrl());
    action("lisezmoi1")->trigger();
    QCOMPARE(m_programme->general().findChildren<QTextBrowser *>().size(), 1);
    QCOMPARE(aide->source(), page_aide());
}

void tst_fenetres::a_propos_textes_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QColor>("couleur");
    QTest::addColumn<bool>("centre");

    const QColor violet(128, 0, 255);
    // A release shows its date; a build between releases has it in its version.
    const QString date = QStringLiteral(TAVELO_DATE_VERSION);
    QTest::newRow("version") << "Label_version" << QPoint(87, 59)
                             << QStringLiteral("Version " TAVELO_VERSION)
                                    + (date.isEmpty() ? QString() : "    (" + date + ")")
                             << QColor(0, 0, 255) << false;
    QTest::newRow("purpose")
        << "Label_texte1" << QPoint(52, 134)
        << "Ce logiciel permet de maîtriser l'addition et la soustraction des nombres relatifs. "
        << QColor(0, 0, 0) << true;
    QTest::newRow("second text, empty") << "Label_texte2" << QPoint(68, 187) << "" << QColor(0, 0, 0)
                                        << true;
    QTest::newRow("third text, empty") << "Label_texte3" << QPoint(121, 243) << ""
                                       << QColor(0, 0, 0) << true;
    QTest::newRow("site prompt") << "Label_site" << QPoint(18, 293)
                                 << "Téléchargez la dernière version sur le site:" << violet << false;
    QTest::newRow("mail prompt") << "Label_courriel" << QPoint(18, 337)
                                 << "Faites vos suggestions à:" << violet << false;
}

void tst_fenetres::a_propos_textes()
{
    QFETCH(QString, nom);
    QFETCH(QPoint, position);
    QFETCH(QString, texte);
    QFETCH(QColor, couleur);
    QFETCH(bool, centre);
    auto *l = a_propos()->findChild<QLabel *>(nom);
    QVERIFY(l);
    QCOMPARE(l->parentWidget()->objectName(), QStringLiteral("Panel1"));
    QCOMPARE(l->pos(), position);
    QCOMPARE(l->text(), texte);
    QCOMPARE(l->palette().color(QPalette::WindowText), couleur);
    QVERIFY(l->font().bold());
    QCOMPARE(l->alignment().testFlag(Qt::AlignHCenter), centre);
    QCOMPARE(l->wordWrap(), centre);
    // A line that does not wrap must fit its label, whatever version it shows.
    if (!centre)
        QVERIFY(l->fontMetrics().horizontalAdvance(texte) <= l->width());
}

void tst_fenetres::a_propos_cadre()
{
    QWidget *cadre = a_propos()->findChild<QWidget *>(QStringLiteral("Panel1"));
    QVERIFY(cadre);
    QCOMPARE(cadre->geometry(), QRect(8, 8, 318, 393));
    QCOMPARE(cadre->property("releve").toBool(), true);

    QWidget *fond = cadre->findChild<QWidget *>(QStringLiteral("Gradient1"));
    QVERIFY(fond);
    QCOMPARE(fond->property("StartColor").value<QColor>(), QColor(255, 0, 0));
    QCOMPARE(fond->property("EndColor").value<QColor>(), QColor(255, 255, 0));
    QCOMPARE(fond->property("Style").toString(), QStringLiteral("gsVertical"));

    auto *icone = cadre->findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(icone);
    QCOMPARE(icone->geometry(), QRect(8, 8, 65, 65));
    QVERIFY(icone->hasScaledContents());
    QVERIFY(!icone->pixmap().isNull());

    auto *titre = cadre->findChild<TEffectLabel *>(QStringLiteral("EffectLabel1"));
    QVERIFY(titre);
    QCOMPARE(titre->pos(), QPoint(80, 16));
    QCOMPARE(titre->caption(), QStringLiteral("TAVELO "));
    QCOMPARE(titre->fontColor(), QColor(0, 0, 255));
    QCOMPARE(titre->font().pixelSize(), 24);
    QVERIFY(titre->font().bold());
    QVERIFY(titre->font().italic());
    QCOMPARE(titre->font().family(), QStringLiteral("Arial"));

    auto *ok = a_propos()->findChild<QPushButton *>(QStringLiteral("OKButton"));
    QVERIFY(ok);
    QCOMPARE(ok->geometry(), QRect(136, 432, 58, 27));
    QCOMPARE(ok->text(), QStringLiteral("OK"));

    const Qt::WindowFlags f = a_propos()->windowFlags();
    QVERIFY(f.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(f.testFlag(Qt::WindowTitleHint));
    QVERIFY(!f.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!f.testFlag(Qt::WindowMinimizeButtonHint));
}

void tst_fenetres::a_propos_liens_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QUrl>("cible");
    QTest::newRow("project page") << "Lien_site" << QPoint(18, 311) << Ta_propos::adresse_site;
    QTest::newRow("mail") << "Lien_courriel" << QPoint(18, 355) << Ta_propos::adresse_courriel;
}

void tst_fenetres::a_propos_liens()
{
    QFETCH(QString, nom);
    QFETCH(QPoint, position);
    QFETCH(QUrl, cible);
    Receveur receveur;
    QDesktopServices::setUrlHandler(cible.scheme(), &receveur, "ouvre");

    auto *l = a_propos()->findChild<QLabel *>(nom);
    QVERIFY(l);
    QCOMPARE(l->pos(), position);
    QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(l->font().underline());
    QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(l->text().contains(cible.toString()));
    emit l->linkActivated(cible.toString());
    QDesktopServices::unsetUrlHandler(cible.scheme());
    QCOMPARE(receveur.recus, QList<QUrl>{cible});
}

void tst_fenetres::a_propos_ok_ferme()
{
    m_programme->demarre();
    a_propos()->show();
    QVERIFY(a_propos()->isVisible());
    QTest::mouseClick(a_propos()->findChild<QPushButton *>(QStringLiteral("OKButton")),
                      Qt::LeftButton);
    QVERIFY(!a_propos()->isVisible());
    QVERIFY(m_programme->general().isVisible());
}

// Escape closes every secondary window that has a close box or an OK that
// closes it; the addition-error window keeps the pupil until its OK shows,
// the subtraction rule window while its exercise runs.
void tst_fenetres::echap_ferme_data()
{
    QTest::addColumn<int>("rang");
    QTest::addColumn<int>("fleches"); // presses of the space bar on the arrow first
    QTest::addColumn<int>("etat_soustraction");
    QTest::addColumn<bool>("fermee");
    QTest::newRow("addition rules") << 1 << 0 << 0 << true;
    QTest::newRow("subtraction rule from the menu") << 2 << 0 << 0 << true;
    QTest::newRow("subtraction rule during its exercise") << 2 << 0 << 1 << false;
    QTest::newRow("addition error before its last step") << 3 << 6 << 0 << false;
    QTest::newRow("addition error once its OK shows") << 3 << 7 << 0 << true;
    QTest::newRow("about box") << 4 << 0 << 0 << true;
    QTest::newRow("lesson") << 5 << 0 << 0 << true;
    QTest::newRow("on-screen test") << 6 << 0 << 0 << true;
    QTest::newRow("options") << 7 << 0 << 0 << true;
}

void tst_fenetres::echap_ferme()
{
    QFETCH(int, rang);
    QFETCH(int, fleches);
    QFETCH(int, etat_soustraction);
    QFETCH(bool, fermee);

    m_programme->demarre();
    EtatPartage &etat = m_programme->etat();
    etat.operande1 = -7; // seven steps to the result
    etat.operande2 = 9;
    QWidget *fenetre = m_programme->fenetres().at(rang);
    fenetre->show();
    fenetre->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fenetre));
    for (int i = 0; i < fleches; ++i)
        QTest::keyClick(fenetre->focusWidget(), Qt::Key_Space);
    etat.etat_soustraction = EtatSoustraction(etat_soustraction);
    QTest::keyClick(fenetre->focusWidget() ? fenetre->focusWidget() : fenetre, Qt::Key_Escape);
    QCOMPARE(fenetre->isHidden(), fermee);
}

QTEST_MAIN(tst_fenetres)
#include "tst_fenetres.moc"
