// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_programme.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleFactory>

namespace {

// An icon that asks the style for its pictures at their first use.
class IconeDifferee : public QIconEngine
{
public:
    IconeDifferee(QStyle *style, QStyle::StandardPixmap icone) : m_style(style), m_icone(icone)
    {
    }

    QPixmap pixmap(const QSize &taille, QIcon::Mode mode, QIcon::State etat) override
    {
        return vraie().pixmap(taille, mode, etat);
    }
    void paint(QPainter *peintre, const QRect &rect, QIcon::Mode mode, QIcon::State etat) override
    {
        vraie().paint(peintre, rect, Qt::AlignCenter, mode, etat);
    }
    QSize actualSize(const QSize &taille, QIcon::Mode mode, QIcon::State etat) override
    {
        return vraie().actualSize(taille, mode, etat);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State etat) override
    {
        return vraie().availableSizes(mode, etat);
    }
    QIconEngine *clone() const override { return new IconeDifferee(*this); }

private:
    const QIcon &vraie()
    {
        if (m_vraie.isNull() && m_style)
            m_vraie = m_style->standardIcon(m_icone);
        return m_vraie;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_icone;
    QIcon m_vraie;
};

} // namespace

StyleProgramme::StyleProgramme()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

QIcon StyleProgramme::standardIcon(StandardPixmap icone, const QStyleOption *option,
                                   const QWidget *widget) const
{
    if (icone == SP_ToolBarHorizontalExtensionButton && !option)
        return QIcon(new IconeDifferee(baseStyle(), icone));
    return QProxyStyle::standardIcon(icone, option, widget);
}
