// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>

#include <functional>

// Runs tavelo-scenario as a child process and talks to it: one command
// line out, one JSON line back.
class ClientScenario
{
public:
    // A launcher, such as a tracer and its options, can run the driver;
    // `options` go to the driver after the seed.
    explicit ClientScenario(quint64 graine, const QStringList &lanceur = {},
                            const QStringList &options = {});
    ~ClientScenario();

    ClientScenario(const ClientScenario &) = delete;
    ClientScenario &operator=(const ClientScenario &) = delete;

    // Ends the driver; its exit status, -1 when it crashed or hung.
    int termine();

    // False when the driver did not start or died; see erreur().
    bool pret() const { return m_erreur.isEmpty(); }
    QString erreur() const { return m_erreur; }

    // The driver's answer, or {"ok":false,"error":...} when none came.
    QJsonObject commande(const QString &ligne);

    QJsonObject etat();
    // One window of the dump, and one of its controls by objectName.
    QJsonObject fenetre(const QString &nom);
    QJsonObject controle(const QString &nom, const QString &fenetre = QStringLiteral("general"));
    QString texte(const QString &controle) { return this->controle(controle)["text"].toString(); }

    // Lets the program run in short steps until the condition holds; false
    // if it still does not after ms_max milliseconds.
    bool attend_que(const std::function<bool()> &condition, int ms_max, int pas_ms = 25);

private:
    QProcess m_processus;
    QString m_erreur;
};
