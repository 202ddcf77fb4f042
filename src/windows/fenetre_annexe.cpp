#include "fenetre_annexe.h"

#include "barres_de_titre.h"
#include "marsCap.h"

#include <QVBoxLayout>
#include <QWidget>

namespace {

// Dialog windows get a dialog border: a thinner frame and no icon in the
// bar.
Qt::WindowFlags drapeaux(Cadre cadre)
{
    const Qt::WindowFlags dessus = Qt::WindowStaysOnTopHint;
    const Qt::WindowFlags barre_seule = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    const Qt::WindowFlags fermeture =
        barre_seule | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (cadre) {
    case Cadre::Normal:
        return Qt::Window | dessus;
    case Cadre::Dialogue:
        return Qt::Dialog | dessus | fermeture;
    case Cadre::FermetureSeule:
        return Qt::Window | dessus | fermeture;
    case Cadre::SansBoutons:
        return Qt::Dialog | dessus | barre_seule;
    }
    return Qt::Window | dessus;
}

void dimensionne(QWidget &fenetre, QSize taille, Cadre cadre)
{
    if (cadre == Cadre::Dialogue || cadre == Cadre::SansBoutons)
        fenetre.setFixedSize(taille);
    else
        fenetre.resize(taille);
}

} // namespace

QWidget *prepare_fenetre(QWidget &fenetre, const char *nom, const QString &titre, QSize taille,
                         Cadre cadre)
{
    fenetre.setObjectName(QString::fromLatin1(nom));
    fenetre.setWindowTitle(titre);
    fenetre.setWindowFlags(drapeaux(cadre));
    dimensionne(fenetre, taille, cadre);

    auto *client = new QWidget(&fenetre);
    client->setObjectName(QStringLiteral("zone_client"));
    auto *disposition = new QVBoxLayout(&fenetre);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    disposition->addWidget(client);

    // A painted bar and frame take their room around the client area,
    // unless the design size already counts them.
    if (const TMarsCaption *barre = pose_barre_de_titre(fenetre);
        barre && !taille_exterieure(fenetre))
        dimensionne(fenetre, taille.grownBy(barre->marges()), cadre);
    return client;
}

QWidget *prepare_fenetre(QWidget &fenetre, const char *nom, const QString &titre, QSize taille,
                         Cadre cadre, QPoint position)
{
    QWidget *client = prepare_fenetre(fenetre, nom, titre, taille, cadre);
    fenetre.move(position);
    return client;
}
