#include "U_general.h"
#include "aleatoire.h"
#include "etat_partage.h"
#include "exercice.h"
#include "polices.h"
#include "presentation.h"
#include "programme.h"

#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>

// What a screen reader finds in every window and hears of the drill,
// through Qt's accessibility interfaces.
class tst_accessibilite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fenetres_data();
    void fenetres();
    void bouton_de_barre_ferme_sa_fenetre();
    void champs_du_test_nommes_par_leur_question();
    void sous_menus_lisibles_data();
    void sous_menus_lisibles();
    void une_nouvelle_question_est_annoncee();
    void verdicts_data();
    void verdicts();

private:
    void ouvre(const QString &entree);
    QWidget *fenetre(const QString &nom) const;

    std::unique_ptr<Programme> m_programme;
};

namespace {

// The names of the live element's name changes, in order.
QStringList annonces;

void recoit(QAccessibleEvent *evenement)
{
    if (evenement->type() != QAccessible::NameChanged
        || evenement->object()->objectName() != QLatin1String("annonce"))
        return;
    annonces.append(evenement->accessibleInterface()->text(QAccessible::Name));
}

bool interactif(const QAccessibleInterface *i)
{
    static const QList<QAccessible::Role> roles = {
        QAccessible::PushButton,  QAccessible::CheckBox,       QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::SpinBox,       QAccessible::ComboBox,
        QAccessible::Slider,      QAccessible::MenuItem,       QAccessible::MenuBar,
        QAccessible::ButtonMenu,  QAccessible::ButtonDropDown, QAccessible::Link,
        QAccessible::PageTab};
    return roles.contains(i->role()) || i->state().focusable;
}

// Which control it is, for a failure message: its objectName, or its
// parent's with the child's place for an interface without an object.
QString designation(QAccessibleInterface *i)
{
    if (i->object())
        return i->object()->objectName() + QLatin1Char(' ')
               + QString::fromLatin1(i->object()->metaObject()->className());
    QAccessibleInterface *parent = i->parent();
    return designation(parent) + QStringLiteral(" / enfant %1").arg(parent->indexOfChild(i));
}

// The first interactive control under i, depth first, that has no name or
// the name of another: one name for many fields says nothing of each. A
// hidden control is left out, as a screen reader leaves it: the answer
// buttons of the subtraction window get their texts when they come.
QString premier_mal_nomme(QAccessibleInterface *i, QSet<QString> &noms)
{
    for (int n = 0; n < i->childCount(); ++n) {
        QAccessibleInterface *enfant = i->child(n);
        if (!enfant)
            return designation(i) + QStringLiteral(": enfant %1 absent").arg(n);
        const QString nom = enfant->text(QAccessible::Name).trimmed();
        if (interactif(enfant) && !enfant->state().invisible) {
            if (nom.isEmpty())
                return QStringLiteral("sans nom : ") + designation(enfant);
            if (noms.contains(nom))
                return QStringLiteral("nom en double : ") + designation(enfant) + QStringLiteral(", ") + nom;
            noms.insert(nom);
        }
        if (const QString plus_bas = premier_mal_nomme(enfant, noms); !plus_bas.isEmpty())
            return plus_bas;
    }
    return {};
}

QAccessibleInterface *barre_de_titre(QAccessibleInterface *fenetre)
{
    for (int n = 0; n < fenetre->childCount(); ++n) {
        if (fenetre->child(n)->role() == QAccessible::ToolBar)
            return fenetre->child(n);
    }
    return nullptr;
}

QStringList noms_des_enfants(QAccessibleInterface *i)
{
    QStringList noms;
    for (int n = 0; i && n < i->childCount(); ++n)
        noms.append(i->child(n)->text(QAccessible::Name));
    return noms;
}

} // namespace

void tst_accessibilite::initTestCase()
{
    installe_polices_de_substitution();
    QAccessible::installUpdateHandler(recoit);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

void tst_accessibilite::init()
{
    m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(19));
    m_programme->demarre();
    annonces.clear();
}

void tst_accessibilite::cleanup()
{
    m_programme.reset();
}

