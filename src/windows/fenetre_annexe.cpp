#include "fenetre_annexe.h"

#include <QVBoxLayout>
#include <QWidget>

namespace {

Qt::WindowFlags drapeaux(Cadre cadre)
{
    const Qt::WindowFlags base = Qt::Window | Qt::WindowStaysOnTopHint;
    switch (cadre) {
    case Cadre::Normal:
        return base;
    case Cadre::Dialogue:
    case Cadre::FermetureSeule:
        return base | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
               | Qt::WindowCloseButtonHint;
    case Cadre::SansBoutons:
        return base | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    }
    return base;
}

} // namespace

QWidget *prepare_fenetre(QWidget &fenetre, const char *nom, const QString &titre, QSize taille,
                         Cadre cadre)
{
    fenetre.setObjectName(QString::fromLatin1(nom));
    fenetre.setWindowTitle(titre);
    fenetre.setWindowFlags(drapeaux(cadre));
    if (cadre == Cadre::Dialogue || cadre == Cadre::SansBoutons)
        fenetre.setFixedSize(taille);
    else
        fenetre.resize(taille);

    auto *client = new QWidget(&fenetre);
    client->setObjectName(QStringLiteral("zone_client"));
    auto *disposition = new QVBoxLayout(&fenetre);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    disposition->addWidget(client);
    return client;
}

QWidget *prepare_fenetre(QWidget &fenetre, const char *nom, const QString &titre, QSize taille,
                         Cadre cadre, QPoint position)
{
    QWidget *client = prepare_fenetre(fenetre, nom, titre, taille, cadre);
    fenetre.move(position);
    return client;
}
