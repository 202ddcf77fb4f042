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

#include <future>
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
// image-format plugins, and their libraries, to ask them. Any thread.
QImage lit_image(const QString &chemin)
{
    QImageReader lecteur(chemin, "png");
    lecteur.setAutoDetectImageFormat(false);
    return lecteur.read();
}

// The picture in the format a pixmap keeps it in, premultiplied: reduced
// there, it gets the very pixels a pixmap's reduction gives, and it becomes
// a pixmap without a copy.
QImage en_format_de_pixmap(const QImage &image)
{
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

// The picture as bitmap_programme gives it, made anew. Any thread.
QImage prepare_bitmap(const QString &chemin, qreal ratio)
{
    if (ratio <= 1)
        return en_format_de_pixmap(lit_image(chemin + QStringLiteral(".png")));
    // The finer drawing nearest above the ratio (the image reader gives an
    // "@2x" or "@3x" file its ratio from the name), reduced to the exact
    // ratio so that it is shown pixel for pixel.
    const int facteur = ratio <= 2 ? 2 : 3;
    const QImage fine =
            en_format_de_pixmap(lit_image(chemin + QStringLiteral("@%1x.png").arg(facteur)));
    if (fine.isNull() || ratio >= facteur)
        return fine;
    QImage reduite = fine.scaled((fine.deviceIndependentSize() * ratio).toSize(),
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    reduite.setDevicePixelRatio(ratio);
    return reduite;
}

// The resource a bitmap's name stands for, or nothing for a name the
// program has no picture for.
QString chemin_de_bitmap(const QString &nom)
{
    static const QRegularExpression forme(QStringLiteral("^bitmap_[0-9]+$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (!forme.match(nom).hasMatch())
        return {};
    return QStringLiteral(":/bitmaps/%1").arg(nom.toUpper());
}

// The pictures as shown, by file and ratio: the drill swaps the same few at
// every answer, each decoded and reduced once. Those read ahead come from
// another thread, taken in at the first use of any of them.
class ImagesMontrees
{
public:
    using Cle = QPair<QString, qreal>;

    QPixmap image(const Cle &cle)
    {
        if (m_attendues.contains(cle))
            recoit_lecture();
        QPixmap &image = m_images[cle];
        if (image.isNull())
            image = QPixmap::fromImage(prepare_bitmap(cle.first, cle.second));
        return image;
    }

    void lit_en_avance(QList<Cle> cles)
    {
        recoit_lecture();
        cles.removeIf([this](const Cle &cle) { return m_images.contains(cle); });
        if (cles.isEmpty())
            return;
        m_attendues = cles;
        m_lecture = std::async(std::launch::async, [cles] {
            QList<QImage> images;
            for (const auto &[chemin, ratio] : cles)
                images.append(prepare_bitmap(chemin, ratio));
            return images;
        });
    }

private:
    void recoit_lecture()
    {
        if (!m_lecture.valid())
            return;
        const QList<QImage> images = m_lecture.get();
        for (qsizetype i = 0; i < images.size(); ++i)
            m_images.insert(m_attendues[i], QPixmap::fromImage(images[i]));
        m_attendues.clear();
    }

    QHash<Cle, QPixmap> m_images;
    QList<Cle> m_attendues;
    std::future<QList<QImage>> m_lecture;
};

} // namespace

QPixmap bitmap_programme(const QString &nom)
{
    return bitmap_programme(nom, qApp->devicePixelRatio());
}

QPixmap bitmap_programme(const QString &nom, qreal ratio)
{
    const QString chemin = chemin_de_bitmap(nom);
    if (chemin.isEmpty())
        return {};
    return par_application<ImagesMontrees>().image({chemin, ratio});
}

void lit_bitmaps_en_avance(const QStringList &noms)
{
    lit_bitmaps_en_avance(noms, qApp->devicePixelRatio());
}

void lit_bitmaps_en_avance(const QStringList &noms, qreal ratio)
{
    QList<ImagesMontrees::Cle> cles;
    for (const QString &nom : noms)
        if (const QString chemin = chemin_de_bitmap(nom); !chemin.isEmpty())
            cles.append({chemin, ratio});
    par_application<ImagesMontrees>().lit_en_avance(cles);
}

namespace {

// The icon's pictures, each decoded at its first use. Those a window's bar
// draws at every repaint (16 pixels, up to 32 on a zoomed screen) are kept
// for the run. The larger ones, and every reduction, are kept only until the
// event loop next runs: the window system takes a window's whole icon twice
// as the window is made, and at most once more afterwards (the about box).
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
        if (const QPixmap faite = m_passageres.value(taille); !faite.isNull())
            return faite;
        const QPixmap source = lue(qMax(taille.width(), taille.height()));
        if (source.isNull() || source.size() == taille)
            return source;
        return garde_un_moment(taille, source.scaled(taille, Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
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
        const QSize taille(chemin.key(), chemin.key());
        if (chemin.key() > cote_gardee) {
            if (const QPixmap lue = m_passageres.value(taille); !lue.isNull())
                return lue;
            return garde_un_moment(taille, QPixmap::fromImage(lit_image(chemin.value())));
        }
        QPixmap &image = m_gardees[chemin.key()];
        if (image.isNull())
            image = QPixmap::fromImage(lit_image(chemin.value()));
        return image;
    }

    QPixmap garde_un_moment(const QSize &taille, const QPixmap &image)
    {
        if (m_passageres.isEmpty())
            QTimer::singleShot(0, qApp, [this] { m_passageres.clear(); });
        m_passageres.insert(taille, image);
        return image;
    }

    static constexpr int cote_gardee = 32;
    QMap<int, QString> m_chemins;
    QHash<int, QPixmap> m_gardees;
    QHash<QSize, QPixmap> m_passageres;
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

} // namespace

QIcon icone_programme()
{
    return QIcon(new MoteurIcone(std::numeric_limits<int>::max()));
}

QIcon icone_fenetres()
{
    return QIcon(new MoteurIcone(64));
}

QUrl page_aide()
{
    return QUrl(QStringLiteral("qrc:/aide/index.html"));
}
