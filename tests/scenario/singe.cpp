// SPDX-License-Identifier: GPL-3.0-or-later
#include "singe.h"

#include "client_scenario.h"

#include <QJsonArray>

namespace {

const QStringList touches = {
    "0",      "1",      "5",           "9",     "Minus", "KP_Subtract", "KP_7",   "KP_0",
    "Return", "Enter",  "Space",       "Delete", "Backspace", "Tab",    "Escape", "NumLock",
    "Shift",  "CapsLock", "F1",        "a",     "Left",  "Up",          "5@azerty", "KP_End",
};

} // namespace

QList<QJsonObject> fenetres_montrees(const QJsonObject &dump)
{
    QList<QJsonObject> montrees;
    for (const QJsonValue &f : dump["windows"].toArray())
        if (f["visible"].toBool())
            montrees.append(f.toObject());
    return montrees;
}

QStringList controles_cliquables(const QJsonObject &fenetre)
{
    QStringList noms;
    // Widgets only: timers and menu actions have no place to click.
    for (const QJsonValue &c : fenetre["controls"].toArray())
        if (c["geometry"].isObject() && c["visible"].toBool() && c["enabled"].toBool())
            noms.append(c["objectName"].toString());
    return noms;
}

QStringList entrees_de_menu(ClientScenario &client)
{
    const QJsonArray controles = client.fenetre(QStringLiteral("general"))["controls"].toArray();
    QHash<QString, QString> titre_du_sous_menu;
    for (const QJsonValue &c : controles)
        if (c["class"].toString() == QLatin1String("QAction") && !c["menu"].isNull())
            titre_du_sous_menu.insert(c["menu"].toString(), c["text"].toString().remove(u'&'));
    QStringList entrees;
    for (const QJsonValue &c : controles) {
        if (c["class"].toString() != QLatin1String("QAction") || !c["menu"].isNull())
            continue;
        // The menu bar's entries and its submenus' only: the caption bar's
        // system menu is not the driver's to trigger.
        const QString parent = c["parent"].toString();
        const QString texte = c["text"].toString().remove(u'&');
        if (titre_du_sous_menu.contains(parent))
            entrees.append(titre_du_sous_menu[parent] + u'/' + texte);
        else if (parent == QLatin1String("<QMenuBar>"))
            entrees.append(texte);
    }
    return entrees;
}

Singe::Singe(ClientScenario &client, quint64 graine) : m_client(client), m_alea(graine) {}

QString Singe::prochaine_commande()
{
    if (!m_a_suivre.isEmpty())
        return m_a_suivre.takeFirst();
    const quint32 tirage = m_alea.bounded(100u);
    if (tirage < 40 || tirage >= 96) {
        const QJsonObject dump = m_client.commande(QStringLiteral("dump"));
        return tirage < 40 ? clic(dump) : fermeture(dump);
    }
    if (tirage < 62)
        return touche();
    if (tirage < 72)
        return frappe();
    if (tirage < 80)
        return entree_de_menu();
    if (tirage < 90)
        return bonne_reponse();
    return attente();
}

// On the keypad, after the OK of a correction line that may be waiting and
// after erasing what the panel holds (three characters at most).
QString Singe::bonne_reponse()
{
    const QString efface = QStringLiteral("click general.button_correction");
    m_a_suivre = {efface, efface, efface};
    for (const QChar c : m_client.etat()["texte_resultat"].toString())
        m_a_suivre.append(QStringLiteral("click general.Button") + (c == u'-' ? QChar(u'_') : c));
    m_a_suivre.append(QStringLiteral("click general.ButtonOK"));
    return QStringLiteral("click general.Button10");
}

QString Singe::clic(const QJsonObject &dump)
{
    const QList<QJsonObject> fenetres = fenetres_montrees(dump);
    if (fenetres.isEmpty())
        return touche();
    const QJsonObject fenetre = un_parmi(fenetres);
    const QStringList noms = controles_cliquables(fenetre);
    if (noms.isEmpty())
        return touche();
    m_visitees.insert(fenetre["objectName"].toString());
    return QStringLiteral("click %1.%2").arg(fenetre["objectName"].toString(), un_parmi(noms));
}

// Closing the main window ends the run; the monkey closes the others.
QString Singe::fermeture(const QJsonObject &dump)
{
    QStringList noms;
    for (const QJsonObject &f : fenetres_montrees(dump))
        if (f["objectName"].toString() != QLatin1String("general"))
            noms.append(f["objectName"].toString());
    return noms.isEmpty() ? attente() : QStringLiteral("close ") + un_parmi(noms);
}

QString Singe::entree_de_menu()
{
    if (m_menu.isEmpty())
        m_menu = entrees_de_menu(m_client);
    return m_menu.isEmpty() ? touche() : QStringLiteral("menu ") + un_parmi(m_menu);
}

QString Singe::touche()
{
    return QStringLiteral("key ") + un_parmi(touches);
}

QString Singe::frappe()
{
    static const QString caracteres = QStringLiteral("0123456789-- a.");
    QString texte;
    for (quint32 n = 1 + m_alea.bounded(3u); n > 0; --n)
        texte += caracteres[qsizetype(m_alea.bounded(quint32(caracteres.size())))];
    return QStringLiteral("type ") + texte;
}

QString Singe::attente()
{
    return QStringLiteral("wait %1").arg(m_alea.bounded(150u));
}
