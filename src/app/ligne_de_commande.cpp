// SPDX-License-Identifier: GPL-3.0-or-later
#include "ligne_de_commande.h"

#include <cstdio>

namespace ligne_de_commande {

namespace {

const QString aide = QStringLiteral(
    "Usage : tavelo [--zoom F] [options de Qt]\n"
    "Tavelo entraîne à l'addition et à la soustraction des nombres relatifs.\n"
    "\n"
    "Options :\n"
    "  --zoom F     agrandit toutes les fenêtres F fois, F de 1 à 3 (1.5 ou 1,5).\n"
    "               « auto », le défaut, prend le plus grand de 1, 1.25, 1.5,\n"
    "               1.75, 2, 2.5 et 3 auquel la fenêtre principale tient sur\n"
    "               l'écran principal. Le choix vaut pour la séance et n'est\n"
    "               pas enregistré.\n"
    "  --help       affiche cette aide.\n"
    "  --version    affiche la version.\n"
    "\n"
    "Environnement :\n"
    "  TAVELO_ZOOM       comme --zoom, qui l'emporte sur elle.\n"
    "  QT_SCALE_FACTOR   l'échelle déjà donnée à Qt est respectée : le zoom la\n"
    "                    multiplie, comme il multiplie celle du bureau, et le\n"
    "                    choix automatique se fait en pixels logiques.\n");

const QString attendu = QStringLiteral("un nombre de 1 à 3 ou « auto » est attendu.\n");

Demande fin(int statut, QString sortie, QString erreur = {})
{
    return {statut, std::move(sortie), std::move(erreur), {}};
}

// The zoom given as `texte` by `source` (--zoom or TAVELO_ZOOM).
Demande zoom_lu(const QString &texte, const QString &source)
{
    if (const std::optional<zoom::Reglage> reglage = zoom::lit(texte))
        return {std::nullopt, {}, {}, *reglage};
    return fin(statut_mauvaise_valeur, {},
               QStringLiteral("tavelo : %1 « %2 » refusé : ").arg(source, texte) + attendu);
}

} // namespace

Demande interprete(const QStringList &arguments, const QString &variable_zoom)
{
    std::optional<QString> zoom_demande;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return fin(0, aide);
        if (argument == QLatin1String("--version"))
            return fin(0, QStringLiteral("tavelo %1\n").arg(QStringLiteral(TAVELO_VERSION)));
        if (argument.startsWith(QLatin1String("--zoom="))) {
            zoom_demande = argument.mid(7);
        } else if (argument == QLatin1String("--zoom")) {
            if (i + 1 == arguments.size())
                return fin(statut_mauvaise_valeur, {},
                           QStringLiteral("tavelo : --zoom sans valeur : ") + attendu);
            zoom_demande = arguments[++i];
        }
    }
    if (zoom_demande)
        return zoom_lu(*zoom_demande, QStringLiteral("--zoom"));
    if (!variable_zoom.isEmpty())
        return zoom_lu(variable_zoom, QStringLiteral("TAVELO_ZOOM"));
    return {};
}

Demande lit(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Demande demande = interprete(arguments, qEnvironmentVariable("TAVELO_ZOOM"));
    std::fputs(demande.sortie.toUtf8().constData(), stdout);
    std::fputs(demande.erreur.toUtf8().constData(), stderr);
    return demande;
}

} // namespace ligne_de_commande
