// SPDX-License-Identifier: GPL-3.0-or-later
#include "clavier_menu.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionMenuItem>

namespace {

// Some styles (Fusion among them) leave the bar out of the keyboard: no
// Alt, no arrows, and an entry selected from the keyboard looks like the
// others. This one, over the application's style, lets the keyboard in and
// highlights that entry as if its menu were open.
class StyleBarreAuClavier : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *retour) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, retour);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *peintre,
                     const QWidget *widget) const override
    {
        const auto *entree = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element == CE_MenuBarItem && entree && widget && widget->hasFocus()
            && entree->state.testFlag(State_Selected)) {
            QStyleOptionMenuItem choisie(*entree);
            choisie.state |= State_Sunken;
            QProxyStyle::drawControl(element, &choisie, peintre, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, peintre, widget);
    }
};

} // namespace

ClavierMenu::ClavierMenu(QMenuBar *barre) : QObject(barre), m_barre(barre)
{
    auto *style = new StyleBarreAuClavier;
    style->setParent(this);
    barre->setStyle(style);

    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), barre->window());
    f10->setObjectName(QStringLiteral("raccourci_f10"));
    connect(f10, &QShortcut::activated, this, &ClavierMenu::bascule);
}

// The bar enters its keyboard mode on a tap of Alt alone: the override the
// press sends, then the release, both seen by the bar's watch on its
// window. F10 taps it.
void ClavierMenu::bascule()
{
    QWidget *fenetre = m_barre->window();
    // An Alt key's event holds Alt with no modifier given (QKeyEvent adds it).
    QKeyEvent appui(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(fenetre, &appui);
    QKeyEvent relache(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(fenetre, &relache);
}
