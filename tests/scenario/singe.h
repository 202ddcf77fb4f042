// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QRandomGenerator>
#include <QSet>
#include <QString>
#include <QStringList>

class ClientScenario;

// The entries of the main window's menu as the driver's menu command takes
// them: "Caption" or "Submenu/Caption", found in the dump.
QStringList entrees_de_menu(ClientScenario &client);

// The windows of a dump that are shown.
QList<QJsonObject> fenetres_montrees(const QJsonObject &dump);

// The controls of one window of the dump that a mouse can press: visible
// and enabled widgets, by objectName.
QStringList controles_cliquables(const QJsonObject &fenetre);

// A pupil who does anything: each command it chooses is a click on a
// visible, enabled control of a shown window, a key, a few typed
// characters, a menu entry of the main window, a wait or the close box of
// a shown secondary window; now and then it answers the drill right, so that
// a long run climbs through the levels. Windows and controls are found in the driver's
// dump, so every window the program gains is covered without naming it.
// The same seed gives the same choices against the same answers.
class Singe
{
public:
    Singe(ClientScenario &client, quint64 graine);

    QString prochaine_commande();
    // The windows it has clicked in so far.
    QStringList fenetres_visitees() const { return m_visitees.values(); }

private:
    QString clic(const QJsonObject &dump);
    QString fermeture(const QJsonObject &dump);
    QString entree_de_menu();
    QString touche();
    QString frappe();
    QString attente();
    QString bonne_reponse();

    template <typename T>
    const T &un_parmi(const QList<T> &liste)
    {
        return liste[qsizetype(m_alea.bounded(quint32(liste.size())))];
    }

    ClientScenario &m_client;
    QRandomGenerator m_alea;
    QStringList m_menu; // "Caption" or "Caption/Caption", read once
    QSet<QString> m_visitees;
    QStringList m_a_suivre; // the rest of a multi-command action
};
