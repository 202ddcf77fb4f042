// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <memory>

// The printers as the print service knows them.
struct InventaireImprimantes
{
    // Empty while the service answers; else why it does not, in French.
    QString panne;
    QStringList imprimantes;
    QString par_defaut; // empty: none is chosen as the default
};

// What became of a job: accepted by the printer's queue, or refused and
// why, in French.
struct ReponseImpression
{
    bool acceptee = false;
    QString raison;
};

// The print service behind the few questions the test sheet asks it, so
// that a fake service can stand in for it in tests.
class ServiceImpression
{
public:
    virtual ~ServiceImpression() = default;

    virtual InventaireImprimantes inventaire() = 0;
    // Why that printer cannot take a job now (stopped, refusing jobs), in
    // French; empty when it can.
    virtual QString empechement(const QString &imprimante) = 0;
    // The printer's default paper.
    virtual QPageSize format(const QString &imprimante) = 0;
    // Sends a PDF document and says whether the printer's queue took it.
    virtual ReponseImpression imprime(const QString &imprimante, const QString &titre,
                                      const QByteArray &pdf) = 0;
};

// The system's print service: the printers as Qt's print support lists
// them, and the questions it leaves unanswered (whether a printer accepts
// jobs, whether a job was taken) asked of the CUPS library that Qt's print
// support itself loads.
std::unique_ptr<ServiceImpression> service_du_systeme();
