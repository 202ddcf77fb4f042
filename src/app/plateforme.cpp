// SPDX-License-Identifier: GPL-3.0-or-later
#include "plateforme.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstring>

namespace plateforme {

bool choisie_par_l_utilisateur(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void choisit(int argc, char *argv[])
{
    if (choisie_par_l_utilisateur(argc, argv) || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    // Qt tries the platforms of the list in turn.
    qputenv("QT_QPA_PLATFORM", QByteArray(qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                              ? "xcb"
                                              : "xcb;wayland"));
}

} // namespace plateforme
