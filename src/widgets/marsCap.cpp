// SPDX-License-Identifier: GPL-3.0-or-later
#include "marsCap.h"

#include <QEvent>

#include <stdexcept>

void TMarsCaptionSystemButton::place(const QRect &rect, bool visible, bool actif)
{
    m_rect = rect;
    m_visible = visible;
    m_actif = actif;
}

QRect TMarsCaptionSystemButton::zone_sensible() const
{
    return m_rect.adjusted(0, -2, m_genre == GenreBouton::Fermer ? 2 : 0, 2);
}

bool TMarsCaptionSystemButton::appuie()
{
    if (!m_visible || !m_actif)
        return false;
    m_enfonce = true;
    m_suivi = true;
    return true;
}

bool TMarsCaptionSystemButton::deplace(const QPoint &point)
{
    if (!m_suivi)
        return false;
    const bool dedans = zone_sensible().contains(point);
    if (dedans == m_enfonce)
        return false;
    m_enfonce = dedans;
    return true;
}

bool TMarsCaptionSystemButton::relache(const QPoint &point, bool &agit)
{
    agit = false;
    if (!m_suivi)
        return false;
    m_suivi = false;
    m_enfonce = false;
    agit = zone_sensible().contains(point);
    return true;
}

namespace {

IconesBordure icones_des_drapeaux(Qt::WindowFlags drapeaux)
{
    // Without customisation a window has the usual buttons.
    if (!drapeaux.testFlag(Qt::CustomizeWindowHint))
        return IconesBordure(IconeBordure::MenuSysteme) | IconeBordure::Reduire
               | IconeBordure::Agrandir;
    IconesBordure icones;
    const struct
    {
        Qt::WindowType drapeau;
        IconeBordure icone;
    } correspondances[] = {{Qt::WindowSystemMenuHint, IconeBordure::MenuSysteme},
                           {Qt::WindowMinimizeButtonHint, IconeBordure::Reduire},
                           {Qt::WindowMaximizeButtonHint, IconeBordure::Agrandir},
                           {Qt::WindowContextHelpButtonHint, IconeBordure::Aide}};
    for (const auto &c : correspondances)
        icones.setFlag(c.icone, drapeaux.testFlag(c.drapeau));
    return icones;
}

} // namespace

TMarsCaption::TMarsCaption(QWidget *owner) : QWidget(owner)
{
    if (!owner || !owner->isWindow())
        throw std::invalid_argument("The MarsCaption's owner must be a Form!");
    setObjectName(QStringLiteral("MarsCaption1"));
    setMouseTracking(true);
    // Every painting covers its region: nothing beneath is painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The window system draws neither frame nor bar from now on. Qt keeps
    // a customised window framed while it asks for title-bar buttons, so
    // the buttons are remembered as the border icons and taken off.
    m_drapeaux_avant = owner->windowFlags();
    m_icones = icones_des_drapeaux(m_drapeaux_avant);
    Qt::WindowFlags drapeaux = m_drapeaux_avant | Qt::FramelessWindowHint;
    if (drapeaux.testFlag(Qt::CustomizeWindowHint))
        drapeaux &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint
                      | Qt::WindowContextHelpButtonHint);
    owner->setWindowFlags(drapeaux);

    m_police_legende = owner->font();
    m_police_legende.setBold(false);
    m_police_legende.setItalic(false);
    m_police_legende.setUnderline(false);
    m_police_legende.setStrikeOut(false);
    m_police_application = owner->font();
    m_police_application.setBold(true);
    m_legende = owner->windowTitle();

    cree_menu_systeme();
    connect(owner, &QObject::destroyed, this, [this] { m_fenetre_detruite = true; });
    owner->installEventFilter(this);
    suit_la_fenetre();
    lower();
}

TMarsCaption::~TMarsCaption()
{
    if (m_fenetre_detruite)
        return;
    // Alone to go: the window gets its own frame back, where it was.
    QWidget *f = fenetre();
    f->removeEventFilter(this);
    f->setContentsMargins(0, 0, 0, 0);
    const bool visible = f->isVisible();
    f->setWindowFlags(m_drapeaux_avant);
    if (visible) {
        f->setAttribute(Qt::WA_ShowWithoutActivating, true);
        f->show();
        f->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

void TMarsCaption::setApplicationNameFont(const QFont &police)
{
    m_police_application = police;
    update();
}

void TMarsCaption::setCaptionFont(const QFont &police)
{
    m_police_legende = police;
    update();
}

StyleBordure TMarsCaption::styleBordure() const
{
    const QWidget *f = fenetre();
    if (m_drapeaux_avant.testFlag(Qt::FramelessWindowHint))
        return StyleBordure::Aucune;
    const bool fixe = f->minimumSize() == f->maximumSize();
    switch (f->windowType()) {
    case Qt::Tool:
        return fixe ? StyleBordure::Outil : StyleBordure::OutilRedimensionnable;
    case Qt::Dialog:
        return StyleBordure::Dialogue;
    default:
        return fixe ? StyleBordure::Simple : StyleBordure::Redimensionnable;
    }
}

DispositionBarre TMarsCaption::disposition() const
{
    return dispose_barre(fenetre()->width(), styleBordure(), iconesBordure(),
                         fenetre()->isMinimized());
}

QMargins TMarsCaption::marges() const
{
    const DispositionBarre d = disposition();
    return QMargins(d.cadre, d.marge_haute(), d.cadre, d.cadre);
}

QRegion TMarsCaption::zone_peinte(const DispositionBarre &d) const
{
    const QRect client = rect().marginsRemoved(QMargins(d.cadre, d.marge_haute(), d.cadre, d.cadre));
    return QRegion(rect()).subtracted(client);
}

bool TMarsCaption::actif() const
{
    return fenetre()->isActiveWindow();
}

const TMarsCaptionSystemButton &TMarsCaption::bouton(GenreBouton genre) const
{
    return m_boutons[indice(genre)];
}

void TMarsCaption::place_boutons(const DispositionBarre &d)
{
    for (TMarsCaptionSystemButton &b : m_boutons)
        b.place(d.rect_bouton[indice(b.genre())], d.montre[indice(b.genre())],
                d.actif[indice(b.genre())]);
}

// Spans the whole window, masked to its frame and bar, and keeps its
// client area clear of them. A window without either has nothing to paint.
void TMarsCaption::suit_la_fenetre()
{
    setGeometry(fenetre()->rect());
    const DispositionBarre d = disposition();
    fenetre()->setContentsMargins(QMargins(d.cadre, d.marge_haute(), d.cadre, d.cadre));
    place_boutons(d);
    const QRegion zone = zone_peinte(d);
    if (!zone.isEmpty())
        setMask(zone);
    setVisible(!zone.isEmpty());
    update();
}

bool TMarsCaption::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == fenetre()) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            suit_la_fenetre();
            break;
        case QEvent::WindowTitleChange:
            m_legende = fenetre()->windowTitle();
            update(disposition().texte);
            break;
        case QEvent::WindowIconChange:
            m_image_icone = QPixmap();
            update(disposition().icone);
            break;
        case QEvent::ActivationChange:
            update(disposition().barre);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(objet, event);
}