// A window is opened as the pupil opens it: from the menu, or by the drill
// for the addition-error window, which has no menu entry.
void tst_accessibilite::ouvre(const QString &entree)
{
    Tgeneral &general = m_programme->general();
    if (entree == QLatin1String("erreur"))
        general.ouvre_fenetre(FenetreRegle::ErreurAddition);
    else if (!entree.isEmpty())
        general.findChild<QAction *>(entree)->trigger();
}

QWidget *tst_accessibilite::fenetre(const QString &nom) const
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == nom)
            return w;
    }
    return nullptr;
}

void tst_accessibilite::fenetres_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("role");
    // The painted caption bar's buttons, left to right.
    QTest::addColumn<QStringList>("boutons");
    // A control whose name says more than its look, and that name.
    QTest::addColumn<QString>("exemple");
    QTest::addColumn<QString>("nom_exemple");

    const int fenetre = QAccessible::Window;
    const int dialogue = QAccessible::Dialog;
    QTest::newRow("main window") << "" << "general" << fenetre
                                 << QStringList{"Réduire", "Restaurer", "Fermer"} << "Image1"
                                 << "Score : 0 sur 20";
    QTest::newRow("addition rules") << "regle1" << "regle_add" << dialogue
                                    << QStringList{"Fermer"} << "Button3" << "OK";
    QTest::newRow("subtraction rule") << "regle3" << "regle_soust" << dialogue << QStringList{}
                                      << "Button_OK1" << "OK";
    QTest::newRow("addition error") << "erreur" << "erreur_addition" << dialogue
                                    << QStringList{} << "Image1" << "flèche";
    QTest::newRow("about box") << "Apropos1" << "a_propos" << dialogue << QStringList{}
                               << "OKButton" << "OK";
    QTest::newRow("lesson") << "m_lecon" << "lecon" << fenetre
                            << QStringList{"Réduire", "Agrandir", "Fermer"} << "MarsCaption1"
                            << "Leçon sur les nombres relatifs";
    QTest::newRow("on-screen test") << "testlcran1" << "test" << fenetre
                                    << QStringList{"Fermer"} << "Edit_prenom" << "Prénom";
    // The configuration dialog keeps the platform's own bar.
    QTest::newRow("options") << "m_options" << "options" << dialogue << QStringList{} << "Edit8"
                             << "Nombre de questions x+(-x)";
}

void tst_accessibilite::fenetres()
{
    QFETCH(QString, entree);
    QFETCH(QString, nom);
    QFETCH(int, role);
    QFETCH(QStringList, boutons);
    QFETCH(QString, exemple);
    QFETCH(QString, nom_exemple);

    ouvre(entree);
    QWidget *f = fenetre(nom);
    QVERIFY(f && f->isVisible());
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(f);
    QCOMPARE(int(i->role()), role);
    QCOMPARE(i->text(QAccessible::Name), f->windowTitle());
    QSet<QString> noms;
    const QString mal_nomme = premier_mal_nomme(i, noms);
    QVERIFY2(mal_nomme.isEmpty(), qPrintable(mal_nomme));
    QCOMPARE(noms_des_enfants(barre_de_titre(i)), boutons);
    QObject *controle = f->findChild<QObject *>(exemple);
    QVERIFY(controle);
    QCOMPARE(QAccessible::queryAccessibleInterface(controle)->text(QAccessible::Name), nom_exemple);
}

void tst_accessibilite::bouton_de_barre_ferme_sa_fenetre()
{
    ouvre(QStringLiteral("m_lecon"));
    QWidget *lecon = fenetre(QStringLiteral("lecon"));
    QAccessibleInterface *barre = barre_de_titre(QAccessible::queryAccessibleInterface(lecon));
    QAccessibleInterface *fermer = barre->child(barre->childCount() - 1);
    QCOMPARE(fermer->role(), QAccessible::PushButton);
    QVERIFY(lecon->geometry().contains(fermer->rect().center()));
    fermer->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!lecon->isVisible());
}

void tst_accessibilite::sous_menus_lisibles_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entree");
    QTest::newRow("Test") << "Test" << "test à l'écran";
    QTest::newRow("Aide") << "Aide" << "A propos...";
}

