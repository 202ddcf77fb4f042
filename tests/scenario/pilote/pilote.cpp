// SPDX-License-Identifier: GPL-3.0-or-later
#include "pilote.h"

#include "compte_objets.h"
#include "etat_json.h"
#include "marsCap.h"
#include "instantane.h"
#include "programme.h"
#include "touches.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

namespace {

// A command that cannot be carried out; execute() answers it as an error.
struct Refus
{
    QString raison;
};

QJsonValue nom_de(const QObject *objet)
{
    return objet ? QJsonValue(objet->objectName()) : QJsonValue();
}

int entier(const QString &texte, const char *quoi)
{
    bool lu = false;
    const int valeur = texte.toInt(&lu);
    if (!lu || valeur < 0)
        throw Refus{QStringLiteral("%1: not a whole number: %2").arg(QLatin1String(quoi), texte)};
    return valeur;
}

// Timers still running in a window and its children, whatever kind they
// are (QTimer objects or an object's own timer).
int minuteries_actives(QWidget *fenetre)
{
    const QAbstractEventDispatcher *distributeur = QAbstractEventDispatcher::instance();
    int n = 0;
    QList<QObject *> objets = fenetre->findChildren<QObject *>();
    objets.append(fenetre);
    for (QObject *objet : objets)
        n += int(distributeur->registeredTimers(objet).size());
    return n;
}

QString sans_accelerateur(QString texte)
{
    return texte.remove(QLatin1Char('&'));
}

} // namespace

Pilote::Pilote(Programme &programme, double zoom) : m_programme(programme), m_zoom(zoom) {}

QJsonObject Pilote::execute(const QString &ligne)
{
    using Action = QJsonObject (Pilote::*)(const QString &);
    static const struct
    {
        const char *nom;
        Action action;
    } commandes[] = {
        {"click", &Pilote::clique},  {"key", &Pilote::touche},     {"type", &Pilote::tape},
        {"menu", &Pilote::menu},     {"wait", &Pilote::attend},    {"dump", &Pilote::decrit},
        {"state", &Pilote::etat},    {"set", &Pilote::fixe},       {"shot", &Pilote::photographie},
        {"close", &Pilote::ferme},   {"tick", &Pilote::declenche}, {"memory", &Pilote::memoire},
        {"quit", &Pilote::quitte},
    };

    const qsizetype espace = ligne.indexOf(QLatin1Char(' '));
    const QString nom = ligne.left(espace).trimmed();
    const QString arguments = espace < 0 ? QString() : ligne.mid(espace + 1);
    try {
        for (const auto &commande : commandes) {
            if (nom == QLatin1String(commande.nom)) {
                QJsonObject reponse = (this->*commande.action)(arguments);
                QCoreApplication::processEvents();
                reponse.insert("ok", true);
                return reponse;
            }
        }
        throw Refus{QStringLiteral("unknown command: %1").arg(nom)};
    } catch (const Refus &refus) {
        return {{"ok", false}, {"error", refus.raison}};
    } catch (const std::exception &e) {
        return {{"ok", false}, {"error", QString::fromLocal8Bit(e.what())}};
    }
}

QWidget *Pilote::fenetre_nommee(const QString &nom) const
{
    if (nom.isEmpty())
        throw Refus{QStringLiteral("a window name is needed")};
    // The eight windows first, made if need be, then the help window.
    if (QWidget *fenetre = m_programme.fenetre(nom))
        return fenetre;
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        if (fenetre->isWindow() && fenetre->objectName().compare(nom, Qt::CaseInsensitive) == 0)
            return fenetre;
    throw Refus{QStringLiteral("no window %1").arg(nom)};
}

QWidget *Pilote::controle_nomme(const QString &nom) const
{
    const qsizetype point = nom.indexOf(QLatin1Char('.'));
    const QString controle = nom.mid(point + 1);
    // Unnamed widgets of the toolkit would all answer to an empty name.
    if (controle.isEmpty() || point == 0)
        throw Refus{QStringLiteral("click needs NAME or WINDOW.NAME, not \"%1\"").arg(nom)};
    const QList<QWidget *> fenetres =
        point < 0 ? m_programme.fenetres() : QList<QWidget *>{fenetre_nommee(nom.left(point))};

    QList<QWidget *> trouves;
    for (QWidget *fenetre : fenetres) {
        for (QWidget *w : fenetre->findChildren<QWidget *>()) {
            if (w->objectName().compare(controle, Qt::CaseInsensitive) == 0
                && fenetre_de(w) == fenetre) {
                trouves.append(w);
                break;
            }
        }
    }
    if (trouves.isEmpty())
        throw Refus{QStringLiteral("no control %1").arg(nom)};
    if (trouves.size() > 1) {
        QStringList noms_complets;
        for (QWidget *w : trouves)
            noms_complets.append(fenetre_de(w)->objectName() + QLatin1Char('.') + controle);
        throw Refus{QStringLiteral("%1 is in several windows: say %2")
                        .arg(controle, noms_complets.join(QStringLiteral(" or ")))};
    }
    return trouves.first();
}

