// SPDX-License-Identifier: GPL-3.0-or-later
#include "impression_test.h"

#include "enregistrement_pdf.h"
#include "feuille_test.h"
#include "service_impression.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QUrl>

namespace {

const QString titre_du_document = QStringLiteral("Test Tavelo");

// Why the default printer was not used, or empty when the job went to it.
QString essaie_d_imprimer(const QList<QPicture> &pages, ServiceImpression &service)
{
    const InventaireImprimantes inventaire = service.inventaire();
    if (!inventaire.panne.isEmpty())
        return inventaire.panne;
    if (inventaire.imprimantes.isEmpty())
        return QStringLiteral("Aucune imprimante n'est installée.");
    if (inventaire.par_defaut.isEmpty())
        return QStringLiteral("Aucune imprimante n'est choisie par défaut parmi celles qui sont "
                              "installées (%1).")
            .arg(inventaire.imprimantes.join(QStringLiteral(", ")));

    const QString imprimante = inventaire.par_defaut;
    const QString empechement = service.empechement(imprimante);
    if (!empechement.isEmpty())
        return empechement;
    const ReponseImpression reponse =
        service.imprime(imprimante, titre_du_document, en_pdf(pages, service.format(imprimante)));
    return reponse.acceptee ? QString() : reponse.raison;
}

void montre_message(QWidget *fenetre, const SortieFeuille &sortie)
{
    auto *boite = fenetre->findChild<QMessageBox *>(QStringLiteral("message_impression"));
    if (!boite) {
        boite = new QMessageBox(fenetre);
        boite->setObjectName(QStringLiteral("message_impression"));
        boite->setAccessibleName(QStringLiteral("Message d'impression"));
        boite->setWindowTitle(QStringLiteral("Imprimer un test"));
        boite->setStandardButtons(QMessageBox::Ok);
        boite->setWindowModality(Qt::NonModal);
    }
    boite->setIcon(sortie.fichier.isEmpty() ? QMessageBox::Warning : QMessageBox::Information);
    boite->setText(sortie.message);
    boite->show();
    boite->raise();
}

} // namespace

QList<QPicture> pages_de_la_feuille(const FeuilleCodee &feuille, bool avec_corrige)
{
    const QString code = feuille.code.texte();
    QList<QPicture> pages{feuille_test::dessine(feuille.sujet.questions, code)};
    if (avec_corrige)
        pages << feuille_test::dessine_corrige(feuille.sujet, code);
    return pages;
}

QByteArray en_pdf(const QList<QPicture> &pages, const QPageSize &format)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&tampon);
    pdf.setPageSize(format);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QStringLiteral("Test sur l'addition et la soustraction des nombres relatifs"));
    pdf.setCreator(QStringLiteral("Tavelo"));
    QPainter peintre(&pdf);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            pdf.newPage();
        feuille_test::pose(peintre, QSize(pdf.width(), pdf.height()), pages[i]);
    }
    peintre.end();
    return octets;
}

SortieFeuille imprime_ou_enregistre(const QList<QPicture> &pages, const MoyensImpression &moyens)
{
    const QString raison = essaie_d_imprimer(pages, moyens.service);
    if (raison.isEmpty())
        return {true, {}, {}};

    const bool avec_corrige = pages.size() > 1;
    const Enregistrement enregistrement =
        enregistre_pdf(en_pdf(pages, QPageSize(QPageSize::A4)), moyens.dossiers, moyens.jour,
                       moyens.fichiers);
    if (enregistrement.fichier.isEmpty())
        return {false, {},
                QStringLiteral("%1\n%2 n'a pas pu être enregistrée : %3.")
                    .arg(raison,
                         avec_corrige ? QStringLiteral("La feuille de test, avec son corrigé,")
                                      : QStringLiteral("La feuille de test"),
                         enregistrement.echec)};
    return {false, enregistrement.fichier,
            QStringLiteral("%1\n%2 dans :\n%3")
                .arg(raison,
                     avec_corrige
                         ? QStringLiteral("La feuille de test et son corrigé ont été enregistrés")
                         : QStringLiteral("La feuille de test a été enregistrée"),
                     QDir::toNativeSeparators(enregistrement.fichier))};
}

void imprime_et_informe(const FeuilleCodee &feuille, bool avec_corrige, QWidget *fenetre)
{
    const std::unique_ptr<ServiceImpression> service = service_du_systeme();
    const DossiersPossibles dossiers = dossiers_d_enregistrement();
    const SortieFeuille sortie =
        imprime_ou_enregistre(pages_de_la_feuille(feuille, avec_corrige),
                              {*service, fichiers_du_systeme(), dossiers, QDate::currentDate()});
    if (!sortie.fichier.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(sortie.fichier));
    if (!sortie.message.isEmpty())
        montre_message(fenetre, sortie);
}