// A submenu's entries lie in the popup under its item of the menu bar.
void tst_accessibilite::sous_menus_lisibles()
{
    QFETCH(QString, menu);
    QFETCH(QString, entree);
    QAccessibleInterface *principale = QAccessible::queryAccessibleInterface(&m_programme->general());
    QAccessibleInterface *barre = nullptr;
    for (int n = 0; n < principale->childCount(); ++n) {
        if (principale->child(n)->role() == QAccessible::MenuBar)
            barre = principale->child(n);
    }
    QVERIFY(barre);
    const int rang = noms_des_enfants(barre).indexOf(menu);
    QVERIFY(rang >= 0);
    QAccessibleInterface *item = barre->child(rang);
    QCOMPARE(item->childCount(), 1);
    QVERIFY(noms_des_enfants(item->child(0)).contains(entree));
}

// Each showing draws a new test: the fields' names follow the questions
// written beside them ("(-5)+3=").
void tst_accessibilite::champs_du_test_nommes_par_leur_question()
{
    for (int fois = 0; fois < 2; ++fois) {
        ouvre(QStringLiteral("testlcran1"));
        QWidget *test = fenetre(QStringLiteral("test"));
        for (int n = 1; n <= 40; ++n) {
            const QString question =
                test->findChild<QLabel *>(QStringLiteral("Label%1").arg(n))->text().chopped(1);
            QCOMPARE(test->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(n))->accessibleName(),
                     QStringLiteral("Question %1 : ").arg(n) + question);
        }
        test->close();
    }
}

// The question on screen is said as it is posed, the first one included.
void tst_accessibilite::une_nouvelle_question_est_annoncee()
{
    Tgeneral &general = m_programme->general();
    m_programme->general().exercice().initialise_niveau(2);
    QCOMPARE(annonces.size(), 1);
    QCOMPARE(annonces.last(), QStringLiteral("Question : ") + general.texte(QStringLiteral("Label_question")));
}

void tst_accessibilite::verdicts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("operande1");
    QTest::addColumn<int>("operande2");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<QString>("annonce");
    QTest::addColumn<QString>("score_lu");

    QTest::newRow("right answer") << 9 << 8 << -3 << 4 << "5" << "OUI!" << "Score : 5 sur 20";
    QTest::newRow("mental-calculation error")
        << 16 << -3 << -8 << 4 << "-12" << "FAUX! (-3)+(-8)=-11 Erreur de calcul mental!"
        << "Score : 3 sur 20";
    QTest::newRow("rule error with its rule")
        << 8 << 3 << -3 << 10 << "6" << "FAUX! 3+(-3)=0 Règle n°1: les opposés s'éliminent"
        << "Score : 5 sur 20";
    // The word laid over the caption's own to highlight it is not said twice.
    QTest::newRow("zero is neutral")
        << 7 << 0 << -4 << 2 << "4" << "FAUX! 0+(-4)=-4 Zéro est neutre pour l'addition"
        << "Score : 1 sur 20";
    QTest::newRow("subtraction line")
        << 22 << 3 << 7 << 12 << "4" << "FAUX! 3-7 = 3+(-7) = -4" << "Score : 6 sur 20";
    // The window that opens is read by the screen reader itself.
    QTest::newRow("rule error opening a window")
        << 8 << 3 << -3 << 9 << "6" << "FAUX!" << "Score : 4 sur 20";
}

void tst_accessibilite::verdicts()
{
    QFETCH(int, type);
    QFETCH(int, operande1);
    QFETCH(int, operande2);
    QFETCH(int, score);
    QFETCH(QString, reponse);
    QFETCH(QString, annonce);
    QFETCH(QString, score_lu);

    EtatPartage &etat = m_programme->etat();
    etat.score = score;
    etat.type_question = type;
    etat.operande1 = operande1;
    etat.operande2 = operande2;
    etat.texte_question = presentation::question(type, operande1, operande2);
    etat.texte_resultat =
        presentation::nombre(type <= 17 ? operande1 + operande2 : operande1 - operande2);
    Exercice &exercice = m_programme->general().exercice();
    for (QChar c : reponse)
        exercice.ecrire(c);
    annonces.clear();
    exercice.ButtonOKClick();

    QCOMPARE(annonces, QStringList{annonce});
    QObject *jauge = m_programme->general().controle(QStringLiteral("Image1"));
    QCOMPARE(QAccessible::queryAccessibleInterface(jauge)->text(QAccessible::Name), score_lu);
}

QTEST_MAIN(tst_accessibilite)
#include "tst_accessibilite.moc"
