#include "impression_test.h"

#include "feuille_test.h"
#include "sujet_test.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The printed sheet's questions use maxima of 9, whatever the settings.
constexpr int max_de_la_feuille = 9;

// More sheets on one day than anyone prints: the search for a free name
// stops there.
constexpr int exemplaires_max_par_jour = 9999;

QString nom_du_fichier(QDate jour, int exemplaire)
{
    const QString date = jour.toString(Qt::ISODate);
    return exemplaire == 1 ? QStringLiteral("Test Tavelo %1.pdf").arg(date)
                           : QStringLiteral("Test Tavelo %1 (%2).pdf").arg(date).arg(exemplaire);
}

SortieFeuille echec_d_ecriture(const QString &dossier, const QString &raison)
{
    return {false,
            QStringLiteral("La feuille de test n'a pas pu être enregistrée dans %1 : %2.")
                .arg(QDir::toNativeSeparators(dossier), raison),
            {}};
}

// Opens a file under the first free name of the day; never an existing one.
bool ouvre_un_nouveau_fichier(QFile &fichier, const QString &dossier, QDate jour)
{
    for (int exemplaire = 1; exemplaire <= exemplaires_max_par_jour; ++exemplaire) {
        fichier.setFileName(QDir(dossier).filePath(nom_du_fichier(jour, exemplaire)));
        if (fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!fichier.exists())
            return false;
    }
    return false;
}

void montre_message(QWidget *fenetre, const SortieFeuille &sortie)
{
    auto *boite = fenetre->findChild<QMessageBox *>(QStringLiteral("message_impression"));
    if (!boite) {
        boite = new QMessageBox(fenetre);
        boite->setObjectName(QStringLiteral("message_impression"));
        boite->setWindowTitle(QStringLiteral("Imprimer un test"));
        boite->setStandardButtons(QMessageBox::Ok);
        boite->setWindowModality(Qt::NonModal);
    }
    boite->setIcon(sortie.reussie ? QMessageBox::Information : QMessageBox::Warning);
    boite->setText(sortie.message);
    boite->show();
    boite->raise();
}

} // namespace

SortieFeuille imprime_feuille(const QPicture &feuille, QPrinter &imprimante)
{
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return {false,
                QStringLiteral("La feuille de test n'a pas pu être imprimée sur %1.")
                    .arg(imprimante.printerName()),
                {}};
    feuille_test::pose(peintre, QSize(imprimante.width(), imprimante.height()), feuille);
    if (!peintre.end())
        return {false,
                QStringLiteral("L'impression de la feuille de test sur %1 a échoué.")
                    .arg(imprimante.printerName()),
                {}};
    return {true, {}, {}};
}

SortieFeuille enregistre_feuille_en_pdf(const QPicture &feuille, const QString &dossier,
                                        QDate jour)
{
    QFile fichier;
    if (!ouvre_un_nouveau_fichier(fichier, dossier, jour))
        return echec_d_ecriture(dossier, fichier.errorString());

    QPdfWriter pdf(&fichier);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QStringLiteral("Test sur l'addition et la soustraction des nombres relatifs"));
    pdf.setCreator(QStringLiteral("Tavelo"));
    QPainter peintre;
    bool ecrit = peintre.begin(&pdf);
    if (ecrit) {
        feuille_test::pose(peintre, QSize(pdf.width(), pdf.height()), feuille);
        ecrit = peintre.end();
    }
    fichier.close();
    if (!ecrit || fichier.error() != QFileDevice::NoError) {
        const QString raison = fichier.errorString();
        fichier.remove();
        return echec_d_ecriture(dossier, raison);
    }
    const QString chemin = QDir::toNativeSeparators(fichier.fileName());
    return {true,
            QStringLiteral("Aucune imprimante n'est installée.\n"
                           "La feuille de test a été enregistrée dans :\n%1")
                .arg(chemin),
            fichier.fileName()};
}

QString dossier_des_documents()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void imprime_un_test(EtatPartage &etat, SourceAleatoire &hasard, QWidget *fenetre)
{
    const SujetTest sujet = compose_test(etat, hasard, max_de_la_feuille, max_de_la_feuille);
    const QPicture feuille = feuille_test::dessine(sujet.questions);

    SortieFeuille sortie;
    const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    if (!defaut.isNull()) {
        QPrinter imprimante(defaut, QPrinter::HighResolution);
        imprimante.setDocName(QStringLiteral("Test Tavelo"));
        sortie = imprime_feuille(feuille, imprimante);
    } else {
        sortie = enregistre_feuille_en_pdf(feuille, dossier_des_documents(),
                                           QDate::currentDate());
        if (sortie.reussie)
            QDesktopServices::openUrl(QUrl::fromLocalFile(sortie.fichier));
    }
    if (!sortie.message.isEmpty())
        montre_message(fenetre, sortie);
}
