#include "panneau.h"

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

void TPanneau::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_couleur);

    // A lowered bevel: shadow along the top and left, light along the
    // bottom and right, one line per pixel of width.
    const QColor ombre(128, 128, 128);
    const QColor lumiere(255, 255, 255);
    for (int i = 0; i < m_biseau; ++i) {
        const QRect c = r.adjusted(i, i, -i, -i);
        if (c.width() <= 0 || c.height() <= 0)
            break;
        p.setPen(ombre);
        p.drawLine(c.topLeft(), c.topRight());
        p.drawLine(c.topLeft(), c.bottomLeft());
        p.setPen(lumiere);
        p.drawLine(c.bottomLeft(), c.bottomRight());
        p.drawLine(c.topRight(), c.bottomRight());
    }

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
