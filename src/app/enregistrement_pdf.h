// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// The few file operations a PDF needs, each reporting the system's error
// code, so that a test can make any of them fail as a full disk or a
// read-only folder would.
class SystemeFichiers
{
public:
    virtual ~SystemeFichiers() = default;

    // Creates a new file, never opening an existing one: a descriptor, or
    // minus the error code (-EEXIST when the name is taken).
    virtual int cree(const QString &chemin) = 0;
    // Writes all the bytes: 0, or the error code.
    virtual int ecrit(int fichier, const QByteArray &octets) = 0;
    // Puts the file on the disk and closes it: 0, or the error code.
    virtual int ferme(int fichier) = 0;
    virtual void supprime(const QString &chemin) = 0;
};

// The real files.
SystemeFichiers &fichiers_du_systeme();

// Why a file could not be written, in French, from the system's error
// code (ENOSPC, EACCES, EROFS...). Never empty.
QString raison_en_clair(int erreur);

// Where a sheet may be saved, in order: the documents folder, then the
// home folder. Both come from HOME: without it, or with HOME at the root,
// there is none, and `inconnu` says why.
struct DossiersPossibles
{
    QStringList dossiers;
    QString inconnu;
};
DossiersPossibles dossiers_d_enregistrement();

// What became of a PDF: the file written, or, for each folder tried, why
// it could not be written there (in French, ready for a message).
struct Enregistrement
{
    QString fichier;
    QString echec;
};

// Writes the PDF into the first of those folders that takes it, under the
// first free name of the day ("Test Tavelo 2026-05-12.pdf", then
// "... (2).pdf"): an earlier sheet is never replaced, and a file that
// could not be written whole is removed.
Enregistrement enregistre_pdf(const QByteArray &pdf, const DossiersPossibles &ou, QDate jour,
                              SystemeFichiers &fichiers);
