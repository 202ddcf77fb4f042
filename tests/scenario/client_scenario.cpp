// SPDX-License-Identifier: GPL-3.0-or-later
#include "client_scenario.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

constexpr int delai_de_reponse_ms = 20000;

QJsonObject echec(const QString &raison)
{
    return {{"ok", false}, {"error", raison}};
}

} // namespace

ClientScenario::ClientScenario(quint64 graine, const QStringList &lanceur, const QStringList &options)
{
    QStringList commande = lanceur;
    commande << QStringLiteral(TAVELO_SCENARIO) << QStringLiteral("--seed") << QString::number(graine)
             << options;
    m_processus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_processus.start(commande.takeFirst(), commande);
    if (!m_processus.waitForStarted())
        m_erreur = m_processus.errorString();
}

ClientScenario::~ClientScenario()
{
    termine();
}

int ClientScenario::termine()
{
    if (m_processus.state() != QProcess::NotRunning) {
        commande(QStringLiteral("quit"));
        m_processus.closeWriteChannel();
        if (!m_processus.waitForFinished(5000)) {
            m_processus.kill();
            m_processus.waitForFinished();
            return -1;
        }
    }
    return m_processus.exitStatus() == QProcess::NormalExit ? m_processus.exitCode() : -1;
}

QJsonObject ClientScenario::commande(const QString &ligne)
{
    if (!m_erreur.isEmpty())
        return echec(m_erreur);
    m_processus.write(ligne.toUtf8() + '\n');
    QElapsedTimer chrono;
    chrono.start();
    while (!m_processus.canReadLine()) {
        const int reste = delai_de_reponse_ms - int(chrono.elapsed());
        if (m_processus.state() == QProcess::NotRunning || reste <= 0
            || !m_processus.waitForReadyRead(reste)) {
            if (m_processus.canReadLine())
                break;
            m_erreur = QStringLiteral("no answer to \"%1\" (driver %2)")
                           .arg(ligne, m_processus.state() == QProcess::NotRunning
                                           ? QStringLiteral("ended")
                                           : QStringLiteral("silent"));
            return echec(m_erreur);
        }
    }
    QJsonParseError erreur;
    const QJsonDocument reponse = QJsonDocument::fromJson(m_processus.readLine(), &erreur);
    if (!reponse.isObject())
        return echec(QStringLiteral("not JSON: %1").arg(erreur.errorString()));
    return reponse.object();
}

QJsonObject ClientScenario::etat()
{
    return commande(QStringLiteral("state"))["state"].toObject();
}

QJsonObject ClientScenario::fenetre(const QString &nom)
{
    const QJsonArray fenetres = commande(QStringLiteral("dump ") + nom)["windows"].toArray();
    return fenetres.isEmpty() ? QJsonObject() : fenetres.first().toObject();
}

QJsonObject ClientScenario::controle(const QString &nom, const QString &fenetre)
{
    const QJsonArray controles = this->fenetre(fenetre)["controls"].toArray();
    for (const QJsonValue &c : controles)
        if (c["objectName"].toString() == nom && c["class"].toString() != QLatin1String("QAction"))
            return c.toObject();
    return {};
}

bool ClientScenario::attend_que(const std::function<bool()> &condition, int ms_max, int pas_ms)
{
    QElapsedTimer chrono;
    chrono.start();
    while (!condition()) {
        if (chrono.elapsed() > ms_max || !pret())
            return false;
        commande(QStringLiteral("wait %1").arg(pas_ms));
    }
    return true;
}
