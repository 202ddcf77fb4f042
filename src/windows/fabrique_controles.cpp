// SPDX-License-Identifier: GPL-3.0-or-later
#include "fabrique_controles.h"

#include <QLabel>
#include <QPushButton>

namespace fabrique {

QFont police(const char *famille, int pixels, QFont::Weight graisse, Style style)
{
    QFont f(QString::fromLatin1(famille));
    f.setPixelSize(pixels);
    f.setWeight(graisse);
    f.setItalic(style == Style::italique);
    f.setUnderline(style == Style::souligne);
    return f;
}

int pixels_de_points(int points)
{
    return qRound(points * 96.0 / 72.0);
}

QLabel *etiquette(QWidget *parent, const char *nom, const QRect &r, const QString &texte,
                  const QFont &police, const QColor &couleur)
{
    auto *l = nomme(new QLabel(texte, parent), nom);
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

void colore_actif(QWidget *w, const QColor &couleur)
{
    QPalette p = w->palette();
    for (const auto groupe : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(groupe, QPalette::WindowText, couleur);
        p.setColor(groupe, QPalette::ButtonText, couleur);
    }
    w->setPalette(p);
}

QPushButton *bouton(QWidget *parent, const char *nom, const QRect &r, const QString &texte)
{
    auto *b = nomme(new QPushButton(texte, parent), nom);
    b->setGeometry(r);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace fabrique
