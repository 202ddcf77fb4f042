#include "session_graphique.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace session_graphique {

namespace {

constexpr const char *ligne =
    "Tavelo a besoin d'une session graphique : aucun écran n'est accessible "
    "(DISPLAY ou WAYLAND_DISPLAY).\n";

QtMessageHandler gestionnaire_precedent = nullptr;

void sans_affichage()
{
    std::fputs(ligne, stderr);
    std::fflush(stderr);
}

void pendant_le_demarrage(QtMsgType type, const QMessageLogContext &contexte, const QString &message)
{
    // The toolkit's own messages go on; only the abort that follows a
    // failed platform start is replaced.
    if (type != QtFatalMsg) {
        gestionnaire_precedent(type, contexte, message);
        return;
    }
    sans_affichage();
    std::_Exit(statut_sans_affichage);
}

bool definie(const char *variable)
{
    const char *valeur = std::getenv(variable);
    return valeur && *valeur;
}

} // namespace

bool presente(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    if (definie("QT_QPA_PLATFORM") || definie("DISPLAY") || definie("WAYLAND_DISPLAY"))
        return true;
    sans_affichage();
    return false;
}

void surveille_demarrage()
{
    gestionnaire_precedent = qInstallMessageHandler(pendant_le_demarrage);
}

void fin_du_demarrage()
{
    qInstallMessageHandler(gestionnaire_precedent);
}

} // namespace session_graphique
