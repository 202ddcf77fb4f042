// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "code_feuille.h"

#include <QByteArray>
#include <QDate>
#include <QPageSize>
#include <QPicture>
#include <QString>

class QWidget;
class ServiceImpression;
class SystemeFichiers;
struct DossiersPossibles;

// The pages of one print: the sheet, then its answer key when asked for.
QList<QPicture> pages_de_la_feuille(const FeuilleCodee &feuille, bool avec_corrige);

// Those pages as a PDF on paper of that size, each laid by the sheet's
// placement rule.
QByteArray en_pdf(const QList<QPicture> &pages, const QPageSize &format);

// Where a print went. A print ends with the job taken by the default
// printer, or a PDF written; the message, empty after a plain print, says
// in French why the printer was not used and where the PDF went, or why
// it could not be written.
struct SortieFeuille
{
    bool imprimee = false;
    QString fichier; // the PDF written, if any
    QString message;
};

// What a print needs from the system, each part replaceable in tests.
struct MoyensImpression
{
    ServiceImpression &service;
    SystemeFichiers &fichiers;
    const DossiersPossibles &dossiers;
    QDate jour;
};

// Prints the pages on the default printer; where the printer cannot be
// used or refuses the job, saves them as an A4 PDF instead.
SortieFeuille imprime_ou_enregistre(const QList<QPicture> &pages, const MoyensImpression &moyens);

// "Imprimer un test" and "Réimprimer une feuille…": prints that sheet (and
// its key) with the system's means, opens a PDF written instead in the
// desktop's viewer, and tells anything but a plain print in a message over
// the window.
void imprime_et_informe(const FeuilleCodee &feuille, bool avec_corrige, QWidget *fenetre);
