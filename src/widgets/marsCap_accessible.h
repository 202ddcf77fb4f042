// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "marsCap_disposition.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

class TMarsCaption;

// The painted caption bar as a screen reader sees it: a tool bar (AT-SPI
// has no title-bar role) named by the window's caption, holding the buttons it shows as push buttons with
// their names ("Aide", "Réduire", "Agrandir", "Fermer"; "Restaurer" where
// the button restores), left to right, which a press action works.
class BarreAccessible : public QAccessibleWidget
{
public:
    explicit BarreAccessible(TMarsCaption *barre);
    ~BarreAccessible() override;

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *enfant) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    TMarsCaption *barre() const;
    // The buttons shown, left to right.
    QList<GenreBouton> boutons_montres() const;
    QAccessibleInterface *interface_bouton(GenreBouton genre) const;

    // Object-less interfaces are registered with Qt once and freed here.
    mutable std::array<QAccessible::Id, 4> m_boutons{}; // by indice(genre)
};

// One button of a painted caption bar.
class BoutonBarreAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    BoutonBarreAccessible(TMarsCaption *barre, GenreBouton genre);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &action) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<TMarsCaption> m_barre;
    GenreBouton m_genre;
};
