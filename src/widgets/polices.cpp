// SPDX-License-Identifier: GPL-3.0-or-later
#include "polices.h"

#include <QFont>
#include <QFontDatabase>
#include <QResource>

void installe_polices_de_substitution()
{
    struct Substitution
    {
        const char *demandee;
        const char *installee;
    };
    static constexpr Substitution table[] = {
        {"Arial", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Comic Sans MS", "Comic Relief"},
        // A rounded display face; the bold narrow sans is the closest metric match at hand.
        {"Balloon XBd BT", "Liberation Sans Narrow"},
    };
    // Comic Relief is built into the program, in its regular and bold faces.
    // The faces are stored unpacked in the program, so the font database
    // reads them where they lie instead of from a copy on the heap.
    for (const char *face : {":/polices/ComicRelief-Regular.ttf", ":/polices/ComicRelief-Bold.ttf"}) {
        const QResource ressource(QString::fromLatin1(face));
        Q_ASSERT(ressource.compressionAlgorithm() == QResource::NoCompression);
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                reinterpret_cast<const char *>(ressource.data()), ressource.size()));
    }
    for (const Substitution &s : table)
        QFont::insertSubstitution(QString::fromUtf8(s.demandee), QString::fromUtf8(s.installee));
}
