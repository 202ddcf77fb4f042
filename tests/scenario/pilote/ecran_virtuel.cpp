// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecran_virtuel.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

std::unique_ptr<QTemporaryFile> configure_ecran_virtuel(QSize taille, qreal echelle)
{
    const QJsonObject ecran{
        {"name", "ecran"},
        {"x", 0},
        {"y", 0},
        {"width", taille.width()},
        {"height", taille.height()},
        {"logicalDpi", 96},
        {"logicalBpp", 32},
        {"dpr", echelle},
    };
    const QJsonObject configuration{
        {"synchronousWindowSystemEvents", false},
        {"windowFrameMargins", true},
        {"screens", QJsonArray{ecran}},
    };

    auto fichier = std::make_unique<QTemporaryFile>(QDir::tempPath()
                                                    + QStringLiteral("/tavelo-ecran-XXXXXX.json"));
    if (!fichier->open())
        return nullptr;
    fichier->write(QJsonDocument(configuration).toJson());
    fichier->flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + fichier->fileName().toLocal8Bit());
    return fichier;
}
