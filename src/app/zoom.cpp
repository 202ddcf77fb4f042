#include "zoom.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace zoom {

namespace {

constexpr const char *variable_qt = "QT_SCALE_FACTOR";

// The available area of the primary screen, as the toolkit would give it to
// the real application: in logical pixels, after the desktop's own scaling
// and any QT_SCALE_FACTOR. The toolkit removes the arguments it knows from
// its argv, so it gets a copy.
QSize surface_disponible(int argc, char *argv[])
{
    std::vector<char *> copie(argv, argv + argc);
    copie.push_back(nullptr);
    int compte = argc;
    const QGuiApplication sonde(compte, copie.data());
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->availableGeometry().size() : taille_principale;
}

// The user's own factor for Qt, 1 when none; Qt ignores a value that is not
// a positive number, and so does this.
double echelle_de_l_utilisateur()
{
    bool lu = false;
    const double echelle = qEnvironmentVariable(variable_qt).toDouble(&lu);
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

double applique(const Reglage &reglage, int argc, char *argv[])
{
    const double facteur = reglage.facteur ? *reglage.facteur : choisi(surface_disponible(argc, argv));
    if (facteur != 1)
        qputenv(variable_qt, QByteArray::number(echelle_de_l_utilisateur() * facteur));
    return facteur;
}

} // namespace zoom
