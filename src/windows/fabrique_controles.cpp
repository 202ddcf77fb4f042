// SPDX-License-Identifier: GPL-3.0-or-later
#include "fabrique_controles.h"

#include <QLabel>
#include <QPushButton>

namespace fabrique {

QFont police(const char *famille, int pixels, bool gras)
{
    QFont f(QString::fromLatin1(famille));
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

int pixels_de_points(int points)
{
    return qRound(points * 96.0 / 72.0);
}

QLabel *etiquette(QWidget *parent, const char *nom, const QRect &r, const QString &texte,
                  const QFont &police, const QColor &couleur)
{
    auto *l = new QLabel(texte, parent);
    l->setObjectName(QString::fromLatin1(nom));
    l->setGeometry(r);
    l->setFont(police);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setMargin(0);
    colore(l, couleur);
    return l;
}

void colore(QWidget *w, const QColor &couleur)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, couleur);
    w->setPalette(p);
}

QPushButton *bouton(QWidget *parent, const char *nom, const QRect &r, const QString &texte)
{
    auto *b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setGeometry(r);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace fabrique