// A real mouse lands on whatever is at the control's centre: nothing when
// its window is hidden, the control below when it is hidden, and a
// disabled control takes no click. The window is activated first, as a
// click-to-focus window manager does.
QJsonObject Pilote::clique(const QString &arguments)
{
    QWidget *controle = controle_nomme(arguments.trimmed());
    QWidget *fenetre = fenetre_de(controle);
    if (!fenetre->isVisible())
        return {{"target", QJsonValue()}, {"window", fenetre->objectName()}};
    fenetre->activateWindow();
    QCoreApplication::processEvents();

    const QPoint point = controle->mapTo(fenetre, controle->rect().center());
    const QWidget *sous_la_souris = fenetre->childAt(point);
    QTest::mouseClick(fenetre->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
    return {{"target", nom_de(sous_la_souris ? sous_la_souris : fenetre)},
            {"window", fenetre->objectName()}};
}

QWidget *Pilote::fenetre_active()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    // Hiding the active window leaves none here; a window manager would
    // hand the keyboard back to the main window.
    QWidget *general = &m_programme.general();
    if (!general->isVisible())
        return nullptr;
    general->activateWindow();
    QCoreApplication::processEvents();
    return QApplication::activeWindow();
}

QJsonObject Pilote::envoie_frappe(const Frappe &frappe)
{
    QWidget *fenetre = fenetre_active();
    if (!fenetre)
        return {{"window", QJsonValue()}, {"focus", QJsonValue()}};
    QWidget *cible = QApplication::focusWidget();
    if (!cible || cible->window() != fenetre)
        cible = fenetre->focusWidget() ? fenetre->focusWidget() : fenetre;
    // An open menu takes the keys, as Qt gives them to it.
    if (QWidget *menu = QApplication::activePopupWidget())
        cible = menu->focusWidget() ? menu->focusWidget() : menu;

    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent evenement(type, frappe.cle, frappe.modificateurs, frappe.code_physique,
                            frappe.keysym, 0, frappe.texte);
        QSpontaneKeyEvent::setSpontaneous(&evenement);
        // As for a real key, shortcuts get the press first.
        if (type == QEvent::KeyPress
            && qt_sendShortcutOverrideEvent(cible, evenement.timestamp(), frappe.cle,
                                            frappe.modificateurs, frappe.texte))
            continue;
        QApplication::instance()->notify(cible, &evenement);
        QCoreApplication::processEvents();
    }
    return {{"window", nom_de(fenetre)}, {"focus", nom_de(cible)}};
}

QJsonObject Pilote::touche(const QString &arguments)
{
    const std::optional<Frappe> frappe = frappe_nommee(arguments.trimmed());
    if (!frappe)
        throw Refus{QStringLiteral("unknown key %1").arg(arguments.trimmed())};
    return envoie_frappe(*frappe);
}

QJsonObject Pilote::tape(const QString &arguments)
{
    QJsonObject reponse;
    for (const QChar c : arguments)
        reponse = envoie_frappe(frappe_pour_caractere(c));
    return reponse;
}

QJsonObject Pilote::menu(const QString &arguments)
{
    const QWidget *general = &m_programme.general();
    const auto *barre = general->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!barre)
        throw Refus{QStringLiteral("the main window has no menu bar")};
    QList<QAction *> entrees = barre->actions();
    const QStringList chemin = arguments.trimmed().split(QLatin1Char('/'));
    for (qsizetype i = 0; i < chemin.size(); ++i) {
        QAction *trouvee = nullptr;
        QStringList legendes;
        for (QAction *action : entrees) {
            legendes.append(sans_accelerateur(action->text()));
            if (legendes.last().compare(chemin[i], Qt::CaseInsensitive) == 0)
                trouvee = action;
        }
        if (!trouvee)
            throw Refus{QStringLiteral("no menu entry %1 among: %2")
                            .arg(chemin[i], legendes.join(QStringLiteral(" | ")))};
        if (i + 1 == chemin.size()) {
            if (!trouvee->isEnabled() || !trouvee->isVisible())
                return {{"triggered", false}, {"entry", trouvee->objectName()}};
            trouvee->trigger();
            return {{"triggered", true}, {"entry", trouvee->objectName()}};
        }
        if (!trouvee->menu())
            throw Refus{QStringLiteral("menu entry %1 has no submenu").arg(chemin[i])};
        entrees = trouvee->menu()->actions();
    }
    throw Refus{QStringLiteral("empty menu path")};
}

