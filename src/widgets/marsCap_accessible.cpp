// SPDX-License-Identifier: GPL-3.0-or-later
#include "marsCap_accessible.h"

#include "marsCap.h"

#include <QWidget>

namespace {

// The name of a button: what it does now, as the system menu says it.
QString nom_bouton(GenreBouton genre, const QWidget &fenetre)
{
    switch (genre) {
    case GenreBouton::Fermer:
        return QStringLiteral("Fermer");
    case GenreBouton::Agrandir:
        return fenetre.isMaximized() ? QStringLiteral("Restaurer") : QStringLiteral("Agrandir");
    case GenreBouton::Reduire:
        return fenetre.isMinimized() ? QStringLiteral("Restaurer") : QStringLiteral("Réduire");
    case GenreBouton::Aide:
        return QStringLiteral("Aide");
    }
    return {};
}

} // namespace

BarreAccessible::BarreAccessible(TMarsCaption *barre) : QAccessibleWidget(barre, QAccessible::ToolBar)
{
}

BarreAccessible::~BarreAccessible()
{
    for (QAccessible::Id id : m_boutons) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

TMarsCaption *BarreAccessible::barre() const
{
    return static_cast<TMarsCaption *>(widget());
}

QString BarreAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return barre()->caption();
    return QAccessibleWidget::text(t);
}

QList<GenreBouton> BarreAccessible::boutons_montres() const
{
    QList<GenreBouton> montres;
    // Drawn right to left: read left to right.
    for (auto genre = genres_boutons.rbegin(); genre != genres_boutons.rend(); ++genre) {
        if (barre()->bouton(*genre).visible())
            montres.append(*genre);
    }
    return montres;
}

QAccessibleInterface *BarreAccessible::interface_bouton(GenreBouton genre) const
{
    QAccessible::Id &id = m_boutons[indice(genre)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new BoutonBarreAccessible(barre(), genre));
    return QAccessible::accessibleInterface(id);
}

// The widget covers the whole window to paint its frame; the bar is its top.
QRect BarreAccessible::rect() const
{
    const QRect bande = barre()->disposition().barre;
    return QRect(barre()->mapToGlobal(bande.topLeft()), bande.size());
}

int BarreAccessible::childCount() const
{
    return int(boutons_montres().size());
}

QAccessibleInterface *BarreAccessible::child(int index) const
{
    const QList<GenreBouton> montres = boutons_montres();
    if (index < 0 || index >= montres.size())
        return nullptr;
    return interface_bouton(montres.at(index));
}

int BarreAccessible::indexOfChild(const QAccessibleInterface *enfant) const
{
    const QList<GenreBouton> montres = boutons_montres();
    for (int i = 0; i < montres.size(); ++i) {
        if (m_boutons[indice(montres.at(i))] != 0 && interface_bouton(montres.at(i)) == enfant)
            return i;
    }
    return -1;
}

QAccessibleInterface *BarreAccessible::childAt(int x, int y) const
{
    const QPoint point = barre()->mapFromGlobal(QPoint(x, y));
    for (GenreBouton genre : boutons_montres()) {
        if (barre()->bouton(genre).rect().contains(point))
            return interface_bouton(genre);
    }
    return nullptr;
}

BoutonBarreAccessible::BoutonBarreAccessible(TMarsCaption *barre, GenreBouton genre)
    : m_barre(barre), m_genre(genre)
{
}

bool BoutonBarreAccessible::isValid() const
{
    return !m_barre.isNull();
}

QObject *BoutonBarreAccessible::object() const
{
    return nullptr;
}

QWindow *BoutonBarreAccessible::window() const
{
    return m_barre ? m_barre->window()->windowHandle() : nullptr;
}

QAccessibleInterface *BoutonBarreAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_barre.data());
}

QString BoutonBarreAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !m_barre)
        return {};
    return nom_bouton(m_genre, *m_barre->window());
}

QRect BoutonBarreAccessible::rect() const
{
    if (!m_barre)
        return {};
    const QRect r = m_barre->bouton(m_genre).rect();
    return QRect(m_barre->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State BoutonBarreAccessible::state() const
{
    QAccessible::State etat;
    if (!m_barre)
        return etat;
    const TMarsCaptionSystemButton &b = m_barre->bouton(m_genre);
    etat.invisible = !b.visible() || !m_barre->isVisible();
    etat.disabled = !b.enabled();
    etat.pressed = b.pressed();
    return etat;
}

void *BoutonBarreAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                : nullptr;
}

QStringList BoutonBarreAccessible::actionNames() const
{
    if (!m_barre || !m_barre->bouton(m_genre).enabled())
        return {};
    return {pressAction()};
}

void BoutonBarreAccessible::doAction(const QString &action)
{
    if (action == pressAction() && !actionNames().isEmpty())
        m_barre->bouton_agit(m_genre);
}
