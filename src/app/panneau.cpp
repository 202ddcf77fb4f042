// SPDX-License-Identifier: GPL-3.0-or-later
#include "panneau.h"
#include "teintes.h"

#include <QMouseEvent>
#include <QPainter>

TPanneau::TPanneau(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanneau::setText(const QString &texte)
{
    if (texte == m_texte)
        return;
    m_texte = texte;
    update();
}

void TPanneau::setCouleur(const QColor &couleur)
{
    if (couleur == m_couleur)
        return;
    m_couleur = couleur;
    update();
}

void TPanneau::setCouleurPolice(const QColor &couleur)
{
    if (couleur == m_couleurPolice)
        return;
    m_couleurPolice = couleur;
    update();
}

void TPanneau::setLargeurBiseau(int largeur)
{
    largeur = qBound(0, largeur, 20);
    if (largeur == m_biseau)
        return;
    m_biseau = largeur;
    update();
}

void TPanneau::setReleve(bool valeur)
{
    if (valeur == m_releve)
        return;
    m_releve = valeur;
    update();
}

QRect TPanneau::interieur() const
{
    const int bord = m_releve ? 2 * m_biseau : m_biseau;
    return rect().adjusted(bord, bord, -bord, -bord);
}

namespace {

// One bevel, from the outside in: the top-left colour along the top and
// left, the bottom-right colour along the bottom and right.
void biseau(QPainter &p, QRect r, int largeur, const QColor &haut_gauche,
            const QColor &bas_droite)
{
    for (int i = 0; i < largeur && r.width() > 0 && r.height() > 0; ++i) {
        p.setPen(haut_gauche);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bas_droite);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

void TPanneau::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_couleur);

    const QColor ombre = teintes::gris;
    const QColor lumiere = teintes::blanc;
    QRect c = r;
    if (m_releve) {
        biseau(p, c, m_biseau, lumiere, ombre);
        c.adjust(m_biseau, m_biseau, -m_biseau, -m_biseau);
    }
    biseau(p, c, m_biseau, ombre, lumiere);

    if (!m_texte.isEmpty()) {
        p.setFont(font());
        p.setPen(m_couleurPolice);
        p.drawText(r, Qt::AlignCenter, m_texte);
    }
}

void TPanneau::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
