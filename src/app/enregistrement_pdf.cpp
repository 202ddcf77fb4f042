// SPDX-License-Identifier: GPL-3.0-or-later
#include "enregistrement_pdf.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// More sheets on one day than anyone prints: the search for a free name
// stops there.
constexpr int exemplaires_max_par_jour = 9999;

class FichiersDuSysteme : public SystemeFichiers
{
public:
    int cree(const QString &chemin) override
    {
        const QByteArray nom = QFile::encodeName(chemin);
        const int fichier = ::open(nom.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        return fichier >= 0 ? fichier : -errno;
    }

    int ecrit(int fichier, const QByteArray &octets) override
    {
        qsizetype ecrits = 0;
        while (ecrits < octets.size()) {
            const ssize_t n = ::write(fichier, octets.constData() + ecrits,
                                      size_t(octets.size() - ecrits));
            if (n < 0 && errno != EINTR)
                return errno;
            if (n > 0)
                ecrits += n;
        }
        return 0;
    }

    int ferme(int fichier) override
    {
        // A disk that fills or a quota reached may show only when the data
        // goes to the disk.
        int erreur = ::fdatasync(fichier) == 0 || errno == EINVAL ? 0 : errno;
        if (::close(fichier) != 0 && erreur == 0 && errno != EINTR)
            erreur = errno;
        return erreur;
    }

    void supprime(const QString &chemin) override { QFile::remove(chemin); }
};

QString nom_du_fichier(QDate jour, int exemplaire)
{
    const QString date = jour.toString(Qt::ISODate);
    return exemplaire == 1 ? QStringLiteral("Test Tavelo %1.pdf").arg(date)
                           : QStringLiteral("Test Tavelo %1 (%2).pdf").arg(date).arg(exemplaire);
}

// Into one folder: the file's path, or the error code.
int enregistre_dans(const QByteArray &pdf, const QString &dossier, QDate jour,
                    SystemeFichiers &fichiers, QString &chemin)
{
    for (int exemplaire = 1; exemplaire <= exemplaires_max_par_jour; ++exemplaire) {
        chemin = QDir(dossier).filePath(nom_du_fichier(jour, exemplaire));
        const int fichier = fichiers.cree(chemin);
        if (fichier == -EEXIST)
            continue;
        if (fichier < 0)
            return -fichier;
        int erreur = fichiers.ecrit(fichier, pdf);
        const int a_la_fermeture = fichiers.ferme(fichier);
        if (erreur == 0)
            erreur = a_la_fermeture;
        if (erreur != 0)
            fichiers.supprime(chemin);
        return erreur;
    }
    return EEXIST;
}

} // namespace

SystemeFichiers &fichiers_du_systeme()
{
    static FichiersDuSysteme fichiers;
    return fichiers;
}

QString raison_en_clair(int erreur)
{
    switch (erreur) {
    case ENOSPC:
        return QStringLiteral("le disque est plein");
    case EDQUOT:
        return QStringLiteral("le quota d'espace disque de l'utilisateur est atteint");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case ENOENT:
        return QStringLiteral("le dossier n'existe pas");
    case ENOTDIR:
        return QStringLiteral("une partie du chemin n'est pas un dossier");
    case EIO:
        return QStringLiteral("erreur de lecture ou d'écriture sur le disque");
    case ENAMETOOLONG:
        return QStringLiteral("le chemin est trop long");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("trop de fichiers sont ouverts");
    case EFBIG:
        return QStringLiteral("le fichier serait trop grand pour ce disque");
    case EEXIST:
        return QStringLiteral("tous les noms de fichier du jour sont pris");
    default:
        return QStringLiteral("erreur du système n° %1").arg(erreur);
    }
}

DossiersPossibles dossiers_d_enregistrement()
{
    const QString maison = qEnvironmentVariable("HOME");
    if (maison.isEmpty())
        return {{}, QStringLiteral("le dossier personnel n'est pas connu (la variable HOME n'est "
                                   "pas définie)")};
    if (!QDir::isAbsolutePath(maison) || QDir::cleanPath(maison) == QDir::rootPath())
        return {{}, QStringLiteral("le dossier personnel (HOME=%1) n'est pas un dossier "
                                   "d'utilisateur")
                        .arg(maison)};
    DossiersPossibles ou;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir::cleanPath(documents) != QDir::cleanPath(maison)
        && QDir::cleanPath(documents) != QDir::rootPath())
        ou.dossiers << documents;
    ou.dossiers << maison;
    return ou;
}

Enregistrement enregistre_pdf(const QByteArray &pdf, const DossiersPossibles &ou, QDate jour,
                              SystemeFichiers &fichiers)
{
    if (ou.dossiers.isEmpty())
        return {{}, ou.inconnu};
    QStringList echecs;
    for (const QString &dossier : ou.dossiers) {
        QString chemin;
        const int erreur = enregistre_dans(pdf, dossier, jour, fichiers, chemin);
        if (erreur == 0)
            return {chemin, {}};
        echecs << QStringLiteral("dans %1 : %2").arg(QDir::toNativeSeparators(dossier),
                                                    raison_en_clair(erreur));
    }
    return {{}, echecs.join(QStringLiteral(" ; "))};
}
