// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A live element for assistive technology: it takes no room and paints
// nothing, and each text given to annonce() becomes its name and is sent as
// a name change, and as the showing of a notification, which screen readers
// speak. What is on screen does not change.
class TAnnonce : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString texte READ texte)

public:
    explicit TAnnonce(QWidget *parent);

    // The text last announced.
    QString texte() const { return m_texte; }
    // Announces the text again even when it repeats the last one: two right
    // answers in a row are two verdicts.
    void annonce(const QString &texte);

private:
    QString m_texte;
};
