// SPDX-License-Identifier: GPL-3.0-or-later
#include "marsCap.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWhatsThis>
#include <QWindow>

#include <functional>
#include <utility>

void TMarsCaption::cree_menu_systeme()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("menu_systeme"));
    QWidget *f = fenetre();
    const struct
    {
        const char *nom;
        QString texte;
        std::function<void()> commande;
    } entrees[] = {
        {"restaurer", QStringLiteral("Restaurer"), [f] { f->showNormal(); }},
        {"deplacer", QStringLiteral("Déplacer"),
         [this] { commence_glissement(QCursor::pos(), true); }},
        {"taille", QStringLiteral("Taille"),
         [f] { f->windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge); }},
        {"reduire", QStringLiteral("Réduire"), [f] { f->showMinimized(); }},
        {"agrandir", QStringLiteral("Agrandir"), [f] { f->showMaximized(); }},
        {"fermer", QStringLiteral("Fermer"), [f] { f->close(); }},
    };
    connect(m_menu, &QMenu::aboutToHide, this, &TMarsCaption::menu_systeme_ferme);
    for (const auto &e : entrees) {
        if (QLatin1String(e.nom) == QLatin1String("fermer"))
            m_menu->addSeparator();
        QAction *action = m_menu->addAction(e.texte);
        action->setObjectName(QString::fromLatin1(e.nom));
        connect(action, &QAction::triggered, this, e.commande);
    }
}

// The entries' states follow the window's state and its buttons, set anew
// before each opening.
void TMarsCaption::ouvre_menu_systeme(const QPoint &global)
{
    const DispositionBarre d = disposition();
    const EtatsMenuSysteme e = etats_menu_systeme(fenetre()->windowState(),
                                                  d.bouton_actif(GenreBouton::Reduire),
                                                  d.bouton_actif(GenreBouton::Agrandir));
    auto entree = [this](const char *nom) {
        return m_menu->findChild<QAction *>(QLatin1String(nom));
    };
    entree("restaurer")->setEnabled(e.restaurer);
    entree("deplacer")->setEnabled(e.deplacer);
    entree("taille")->setEnabled(e.taille);
    entree("reduire")->setEnabled(e.reduire);
    entree("agrandir")->setEnabled(e.agrandir);
    m_menu->setDefaultAction(entree(e.restaurer_par_defaut ? "restaurer" : "fermer"));
    m_menu->popup(global);
}

// A second press on the icon soon after the one that opened the menu makes
// a double-click: it dismisses the menu, which swallows the press and its
// release, and closes the window.
void TMarsCaption::menu_systeme_ferme()
{
    if (!m_clic_icone.isValid() || m_clic_icone.elapsed() >= QApplication::doubleClickInterval()
        || !QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)
        || !disposition().icone.contains(mapFromGlobal(QCursor::pos())))
        return;
    m_clic_icone.invalidate();
    QMetaObject::invokeMethod(fenetre(), &QWidget::close, Qt::QueuedConnection);
}

void TMarsCaption::bouton_agit(GenreBouton genre)
{
    QWidget *f = fenetre();
    switch (genre) {
    case GenreBouton::Fermer:
        f->close();
        break;
    case GenreBouton::Reduire:
        f->isMinimized() ? f->showNormal() : f->showMinimized();
        break;
    case GenreBouton::Agrandir:
        f->isMaximized() ? f->showNormal() : f->showMaximized();
        break;
    case GenreBouton::Aide:
        QWhatsThis::enterWhatsThisMode();
        break;
    }
}

TMarsCaptionSystemButton *TMarsCaption::bouton_sous(const QPoint &point)
{
    for (TMarsCaptionSystemButton &b : m_boutons)
        if (b.visible() && b.rect().contains(point))
            return &b;
    return nullptr;
}

// The window system moves the window where it can; otherwise the window
// follows the pointer by hand (a bare X server, or a platform without
// window management).
void TMarsCaption::commence_glissement(const QPoint &global, bool jusqu_au_clic)
{
    QWindow *fenetre_systeme = fenetre()->windowHandle();
    if (!jusqu_au_clic && fenetre_systeme && fenetre_systeme->startSystemMove())
        return;
    m_glisse = true;
    m_glisse_jusqu_au_clic = jusqu_au_clic;
    m_decalage_glissement = global - fenetre()->pos();
    grabMouse(Qt::SizeAllCursor);
}

// Carries a manual move on; returns whether the event belonged to it.
bool TMarsCaption::glisse_fenetre(QMouseEvent *event)
{
    if (!m_glisse)
        return false;
    const QPoint global = event->globalPosition().toPoint();
    const bool fin = m_glisse_jusqu_au_clic ? event->type() == QEvent::MouseButtonPress
                                            : event->type() == QEvent::MouseButtonRelease;
    fenetre()->move(global - m_decalage_glissement);
    if (fin) {
        m_glisse = false;
        releaseMouse();
    }
    return true;
}

