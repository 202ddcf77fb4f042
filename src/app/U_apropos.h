// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QWidget>

// The about box: the program's icon, name and version, what it is for, and
// two links, to the project's page and to its contact address.
class Ta_propos : public QWidget
{
    Q_OBJECT

public:
    static const QUrl adresse_site;
    static const QUrl adresse_courriel;

    explicit Ta_propos(QWidget *principale);

private:
    void OKButtonClick();
};
