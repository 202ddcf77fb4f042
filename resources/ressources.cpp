// SPDX-License-Identifier: GPL-3.0-or-later
#include "ressources.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>
#include <QTimer>

#include <limits>

namespace {

// One object per application object, deleted with it: pictures must not
// outlive the application that made them.
template <typename T>
T &par_application()
{
    static T *objet = nullptr;
    if (!objet) {
        objet = new T;
        qAddPostRoutine([] {
            delete objet;
            objet = nullptr;
        });
    }
    return *objet;
}

// A picture read from the resources, outside Qt's pixmap cache, which would
// keep a finer drawing for the run beside its reduced copy. All are PNG:
// left to find the format from the content, Qt would load every one of its
// image-format plugins, and their libraries, to ask them.
QPixmap lit_image(const QString &chemin)
{
    QImageReader lecteur(chemin, "png");
    lecteur.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(lecteur.read());
}

// The picture as bitmap_programme gives it, made anew.
QPixmap prepare_bitmap(const QString &chemin, qreal ratio)
{
    if (ratio <= 1)
        return lit_image(chemin + QStringLiteral(".png"));
    // The finer drawing nearest above the ratio (the image reader gives an
    // "@2x" or "@3x" file its ratio from the name), reduced to the exact
    // ratio so that it is shown pixel for pixel.
    const int facteur = ratio <= 2 ? 2 : 3;
    const QPixmap fine = lit_image(chemin + QStringLiteral("@%1x.png").arg(facteur));
    if (fine.isNull() || ratio >= facteur)
        return fine;
    QPixmap reduite = fine.scaled((fine.deviceIndependentSize() * ratio).toSize(),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    reduite.setDevicePixelRatio(ratio);
    return reduite;
}

// The pictures as shown, by file and ratio: the drill swaps the same few at
// every answer, each decoded and reduced once.
using ImagesMontrees = QHash<QPair<QString, qreal>, QPixmap>;

} // namespace

QPixmap bitmap_programme(const QString &nom)
{
    return bitmap_programme(nom, qApp->devicePixelRatio());
}

QPixmap bitmap_programme(const QString &nom, qreal ratio)
{
    static const QRegularExpression forme(QStringLiteral("^bitmap_[0-9]+$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (!forme.match(nom).hasMatch())
        return {};
    const QString chemin = QStringLiteral(":/bitmaps/%1").arg(nom.toUpper());
    QPixmap &image = par_application<ImagesMontrees>()[{chemin, ratio}];
    if (image.isNull())
        image = prepare_bitmap(chemin, ratio);
    return image;
}

namespace {

// The icon's pictures, each decoded at its first use. Those a window's bar
// draws (16 pixels, up to 32 on a zoomed screen) are kept for the run. The
// larger ones are kept only until the event loop next runs: the window
// system takes a window's whole icon twice as the window is made, and the
// about box once afterwards.
class ImagesIcone
{
public:
    ImagesIcone()
    {
        for (const QFileInfo &fichier : QDir(QStringLiteral(":/icone")).entryInfoList(QDir::Files)) {
            // "tavelo_<side>.png"; the side is the file's own, as its name says.
            const int cote = fichier.baseName().section(QLatin1Char('_'), -1).toInt();
            if (cote > 0)
                m_chemins.insert(cote, fichier.filePath());
        }
    }

    QList<int> cotes() const { return m_chemins.keys(); }

    // The icon at `taille`: the smallest picture at least that wide, else
    // the largest, reduced to fit.
    QPixmap image(const QSize &taille)
    {
        const QPixmap source = lue(qMax(taille.width(), taille.height()));
        if (source.isNull() || source.size() == taille)
            return source;
        return source.scaled(taille, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

private:
    QPixmap lue(int cote)
    {
        auto chemin = m_chemins.lowerBound(cote);
        if (chemin == m_chemins.end()) {
            if (m_chemins.isEmpty())
                return {};
            --chemin;
        }
        const bool gardee = chemin.key() <= cote_gardee;
        if (!gardee && m_passageres.isEmpty())
            QTimer::singleShot(0, qApp, [this] { m_passageres.clear(); });
        QPixmap &image = (gardee ? m_gardees : m_passageres)[chemin.key()];
        if (image.isNull())
            image = lit_image(chemin.value());
        return image;
    }

    static constexpr int cote_gardee = 32;
    QMap<int, QString> m_chemins;
    QHash<int, QPixmap> m_gardees;
    QHash<int, QPixmap> m_passageres;
};

// The icon's pictures up to `cote_max` pixels.
class MoteurIcone : public QIconEngine
{
public:
    explicit MoteurIcone(int cote_max) : m_cote_max(cote_max) {}

    QPixmap pixmap(const QSize &taille, QIcon::Mode, QIcon::State) override
    {
        return par_application<ImagesIcone>().image(taille);
    }

    void paint(QPainter *peintre, const QRect &rect, QIcon::Mode mode, QIcon::State etat) override
    {
        const qreal ratio = peintre->device()->devicePixelRatioF();
        peintre->drawPixmap(rect, pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, etat));
    }

    QSize actualSize(const QSize &taille, QIcon::Mode, QIcon::State) override
    {
        const int cote = qMin(taille.width(), taille.height());
        return QSize(cote, cote);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> tailles;
        for (const int cote : par_application<ImagesIcone>().cotes())
            if (cote <= m_cote_max)
                tailles.append(QSize(cote, cote));
        return tailles;
    }

    QIconEngine *clone() const override { return new MoteurIcone(m_cote_max); }
    QString key() const override { return QStringLiteral("tavelo"); }

private:
    int m_cote_max;
};

// The windows' icon. The window system takes it at the display's scale,
// which carries the program's zoom; but the zoom magnifies the program's
// windows, not the desktop that shows their icon (task bar, window
// switcher): the desktop gets the pictures as drawn, at the sizes listed,
// none reduced.
class MoteurIconeFenetres : public MoteurIcone
{
public:
    MoteurIconeFenetres() : MoteurIcone(64) {}

    QPixmap scaledPixmap(const QSize &taille, QIcon::Mode mode, QIcon::State etat,
                         qreal echelle) override
    {
        return pixmap((QSizeF(taille) / echelle).toSize(), mode, etat);
    }

    QIconEngine *clone() const override { return new MoteurIconeFenetres; }
};

} // namespace

QIcon icone_programme()
{
    return QIcon(new MoteurIcone(std::numeric_limits<int>::max()));
}

QIcon icone_fenetres()
{
    return QIcon(new MoteurIconeFenetres);
}

QUrl page_aide()
{
    return QUrl(QStringLiteral("qrc:/aide/index.html"));
}
