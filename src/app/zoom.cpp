// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>

namespace zoom {

namespace {

// The user's own factor for Qt, 1 when none; Qt ignores a value that is not
// a positive number, and so does this.
double echelle_de_l_utilisateur()
{
    bool lu = false;
    const double echelle = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&lu);
    return lu && echelle > 0 ? echelle : 1;
}

} // namespace

double choisi(QSize disponible)
{
    const auto tient = [disponible](double facteur) {
        return taille_principale.width() * facteur <= disponible.width()
            && taille_principale.height() * facteur <= disponible.height();
    };
    const auto plus_grand = std::find_if(paliers.rbegin(), paliers.rend(), tient);
    return plus_grand == paliers.rend() ? paliers.front() : *plus_grand;
}

std::optional<Reglage> lit(const QString &texte)
{
    static const QRegularExpression nombre(QStringLiteral("^[0-9]+([.,][0-9]+)?$"));
    const QString t = texte.trimmed();
    if (t.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0)
        return Reglage{};
    if (!nombre.match(t).hasMatch())
        return std::nullopt;
    const double facteur = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    if (facteur < minimum || facteur > maximum)
        return std::nullopt;
    return Reglage{facteur};
}

// The display's scale is Qt's global factor, the one QT_SCALE_FACTOR sets at
// start; changing it in place spares starting the toolkit twice (once to
// read the screen, once with the variable set), which costs tens of
// milliseconds. Qt's own tests use the same entry.
double applique(const Reglage &reglage)
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    const double facteur = reglage.facteur ? *reglage.facteur
                           : ecran         ? choisi(ecran->availableGeometry().size())
                                           : 1;
    if (facteur != 1)
        QHighDpiScaling::setGlobalFactor(echelle_de_l_utilisateur() * facteur);
    return facteur;
}

} // namespace zoom