QJsonObject Pilote::attend(const QString &arguments)
{
    QTest::qWait(entier(arguments.trimmed(), "wait"));
    return {};
}

QJsonObject Pilote::decrit(const QString &arguments)
{
    const QString nom = arguments.trimmed();
    QJsonArray fenetres;
    if (nom.isEmpty()) {
        for (QWidget *fenetre : m_programme.fenetres())
            fenetres.append(decrit_fenetre(fenetre));
    } else if (QWidget *fenetre = m_programme.fenetre(nom)) {
        fenetres.append(decrit_fenetre(fenetre));
    } else {
        fenetre_nommee(nom);
    }
    return {{"screen", geometrie_json(QGuiApplication::primaryScreen()->geometry())},
            {"zoom", m_zoom},
            {"activeWindow", nom_de(QApplication::activeWindow())},
            {"focus", nom_de(QApplication::focusWidget())},
            {"windows", fenetres}};
}

QJsonObject Pilote::etat(const QString &)
{
    return {{"state", etat_en_json(m_programme.etat())}};
}

QJsonObject Pilote::fixe(const QString &arguments)
{
    const QStringList mots = arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (mots.size() != 2)
        throw Refus{QStringLiteral("set NAME VALUE")};
    const QString refus = fixe_variable(m_programme.etat(), mots[0], mots[1]);
    if (!refus.isEmpty())
        throw Refus{refus};
    return {};
}

QJsonObject Pilote::photographie(const QString &arguments)
{
    static const QRegularExpression forme(QStringLiteral("^(\\S+) (?:(\\d+),(\\d+),(\\d+),(\\d+) )?(.+)$"));
    const QRegularExpressionMatch mots = forme.match(arguments.trimmed());
    if (!mots.hasMatch())
        throw Refus{QStringLiteral("shot WINDOW [X,Y,W,H] FILE")};
    QWidget *fenetre = fenetre_nommee(mots.captured(1));
    // No region: the whole window (a null rectangle grabs it all).
    const QRect zone(mots.captured(2).toInt(), mots.captured(3).toInt(), mots.captured(4).toInt(),
                     mots.captured(5).toInt());
    const QString fichier = mots.captured(6);
    if (!fenetre->grab(zone.isEmpty() ? QRect(0, 0, -1, -1) : zone).save(fichier, "PNG"))
        throw Refus{QStringLiteral("cannot write %1").arg(fichier)};
    return {{"file", fichier}};
}

// The close box sends the window a close request, which its closeEvent may
// refuse; a hidden window has no close box to press. A painted bar's close
// button is clicked as the pupil would click it.
QJsonObject Pilote::ferme(const QString &arguments)
{
    QWidget *fenetre = fenetre_nommee(arguments.trimmed());
    if (!fenetre->isVisible())
        return {{"closed", false}, {"window", fenetre->objectName()}};
    const TMarsCaption *barre = barre_de(fenetre);
    if (!barre || !barre->disposition().bouton_actif(GenreBouton::Fermer)) {
        const bool fermee = fenetre->close();
        return {{"closed", fermee}, {"window", fenetre->objectName()},
                {"timers", minuteries_actives(fenetre)}};
    }
    fenetre->activateWindow();
    QCoreApplication::processEvents();
    const QPoint point = barre->disposition().rect_bouton[indice(GenreBouton::Fermer)].center();
    QTest::mouseClick(fenetre->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
    return {{"closed", !fenetre->isVisible()}, {"window", fenetre->objectName()},
            {"through", "bar"}, {"timers", minuteries_actives(fenetre)}};
}

// The timer fires at the next turn of the event loop, then keeps its
// interval, unless its timeout handler set another.
QJsonObject Pilote::declenche(const QString &arguments)
{
    auto *minuterie = qobject_cast<QTimer *>(m_programme.general().controle(arguments.trimmed()));
    if (!minuterie)
        throw Refus{QStringLiteral("no timer %1 in the main window").arg(arguments.trimmed())};
    if (!minuterie->isActive())
        return {{"fired", false}};
    const int intervalle = minuterie->interval();
    bool parti = false;
    const QMetaObject::Connection suivi =
        QObject::connect(minuterie, &QTimer::timeout, minuterie, [&parti] { parti = true; });
    minuterie->setInterval(0);
    while (!parti)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(suivi);
    if (minuterie->interval() == 0)
        minuterie->setInterval(intervalle);
    return {{"fired", true}};
}

QJsonObject Pilote::memoire(const QString &)
{
    return {{"heap", compte_objets::tas_utilise()}, {"objects", qint64(compte_objets::vivants())}};
}

QJsonObject Pilote::quitte(const QString &)
{
    m_fini = true;
    return {};
}
