// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

// The controls of a window by design name, matched without regard to case,
// for the windows that address families of numbered controls ("label" + n,
// "edit" + n, "Button_rep_" + n). A name that finds nothing is a programming
// error: it fails an assertion in debug builds.
template <class Controle = QWidget>
class RepertoireControles
{
public:
    // Indexes every named descendant of `racine` of the given kind.
    void indexe(const QWidget &racine)
    {
        for (Controle *c : racine.findChildren<Controle *>())
            if (!c->objectName().isEmpty())
                m_controles.insert(c->objectName().toLower(), c);
    }

    Controle *operator()(const QString &nom) const
    {
        Controle *c = m_controles.value(nom.toLower());
        Q_ASSERT_X(c, "RepertoireControles", qPrintable(nom));
        return c;
    }

private:
    QHash<QString, Controle *> m_controles;
};
