// SPDX-License-Identifier: GPL-3.0-or-later
#include "service_impression.h"

#include <QLibrary>
#include <QPrinterInfo>

#include <sys/socket.h>

#include <algorithm>

namespace {

// The few parts of the CUPS library used here, as its stable interface
// (libcups.so.2) declares them: a destination and its options, a
// connection, a job sent as one stream.
struct OptionCups
{
    char *name;
    char *value;
};
struct DestinationCups
{
    char *name;
    char *instance;
    int is_default;
    int num_options;
    OptionCups *options;
};

constexpr int http_continue = 100;
constexpr int dernier_statut_ipp_reussi = 0x00ff;
constexpr int erreur_interne = 0x0500;

// IPP status codes a refused job comes back with, in French.
QString raison_du_refus(int statut)
{
    switch (statut) {
    case 0x0401: // forbidden
    case 0x0402: // not authenticated
    case 0x0403: // not authorized
    case 0x1000: // authentication cancelled
        return QStringLiteral("l'impression n'est pas autorisée pour cet utilisateur");
    case 0x0406: // not found
    case 0x0407: // gone
        return QStringLiteral("l'imprimante n'existe plus sur le service d'impression");
    case 0x040A: // document format not supported
        return QStringLiteral("l'imprimante ne sait pas imprimer un document PDF");
    case erreur_interne:
        return QStringLiteral("le service d'impression a rencontré une erreur interne");
    case 0x0502: // service unavailable
    case 0x0505: // temporary error
    case 0x0507: // busy
        return QStringLiteral("le service d'impression est momentanément indisponible");
    case 0x0504:
        return QStringLiteral("l'imprimante signale une panne");
    case 0x0506:
        return QStringLiteral("l'imprimante n'accepte plus de travaux d'impression");
    case 0x0508:
        return QStringLiteral("le travail d'impression a été annulé");
    default:
        return QStringLiteral("le service d'impression a répondu par le code d'erreur IPP 0x%1")
            .arg(statut, 4, 16, QLatin1Char('0'));
    }
}

QString nomme(const QString &imprimante)
{
    return QStringLiteral("« %1 »").arg(imprimante);
}

class ServiceDuSysteme : public ServiceImpression
{
public:
    ServiceDuSysteme() : m_cups(QStringLiteral("cups"), 2)
    {
        if (m_cups.load())
            resous_fonctions();
    }

    InventaireImprimantes inventaire() override
    {
        InventaireImprimantes inventaire;
        if (!m_cupsCreateJob) {
            inventaire.panne = QStringLiteral(
                "Le service d'impression n'est pas installé sur cet ordinateur.");
            return inventaire;
        }
        inventaire.imprimantes = QPrinterInfo::availablePrinterNames();
        inventaire.par_defaut = QPrinterInfo::defaultPrinterName();
        if (inventaire.imprimantes.isEmpty() && !service_joignable())
            inventaire.panne = QStringLiteral(
                "Le service d'impression ne répond pas : il n'est pas démarré.");
        return inventaire;
    }

    QString empechement(const QString &imprimante) override
    {
        if (QPrinterInfo::printerInfo(imprimante).isNull())
            return QStringLiteral("L'imprimante %1 n'existe plus.").arg(nomme(imprimante));
        const QByteArray nom = imprimante.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
        DestinationCups *destination = m_cupsGetNamedDest(nullptr, nom.constData(), nullptr);
        if (!destination)
            return QStringLiteral("L'imprimante %1 est introuvable sur le service d'impression.")
                .arg(nomme(imprimante));
        const auto option = [&](const char *nom_option) {
            return QByteArray(m_cupsGetOption(nom_option, destination->num_options,
                                              destination->options));
        };
        QString raison;
        if (option("printer-is-accepting-jobs") == "false")
            raison = QStringLiteral("L'imprimante %1 refuse les travaux d'impression.");
        else if (option("printer-state") == "5") // stopped
            raison = QStringLiteral("L'imprimante %1 est arrêtée.");
        else if (QPrinterInfo::printerInfo(imprimante).state() == QPrinter::Error)
            raison = QStringLiteral("L'imprimante %1 signale une panne.");
        m_cupsFreeDests(1, destination);
        return raison.isEmpty() ? raison : raison.arg(nomme(imprimante));
    }

    QPageSize format(const QString &imprimante) override
    {
        const QPageSize format = QPrinterInfo::printerInfo(imprimante).defaultPageSize();
        return format.isValid() ? format : QPageSize(QPageSize::A4);
    }

