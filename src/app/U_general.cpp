#include "U_general.h"

#include <QCloseEvent>
#include <QShowEvent>

Tgeneral::Tgeneral(EtatPartage &etat, SourceAleatoire &hasard) : m_etat(etat), m_hasard(hasard)
{
    setObjectName(QStringLiteral("general"));
    setWindowTitle(QStringLiteral("TAVELO"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    resize(646, 495);
}

Tgeneral::~Tgeneral() = default;

void Tgeneral::associe_fenetres(const FenetresAnnexes &fenetres)
{
    m_fenetres = fenetres;
}

void Tgeneral::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_deja_montree)
        return;
    m_deja_montree = true;
}

void Tgeneral::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    emit fermee();
}
