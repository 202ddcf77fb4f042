#include "ressources.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

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
    if (ratio <= 1)
        return QPixmap(chemin + QStringLiteral(".png"));
    // The image reader gives an "@2x" file its ratio of 2 from the name.
    const QPixmap fine(chemin + QStringLiteral("@2x.png"));
    if (fine.isNull() || ratio >= 2)
        return fine;
    QPixmap reduite = fine.scaled((fine.deviceIndependentSize() * ratio).toSize(), Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
    reduite.setDevicePixelRatio(ratio);
    return reduite;
}

QIcon icone_programme()
{
    QIcon icone;
    // Every size built in; each file's size is read from the file.
    for (const QFileInfo &fichier : QDir(QStringLiteral(":/icone")).entryInfoList(QDir::Files))
        icone.addFile(fichier.filePath());
    return icone;
}

QUrl page_aide()
{
    return QUrl(QStringLiteral("qrc:/aide/index.html"));
}
