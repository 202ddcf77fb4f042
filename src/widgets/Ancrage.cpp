// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ancrage.h"

#include <QEvent>
#include <QWidget>

TAncrage::TAncrage(QWidget *cible)
    : QObject(cible)
    , m_cible(cible)
{
    cible->installEventFilter(this);
}

void TAncrage::setAlign(Ancrage::TAlign align)
{
    if (align == m_align)
        return;
    m_align = align;
    surveilleParent();
    place();
}

void TAncrage::surveilleParent()
{
    QWidget *parent = m_align == Ancrage::alNone ? nullptr : m_cible->parentWidget();
    if (parent == m_parentSurveille)
        return;
    if (m_parentSurveille)
        m_parentSurveille->removeEventFilter(this);
    m_parentSurveille = parent;
    if (parent)
        parent->installEventFilter(this);
}

bool TAncrage::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == m_cible && event->type() == QEvent::ParentChange) {
        surveilleParent();
        place();
    } else if (objet == m_parentSurveille && event->type() == QEvent::Resize) {
        place();
    }
    return QObject::eventFilter(objet, event);
}

void TAncrage::place()
{
    const QWidget *parent = m_cible->parentWidget();
    if (m_align == Ancrage::alNone || !parent)
        return;
    const QRect client = parent->contentsRect();
    QRect zone = m_cible->geometry();
    switch (m_align) {
    case Ancrage::alTop:
        zone = QRect(client.left(), client.top(), client.width(), zone.height());
        break;
    case Ancrage::alBottom:
        zone = QRect(client.left(), client.bottom() + 1 - zone.height(), client.width(), zone.height());
        break;
    case Ancrage::alLeft:
        zone = QRect(client.left(), client.top(), zone.width(), client.height());
        break;
    case Ancrage::alRight:
        zone = QRect(client.right() + 1 - zone.width(), client.top(), zone.width(), client.height());
        break;
    case Ancrage::alClient:
        zone = client;
        break;
    case Ancrage::alNone:
        break;
    }
    m_cible->setGeometry(zone);
}
