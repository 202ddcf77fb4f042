// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zoom.h"

#include <QString>
#include <QStringList>

#include <optional>

// The program's few options, read before anything needs a display, so that
// --help and --version work anywhere. Arguments it does not know are the
// toolkit's (-platform, -style...) and are left to it.
namespace ligne_de_commande {

constexpr int statut_mauvaise_valeur = 2;

struct Demande
{
    // Set when the run ends here, after `sortie` (standard output) or
    // `erreur` (standard error) is printed.
    std::optional<int> statut;
    QString sortie;
    QString erreur;
    zoom::Reglage zoom;
};

// `arguments` without the program's name; `variable_zoom` is TAVELO_ZOOM,
// empty when unset. --zoom wins over the variable, which is then not read.
Demande interprete(const QStringList &arguments, const QString &variable_zoom);

// interprete() on the real command line and environment, its texts printed.
Demande lit(int argc, char *argv[]);

} // namespace ligne_de_commande
