// SPDX-License-Identifier: GPL-3.0-or-later
#include "sans_gestionnaire.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#ifdef TAVELO_AVEC_X11
#include "affichage_x11.h"
#include <X11/Xatom.h>
#endif

namespace {

#ifdef TAVELO_AVEC_X11
// The window a window's _NET_SUPPORTING_WM_CHECK names, or None.
Window fenetre_de_controle(Display *d, Window w, Atom controle)
{
    Atom type = None;
    int format = 0;
    unsigned long nombre = 0;
    unsigned long reste = 0;
    unsigned char *donnees = nullptr;
    Window nommee = None;
    if (XGetWindowProperty(d, w, controle, 0, 1, False, XA_WINDOW, &type, &format, &nombre,
                           &reste, &donnees)
            == Success
        && type == XA_WINDOW && format == 32 && nombre == 1)
        nommee = *reinterpret_cast<Window *>(donnees);
    if (donnees)
        XFree(donnees);
    return nommee;
}
#endif

} // namespace

bool SansGestionnaire::gestionnaire_present()
{
#ifdef TAVELO_AVEC_X11
    Display *d = affichage_x11();
    if (!d)
        return true;
    // A manager that quit leaves the root's mark behind, naming a window
    // that is gone: the named window must carry the same mark.
    const Atom controle = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", True);
    if (controle == None)
        return false;
    const Window temoin = fenetre_de_controle(d, DefaultRootWindow(d), controle);
    return temoin != None && fenetre_de_controle(d, temoin, controle) == temoin;
#else
    return true;
#endif
}

SansGestionnaire::SansGestionnaire(QWidget &principale)
    : QObject(&principale), m_principale(&principale)
{
    suit(principale);
}

void SansGestionnaire::suit(QWidget &fenetre)
{
    fenetre.installEventFilter(this);
}

bool SansGestionnaire::eventFilter(QObject *objet, QEvent *event)
{
    auto *fenetre = static_cast<QWidget *>(objet);
    switch (event->type()) {
    case QEvent::WindowStateChange:
        etat_change(*fenetre, static_cast<QWindowStateChangeEvent *>(event)->oldState());
        break;
    case QEvent::Show:
        if (fenetre == m_principale)
            m_principale->activateWindow();
        break;
    case QEvent::Hide:
        if (fenetre != m_principale)
            QTimer::singleShot(0, this, &SansGestionnaire::rend_le_clavier);
        break;
    default:
        break;
    }
    return false;
}

void SansGestionnaire::etat_change(QWidget &fenetre, Qt::WindowStates avant)
{
    const Qt::WindowStates etat = fenetre.windowState();
    // No one would give a minimised window back: it stays as it was.
    if (etat.testFlag(Qt::WindowMinimized)) {
        QTimer::singleShot(0, &fenetre, [&fenetre, avant] { fenetre.setWindowState(avant); });
        return;
    }
    if (etat.testFlag(Qt::WindowMaximized) == avant.testFlag(Qt::WindowMaximized))
        return;
    QRect place;
    if (etat.testFlag(Qt::WindowMaximized)) {
        m_places_normales.insert(&fenetre, fenetre.normalGeometry());
        if (const QScreen *ecran = fenetre.screen())
            place = ecran->availableGeometry();
    } else {
        place = m_places_normales.take(&fenetre);
    }
    // Placed through its system window once shown: placing the widget
    // would take Qt's maximised state off it.
    if (place.isValid())
        QTimer::singleShot(0, &fenetre, [&fenetre, place] {
            if (QWindow *systeme = fenetre.windowHandle())
                systeme->setGeometry(place);
        });
}

// Once the hidden window has let go of the keyboard, nobody holds it.
void SansGestionnaire::rend_le_clavier()
{
    const QWidget *active = QApplication::activeWindow();
    if (m_principale->isVisible() && (!active || !active->isVisible()))
        m_principale->activateWindow();
}
