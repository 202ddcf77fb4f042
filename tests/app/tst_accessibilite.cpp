// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_general.h"
#include "aleatoire.h"
#include "exercice.h"
#include "polices.h"
#include "presentation.h"
#include "programme.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// What a screen reader finds in every window and hears of the drill,
// through Qt's accessibility interfaces.
class tst_accessibilite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_programme = std::make_unique<Programme>(std::make_unique<AleatoireHorloge>(19)); }
    void cleanup() { m_programme.reset(); }

    void fenetres_data();
    void fenetres();
    void bouton_de_barre_ferme_sa_fenetre();
    void champs_du_test_nommes_par_leur_question();
    void verdicts_data();
    void verdicts();

private:
    // Opens a window as the pupil does and returns it: from the menu, or
    // by the drill for the addition-error window, which has no menu entry.
    QWidget *ouvre(const QString &entree, const QString &nom);

    std::unique_ptr<Programme> m_programme;
};

namespace {

QStringList annonces; // the live element's names, in order

void recoit(QAccessibleEvent *e)
{
    if (e->type() == QAccessible::NameChanged && e->object()->objectName() == QLatin1String("annonce"))
        annonces.append(e->accessibleInterface()->text(QAccessible::Name));
}

bool interactif(const QAccessibleInterface *i)
{
    static const QList<QAccessible::Role> roles = {
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::MenuItem, QAccessible::MenuBar, QAccessible::Link};
    return roles.contains(i->role()) || i->state().focusable;
}

// The first fault under i, depth first: a shown interactive control with no
// name or with another's (one name for many fields says nothing of each),
// or a menu entry whose popup is not described as a menu.
QString premier_defaut(QAccessibleInterface *i, QSet<QString> &noms)
{
    for (int n = 0; n < i->childCount(); ++n) {
        QAccessibleInterface *enfant = i->child(n);
        const QString qui = (enfant->object() ? enfant->object() : i->object())->objectName();
        const QString nom = enfant->text(QAccessible::Name).trimmed();
        if (interactif(enfant) && !enfant->state().invisible) {
            if (nom.isEmpty() || noms.contains(nom))
                return QStringLiteral("%1, nommé « %2 »").arg(qui, nom);
            noms.insert(nom);
        }
        if (enfant->role() == QAccessible::MenuItem && enfant->childCount() == 1
            && enfant->child(0)->role() != QAccessible::PopupMenu)
            return QStringLiteral("menu sans entrées : ") + nom;
        if (const QString plus_bas = premier_defaut(enfant, noms); !plus_bas.isEmpty())
            return plus_bas;
    }
    return {};
}

QAccessibleInterface *barre_de_titre(QWidget *fenetre)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(fenetre);
    for (int n = 0; n < i->childCount(); ++n) {
        if (i->child(n)->role() == QAccessible::ToolBar)
            return i->child(n);
    }
    return nullptr;
}

} // namespace

void tst_accessibilite::initTestCase()
{
    installe_polices_de_substitution();
    QAccessible::installUpdateHandler(recoit);
    // As a screen reader's presence does: off, Qt sends no event.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

QWidget *tst_accessibilite::ouvre(const QString &entree, const QString &nom)
{
    Tgeneral &general = m_programme->general();
    m_programme->demarre();
    if (entree == QLatin1String("erreur"))
        general.ouvre_fenetre(FenetreRegle::ErreurAddition);
    else if (!entree.isEmpty())
        general.findChild<QAction *>(entree)->trigger();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == nom && w->isVisible())
            return w;
    }
    return nullptr;
}

void tst_accessibilite::fenetres_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("role");
    QTest::addColumn<QStringList>("boutons"); // of the painted caption bar, left to right

    const int fenetre = QAccessible::Window;
    const int dialogue = QAccessible::Dialog;
    QTest::newRow("main window") << "" << "general" << fenetre
                                 << QStringList{"Réduire", "Restaurer", "Fermer"};
    QTest::newRow("addition rules") << "regle1" << "regle_add" << dialogue << QStringList{"Fermer"};
    QTest::newRow("subtraction rule") << "regle3" << "regle_soust" << dialogue << QStringList{};
    QTest::newRow("addition error") << "erreur" << "erreur_addition" << dialogue << QStringList{};
    QTest::newRow("about box") << "Apropos1" << "a_propos" << dialogue << QStringList{};
    QTest::newRow("lesson") << "m_lecon" << "lecon" << fenetre
                            << QStringList{"Réduire", "Agrandir", "Fermer"};
    QTest::newRow("on-screen test") << "testlcran1" << "test" << fenetre << QStringList{"Fermer"};
    QTest::newRow("options, the platform's bar") << "m_options" << "options" << dialogue
                                                 << QStringList{};
}

