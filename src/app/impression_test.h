#pragma once

#include <QDate>
#include <QString>

class QPicture;
class QPrinter;
class QWidget;
class SourceAleatoire;
struct EtatPartage;

// Where a test sheet went, in words for the user: the message is empty
// when the sheet simply went to the printer.
struct SortieFeuille
{
    bool reussie = false;
    QString message;
    QString fichier; // the PDF written, if any
};

// Prints the sheet on that printer, on one page, without a dialog.
SortieFeuille imprime_feuille(const QPicture &feuille, QPrinter &imprimante);

// Writes the sheet as an A4 PDF into that folder, named after the day
// ("Test Tavelo 2026-05-12.pdf", then "... (2).pdf"...): an earlier sheet
// is never replaced. A folder that cannot be written is reported.
SortieFeuille enregistre_feuille_en_pdf(const QPicture &feuille, const QString &dossier,
                                        QDate jour);

// The user's documents folder, or the home folder where there is none.
QString dossier_des_documents();

// "Imprimer un test": draws a new sheet from the shared test settings and
// prints it on the default printer. Where there is no printer, the sheet
// goes to a PDF in the documents folder, opened in the desktop's viewer.
// Anything other than a plain print is told in a message over the window.
void imprime_un_test(EtatPartage &etat, SourceAleatoire &hasard, QWidget *fenetre);
