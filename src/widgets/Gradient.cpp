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
    peint(painter, event->region());
}

void TGradient::peint_sous(QPainter &painter, const QWidget &dessus)
{
    const QPoint decalage = dessus.mapTo(window(), QPoint()) - mapTo(window(), QPoint());
    painter.translate(-decalage);
    peint(painter, QRegion(dessus.rect().translated(decalage)));
    painter.translate(decalage);
}

void TGradient::peint(QPainter &painter, const QRegion &region)
{
    if (!m_tampon) {
        dessine(painter, m_table, m_style, width(), height(), m_pas);
        return;
    }
    prepare();
    if (m_style != gsVertical && m_style != gsHorizontal) {
        painter.drawImage(0, 0, m_image);
        return;
    }
    // Rectangle by rectangle, each clipped to itself when the region has
    // several: Qt then paints by its direct path, on this thread, rather
    // than by its general one, which shares out a large area among helper
    // threads that then keep their stacks and heaps. The strip is copied
    // plainly where one pixel is one device pixel; anywhere else (a zoomed
    // screen, or a picture of another ratio) a copy would be stretched pixel
    // by pixel, so the colours are filled band by band.
    const bool copie = painter.deviceTransform().type() <= QTransform::TxTranslate
            && (m_style == gsVertical ? m_image.width() : m_image.height()) > 1;
    for (const QRect &zone : region) {
        if (region.rectCount() > 1)
            painter.setClipRect(zone);
        if (copie)
            pave(painter, zone);
        else
            peint_bandes(painter, zone);
    }
}

// The off-screen picture, drawn again after a size or property change.
void TGradient::prepare()
{
    if (size() == m_tailleDessinee)
        return;
    m_tailleDessinee = size();
    const bool ellipse = m_style == gsEllipse;
    // Bands across the whole height or width are kept as a strip, its
    // colours the same all along it: a full-screen background then holds
    // kilobytes, not megabytes. At one device pixel per pixel the strip
    // is wider than a keypad key, so that a key's repaint is one plain
    // copy. On a zoomed screen, where any copy would be stretched pixel
    // by pixel, it is a single line, filled band by band.
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

// The zone filled band by band in plain colours, from the strip's runs of
// one colour: a pressed key's background then costs a few fills, not a
// stretched copy of each of its pixels. Each row (or column) gets the
// device pixels whose centres it covers, a centre on the edge going to the
// row before, as Qt's scaled copy lays them: any zone, at any zoom and at
// any place between device pixels, gets the pixels a copy of the whole did.
void TGradient::peint_bandes(QPainter &painter, const QRect &zone) const
{
    const QRect aire = zone & rect();
    const bool vertical = m_style == gsVertical;
    // The whole mapping to device pixels, a translation of the painter
    // included.
    const QTransform &versEcran = painter.deviceTransform();
    const qreal echelle = vertical ? versEcran.m22() : versEcran.m11();
    const qreal origine = vertical ? versEcran.dy() : versEcran.dx();
    // Where the device pixels of row n start, in the widget's coordinates.
    const auto bord = [echelle, origine](int n) {
        return (std::floor(origine + n * echelle - 0.5) + 1 - origine) / echelle;
    };
    // The colours along the strip's first row (or column).
    const uchar *octets = m_image.constBits();
    const qsizetype pas = vertical ? m_image.bytesPerLine() : qsizetype(sizeof(QRgb));
    const auto couleur_de = [octets, pas](int n) {
        return *reinterpret_cast<const QRgb *>(octets + n * pas);
    };
    const int fin = vertical ? aire.bottom() + 1 : aire.right() + 1;
    int n = vertical ? aire.top() : aire.left();
    qreal a = bord(n);
    while (n < fin) {
        const QRgb couleur = couleur_de(n);
        int suite = n + 1;
        while (suite < fin && couleur_de(suite) == couleur)
            ++suite;
        const qreal b = bord(suite);
        painter.fillRect(vertical ? QRectF(aire.left(), a, aire.width(), b - a)
                                  : QRectF(a, aire.top(), b - a, aire.height()),
                         QColor(couleur));
        n = suite;
        a = b;
    }
}
