// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// Docking of a widget in its parent, as the widgets' Align property offers
// it: none, along one edge (keeping its own height or width), or the whole
// client area. Each docked widget is placed against the parent's full
// client area, independently of its docked siblings.
namespace Ancrage {
Q_NAMESPACE

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

} // namespace Ancrage

// Keeps a widget docked while its parent is resized or it changes parent.
class TAncrage : public QObject
{
    Q_OBJECT

public:
    explicit TAncrage(QWidget *cible);

    Ancrage::TAlign align() const { return m_align; }
    void setAlign(Ancrage::TAlign align);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void surveilleParent();
    void place();

    QWidget *m_cible;
    QObject *m_parentSurveille = nullptr;
    Ancrage::TAlign m_align = Ancrage::alNone;
};