void tst_accessibilite::fenetres()
{
    QFETCH(QString, entree);
    QFETCH(QString, nom);
    QFETCH(int, role);
    QFETCH(QStringList, boutons);

    QWidget *f = ouvre(entree, nom);
    QVERIFY(f);
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(f);
    QCOMPARE(int(i->role()), role);
    QCOMPARE(i->text(QAccessible::Name), f->windowTitle());
    QSet<QString> noms;
    const QString defaut = premier_defaut(i, noms);
    QVERIFY2(defaut.isEmpty(), qPrintable(defaut));
    QStringList lus;
    if (QAccessibleInterface *barre = barre_de_titre(f)) {
        for (int n = 0; n < barre->childCount(); ++n)
            lus.append(barre->child(n)->text(QAccessible::Name));
    }
    QCOMPARE(lus, boutons);
}

void tst_accessibilite::bouton_de_barre_ferme_sa_fenetre()
{
    QWidget *lecon = ouvre(QStringLiteral("m_lecon"), QStringLiteral("lecon"));
    QAccessibleInterface *barre = barre_de_titre(lecon);
    QAccessibleInterface *fermer = barre->child(barre->childCount() - 1);
    QVERIFY(barre->rect().contains(fermer->rect()));
    fermer->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!lecon->isVisible());
}

// Each showing draws a new test; the fields' names follow the questions
// written beside them ("(-5)+3=").
void tst_accessibilite::champs_du_test_nommes_par_leur_question()
{
    for (int fois = 0; fois < 2; ++fois) {
        QWidget *test = ouvre(QStringLiteral("testlcran1"), QStringLiteral("test"));
        for (int n = 1; n <= 40; ++n) {
            const QString question =
                test->findChild<QLabel *>(QStringLiteral("Label%1").arg(n))->text().chopped(1);
            QCOMPARE(test->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(n))->accessibleName(),
                     QStringLiteral("Question %1 : ").arg(n) + question);
        }
        test->close();
    }
}

void tst_accessibilite::verdicts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("operande1");
    QTest::addColumn<int>("operande2");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<QString>("annonce");
    QTest::addColumn<QString>("score_lu"); // the gauge's name

    QTest::newRow("right answer") << 9 << 8 << -3 << 4 << "5" << "OUI!" << "Score : 5 sur 20";
    QTest::newRow("mental-calculation error")
        << 16 << -3 << -8 << 4 << "-12" << "FAUX! (-3)+(-8)=-11 Erreur de calcul mental!"
        << "Score : 3 sur 20";
    QTest::newRow("rule error and its rule")
        << 8 << 3 << -3 << 10 << "6" << "FAUX! 3+(-3)=0 Règle n°1: les opposés s'éliminent"
        << "Score : 5 sur 20";
    // The word laid over the sentence's own to highlight it is said once.
    QTest::newRow("zero is neutral")
        << 7 << 0 << -4 << 2 << "4" << "FAUX! 0+(-4)=-4 Zéro est neutre pour l'addition"
        << "Score : 1 sur 20";
    QTest::newRow("subtraction line")
        << 22 << 3 << 7 << 12 << "4" << "FAUX! 3-7 = 3+(-7) = -4" << "Score : 6 sur 20";
    // The rule window that opens is read by the screen reader itself.
    QTest::newRow("rule error opening a window")
        << 8 << 3 << -3 << 9 << "6" << "FAUX!" << "Score : 4 sur 20";
}

// The verdict with its correction is said once; then the drill goes on and
// the next question is said as it comes on screen.
void tst_accessibilite::verdicts()
{
    QFETCH(int, type);
    QFETCH(int, operande1);
    QFETCH(int, operande2);
    QFETCH(int, score);
    QFETCH(QString, reponse);
    QFETCH(QString, annonce);
    QFETCH(QString, score_lu);

    m_programme->demarre();
    EtatPartage &etat = m_programme->etat();
    etat.score = score;
    etat.type_question = type;
    etat.operande1 = operande1;
    etat.operande2 = operande2;
    etat.texte_question = presentation::question(type, operande1, operande2);
    etat.texte_resultat = presentation::nombre(type <= 17 ? operande1 + operande2 : operande1 - operande2);
    Tgeneral &general = m_programme->general();
    for (QChar c : reponse)
        general.exercice().ecrire(c);
    annonces.clear();
    general.exercice().ButtonOKClick();
    QCOMPARE(annonces, QStringList{annonce});
    QCOMPARE(QAccessible::queryAccessibleInterface(general.controle(QStringLiteral("Image1")))
                 ->text(QAccessible::Name),
             score_lu);

    general.exercice().timer_ouiTimer();
    QCOMPARE(annonces.size(), 2);
    QCOMPARE(annonces.last(), QStringLiteral("Question : ") + general.texte(QStringLiteral("Label_question")));
}

QTEST_MAIN(tst_accessibilite)
#include "tst_accessibilite.moc"
