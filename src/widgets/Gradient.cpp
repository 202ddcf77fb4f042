// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gradient.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {
const QRgb argent = qRgb(192, 192, 192);
}

TGradient::TGradient(QWidget *parent)
    : QWidget(parent)
    , m_ancrage(new TAncrage(this))
{
    // Every pixel is painted, so Qt need not erase first (no flicker).
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    recalculeTable();
    resize(100, 80);
}

TGradient::~TGradient() = default;

Ancrage::TAlign TGradient::align() const
{
    return m_ancrage->align();
}

void TGradient::setAlign(Ancrage::TAlign align)
{
    m_ancrage->setAlign(align);
}

void TGradient::setBuffered(bool valeur)
{
    if (valeur == m_tampon)
        return;
    m_tampon = valeur;
    if (!valeur)
        m_image = QImage();
    aChange();
}

void TGradient::setDirection(TGradDirection direction)
{
    if (direction == m_direction)
        return;
    m_direction = direction;
    recalculeTable();
    aChange();
}

void TGradient::setEndColor(const QColor &couleur)
{
    if (couleur.rgb() == m_couleurFin.rgb())
        return;
    m_couleurFin = couleur;
    recalculeTable();
    aChange();
}

void TGradient::setStartColor(const QColor &couleur)
{
    if (couleur.rgb() == m_couleurDebut.rgb())
        return;
    m_couleurDebut = couleur;
    recalculeTable();
    aChange();
}

void TGradient::setStepWidth(int pas)
{
    if (pas < 1 || pas > 10 || pas == m_pas)
        return;
    m_pas = pas;
    aChange();
}

void TGradient::setStyle(TGradStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    // The ellipse leaves its corners to what lies behind.
    setAttribute(Qt::WA_OpaquePaintEvent, style != gsEllipse);
    aChange();
}

void TGradient::aChange()
{
    m_tailleDessinee = QSize(0, 0);
    update();
}

void TGradient::recalculeTable()
{
    m_table = calculeTable(m_couleurDebut, m_couleurFin, m_direction);
}

TGradient::TableDeCouleurs TGradient::calculeTable(const QColor &debut, const QColor &fin,
                                                   TGradDirection direction)
{
    // No entry falls half-way between two integers (255 is odd), so
    // rounding to nearest has no ties to settle.
    auto canal = [](int c0, int c1, int i) {
        return c0 + int(std::lround(double(c1 - c0) * i / 255.0));
    };
    TableDeCouleurs table;
    for (int i = 0; i < 256; ++i) {
        const int k = direction == gdUpLeft ? 255 - i : i;
        table[i] = qRgb(canal(debut.red(), fin.red(), k), canal(debut.green(), fin.green(), k),
                        canal(debut.blue(), fin.blue(), k));
    }
    return table;
}

void TGradient::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_tampon) {
        dessine(painter, m_table, m_style, width(), height(), m_pas);
        return;
    }
    if (size() != m_tailleDessinee) {
        m_tailleDessinee = size();
        const bool ellipse = m_style == gsEllipse;
        // Bands across the whole height or width are kept as a strip, its
        // colours the same all along it, copied over the zone: a full-screen
        // background then holds kilobytes, not megabytes. On a zoomed screen
        // every copy is scaled anyway, so the strip is a single line,
        // stretched. At one device pixel per pixel, a strip as wide as a
        // keypad key makes a key's repaint a plain copy, cheaper than
        // stretching a line (a click then costs a sixth less).
        const int epaisseur = devicePixelRatioF() == 1 ? epaisseur_touche : 1;
        QSize taille = size();
        if (m_style == gsVertical)
            taille.setWidth(qMin(taille.width(), epaisseur));
        else if (m_style == gsHorizontal)
            taille.setHeight(qMin(taille.height(), epaisseur));
        m_image = QImage(taille, QImage::Format_RGB32);
        if (ellipse)
            m_image.fill(argent);
        {
            QPainter peintreImage(&m_image);
            dessine(peintreImage, m_table, m_style, taille.width(), taille.height(), m_pas);
        }
        if (ellipse) {
            // Silver is the transparent colour: done once here, so that each
            // repaint stays a single copy.
            m_image.convertTo(QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < m_image.height(); ++y) {
                auto *ligne = reinterpret_cast<QRgb *>(m_image.scanLine(y));
                for (int x = 0; x < m_image.width(); ++x)
                    if (ligne[x] == argent)
                        ligne[x] = 0;
            }
        }
        ++m_redessins;
    }
    if (m_style == gsVertical || m_style == gsHorizontal) {
        // Rectangle by rectangle, each clipped to itself when the region has
        // several: Qt then copies by its direct path, on this thread, rather
        // than by its general one, which shares out a large copy among
        // helper threads that then keep their stacks and heaps.
        const QRegion &region = event->region();
        for (const QRect &zone : region) {
            if (region.rectCount() > 1)
                painter.setClipRect(zone);
            pave(painter, zone);
        }
    } else {
        painter.drawImage(0, 0, m_image);
    }
}

// The strip copied over the zone in a single copy, stretched where the zone
// is wider than the strip. Along the strip the zone takes the rows (or
// columns) it covers, one for one.
void TGradient::pave(QPainter &painter, const QRect &zone) const
{
    const QRect source = m_style == gsVertical
            ? QRect(0, zone.top(), qMin(zone.width(), m_image.width()), zone.height())
            : QRect(zone.left(), 0, zone.width(), qMin(zone.height(), m_image.height()));
    painter.drawImage(zone, m_image, source);
}