// The sizing frame of a window that may be resized.
bool TMarsCaption::sur_bord(const QPoint &point, Qt::Edges &bords) const
{
    const StyleBordure style = styleBordure();
    if (style != StyleBordure::Redimensionnable && style != StyleBordure::OutilRedimensionnable)
        return false;
    if (fenetre()->isMaximized() || fenetre()->isMinimized())
        return false;
    const int f = disposition().cadre;
    bords = {};
    bords.setFlag(Qt::LeftEdge, point.x() < f);
    bords.setFlag(Qt::RightEdge, point.x() >= width() - f);
    bords.setFlag(Qt::TopEdge, point.y() < f);
    bords.setFlag(Qt::BottomEdge, point.y() >= height() - f);
    return bords != Qt::Edges();
}

void TMarsCaption::mousePressEvent(QMouseEvent *event)
{
    if (glisse_fenetre(event))
        return;
    const QPoint point = event->position().toPoint();
    Qt::Edges bords;
    if (event->button() == Qt::LeftButton && sur_bord(point, bords)) {
        fenetre()->windowHandle()->startSystemResize(bords);
        return;
    }
    const DispositionBarre d = disposition();
    if (!d.barre.contains(point))
        return;
    fenetre()->raise();
    if (TMarsCaptionSystemButton *b = bouton_sous(point)) {
        if (event->button() == Qt::LeftButton && b->appuie())
            update(b->rect());
        return;
    }
    if (event->button() == Qt::RightButton) {
        m_menu_arme = point.x() < d.boutons.left() && d.bouton_montre(GenreBouton::Fermer);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (d.icone.contains(point)) {
        // The second press of a double-click on the icon is swallowed: its
        // release closes the window.
        if (m_clic_icone.isValid()
            && m_clic_icone.elapsed() < QApplication::doubleClickInterval())
            return;
        m_clic_icone.start();
        ouvre_menu_systeme(mapToGlobal(d.icone.bottomLeft() + QPoint(0, 1)));
        return;
    }
    // The move starts once the pointer has left the press point, so that
    // the second press of a double-click still reaches the bar.
    if (!fenetre()->isMaximized())
        m_appui_barre = event->globalPosition().toPoint();
}

void TMarsCaption::mouseMoveEvent(QMouseEvent *event)
{
    if (glisse_fenetre(event))
        return;
    if (m_appui_barre && event->buttons().testFlag(Qt::LeftButton)
        && (event->globalPosition().toPoint() - *m_appui_barre).manhattanLength()
               >= QApplication::startDragDistance()) {
        commence_glissement(*std::exchange(m_appui_barre, std::nullopt), false);
        glisse_fenetre(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    for (TMarsCaptionSystemButton &b : m_boutons)
        if (b.deplace(point))
            update(b.rect());
    Qt::Edges bords;
    if (event->buttons() != Qt::NoButton || !sur_bord(point, bords))
        unsetCursor();
    else if (bords == (Qt::LeftEdge | Qt::TopEdge) || bords == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (bords == (Qt::RightEdge | Qt::TopEdge) || bords == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else
        setCursor(bords & (Qt::LeftEdge | Qt::RightEdge) ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

void TMarsCaption::mouseReleaseEvent(QMouseEvent *event)
{
    m_appui_barre.reset();
    if (glisse_fenetre(event))
        return;
    const QPoint point = event->position().toPoint();
    for (TMarsCaptionSystemButton &b : m_boutons) {
        bool agit = false;
        if (event->button() == Qt::LeftButton && b.relache(point, agit)) {
            update(b.rect());
            if (agit)
                bouton_agit(b.genre());
            return;
        }
    }
    const DispositionBarre d = disposition();
    if (!d.barre.contains(point))
        return;
    if (event->button() == Qt::RightButton) {
        const bool arme = m_menu_arme && !bouton_sous(point);
        m_menu_arme = false;
        if (arme)
            ouvre_menu_systeme(event->globalPosition().toPoint());
        return;
    }
    // Where the platform hands on the release of the press that dismissed
    // the menu, that release, soon enough, makes the double-click.
    if (event->button() == Qt::LeftButton && m_clic_icone.isValid() && !m_menu->isVisible()
        && m_clic_icone.elapsed() < QApplication::doubleClickInterval()) {
        m_clic_icone.invalidate();
        fenetre()->close();
    }
}

void TMarsCaption::mouseDoubleClickEvent(QMouseEvent *event)
{
    const DispositionBarre d = disposition();
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && d.texte.contains(point)) {
        if (d.bouton_actif(GenreBouton::Agrandir))
            bouton_agit(GenreBouton::Agrandir);
        return;
    }
    // Elsewhere a double-click is a second press.
    mousePressEvent(event);
}
