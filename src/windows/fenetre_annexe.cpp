// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre_annexe.h"

#include "barres_de_titre.h"
#include "marsCap.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace {

// The keys every secondary window shares. It sees the keys the focused
// control leaves: a push button leaves Return, an edit field Escape.
class ClavierAnnexe : public QObject
{
    Q_OBJECT

public:
    explicit ClavierAnnexe(QWidget &fenetre) : QObject(&fenetre), m_fenetre(fenetre)
    {
        setObjectName(QStringLiteral("clavier_annexe"));
        fenetre.installEventFilter(this);
    }

    std::function<bool()> fermable = [] { return true; };

protected:
    bool eventFilter(QObject *objet, QEvent *event) override
    {
        if (objet != &m_fenetre || event->type() != QEvent::KeyPress)
            return false;
        const auto *touche = static_cast<QKeyEvent *>(event);
        if (touche->modifiers() & ~Qt::KeypadModifier)
            return false;
        switch (touche->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto *bouton = qobject_cast<QPushButton *>(m_fenetre.focusWidget());
                bouton && bouton->isEnabled()) {
                bouton->click();
                return true;
            }
            return false;
        case Qt::Key_Escape:
            if (fermable())
                m_fenetre.close();
            return true;
        default:
            return false;
        }
    }

private:
    QWidget &m_fenetre;
};

// Qt ties the focus window to the application by a connection it makes at
// each activation and undoes when another window is activated. A window
// that hides while it has the focus, as a secondary window closed by the
// pupil does, hands the focus on without that undoing: each opening would
// leave one more connection on the window for the rest of the run. Once
// hidden and no longer the focus window, the window keeps none; its next
// activation makes a fresh one. Qt's slot is private: only its name
// reaches it.
class FinDuFocus : public QObject
{
public:
    explicit FinDuFocus(QWidget &fenetre) : QObject(&fenetre), m_fenetre(fenetre)
    {
        fenetre.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *objet, QEvent *event) override
    {
        // The focus moves on once the hiding is over.
        if (objet == &m_fenetre && event->type() == QEvent::Hide)
            QMetaObject::invokeMethod(this, &FinDuFocus::oublie, Qt::QueuedConnection);
        return false;
    }

private:
    void oublie()
    {
        const QWindow *systeme = m_fenetre.windowHandle();
        if (systeme && !m_fenetre.isVisible() && QGuiApplication::focusWindow() != systeme)
            QObject::disconnect(systeme, SIGNAL(focusObjectChanged(QObject*)), qApp,
                                SLOT(_q_updateFocusObject(QObject*)));
    }

    QWidget &m_fenetre;
};

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

    new ClavierAnnexe(fenetre);
    new FinDuFocus(fenetre);

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

void echap_ferme_si(QWidget &fenetre, std::function<bool()> fermable)
{
    fenetre.findChild<ClavierAnnexe *>(QString(), Qt::FindDirectChildrenOnly)->fermable =
        std::move(fermable);
}

#include "fenetre_annexe.moc"