    ReponseImpression imprime(const QString &imprimante, const QString &titre,
                              const QByteArray &pdf) override
    {
        const QByteArray nom = imprimante.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
        const QByteArray intitule = titre.toUtf8();
        const int travail = m_cupsCreateJob(nullptr, nom.constData(), intitule.constData(), 0,
                                            nullptr);
        if (travail == 0)
            return refus(imprimante, m_cupsLastError());
        // A job the queue took but whose document did not arrive whole is
        // cancelled, so that nothing half sent waits in the queue.
        int statut = 0;
        if (m_cupsStartDocument(nullptr, nom.constData(), travail, intitule.constData(),
                                "application/pdf", 1)
                != http_continue
            || m_cupsWriteRequestData(nullptr, pdf.constData(), size_t(pdf.size()))
                   != http_continue)
            statut = std::max(m_cupsLastError(), erreur_interne);
        else
            statut = m_cupsFinishDocument(nullptr, nom.constData());
        if (statut > dernier_statut_ipp_reussi) {
            m_cupsCancelJob2(nullptr, nom.constData(), travail, 1);
            return refus(imprimante, statut);
        }
        return {true, {}};
    }

private:
    static ReponseImpression refus(const QString &imprimante, int statut)
    {
        return {false, QStringLiteral("L'imprimante %1 a refusé la feuille : %2.")
                           .arg(nomme(imprimante), raison_du_refus(statut))};
    }

    // Whether a connection to the print server opens, the way the library
    // itself would reach it (local socket or network address).
    bool service_joignable()
    {
        void *connexion = m_httpConnect2(m_cupsServer(), m_ippPort(), nullptr, AF_UNSPEC,
                                         m_cupsEncryption(), 1, 3000, nullptr);
        if (!connexion)
            return false;
        m_httpClose(connexion);
        return true;
    }

    template <typename F>
    void resous(F &fonction, const char *nom)
    {
        fonction = reinterpret_cast<F>(m_cups.resolve(nom));
        m_complete = m_complete && fonction;
    }

    void resous_fonctions()
    {
        resous(m_cupsGetNamedDest, "cupsGetNamedDest");
        resous(m_cupsFreeDests, "cupsFreeDests");
        resous(m_cupsGetOption, "cupsGetOption");
        resous(m_cupsServer, "cupsServer");
        resous(m_ippPort, "ippPort");
        resous(m_cupsEncryption, "cupsEncryption");
        resous(m_httpConnect2, "httpConnect2");
        resous(m_httpClose, "httpClose");
        resous(m_cupsStartDocument, "cupsStartDocument");
        resous(m_cupsWriteRequestData, "cupsWriteRequestData");
        resous(m_cupsFinishDocument, "cupsFinishDocument");
        resous(m_cupsCancelJob2, "cupsCancelJob2");
        resous(m_cupsLastError, "cupsLastError");
        resous(m_cupsCreateJob, "cupsCreateJob");
        // The service counts as installed only with every function found:
        // cupsCreateJob is resolved last and cleared otherwise.
        if (!m_complete)
            m_cupsCreateJob = nullptr;
    }

    QLibrary m_cups;
    bool m_complete = true;
    DestinationCups *(*m_cupsGetNamedDest)(void *, const char *, const char *) = nullptr;
    void (*m_cupsFreeDests)(int, DestinationCups *) = nullptr;
    const char *(*m_cupsGetOption)(const char *, int, OptionCups *) = nullptr;
    const char *(*m_cupsServer)() = nullptr;
    int (*m_ippPort)() = nullptr;
    int (*m_cupsEncryption)() = nullptr;
    void *(*m_httpConnect2)(const char *, int, void *, int, int, int, int, int *) = nullptr;
    void (*m_httpClose)(void *) = nullptr;
    int (*m_cupsCreateJob)(void *, const char *, const char *, int, OptionCups *) = nullptr;
    int (*m_cupsStartDocument)(void *, const char *, int, const char *, const char *, int) = nullptr;
    int (*m_cupsWriteRequestData)(void *, const char *, size_t) = nullptr;
    int (*m_cupsFinishDocument)(void *, const char *) = nullptr;
    int (*m_cupsCancelJob2)(void *, const char *, int, int) = nullptr;
    int (*m_cupsLastError)() = nullptr;
};

} // namespace

std::unique_ptr<ServiceImpression> service_du_systeme()
{
    return std::make_unique<ServiceDuSysteme>();
}
