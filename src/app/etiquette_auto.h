// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A transparent label that fits its text or picture: its size follows a
// change of text, picture or font at once, so that a layout can read it
// back right after the change.
class EtiquetteAuto : public QLabel
{
    Q_OBJECT

public:
    explicit EtiquetteAuto(QWidget *parent = nullptr);

    void ecrit(const QString &texte);
    void montre_image(const QPixmap &image);

protected:
    void changeEvent(QEvent *event) override;
};
