// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_general.h"
#include "aleatoire.h"
#include "arret_sur_signal.h"
#include "ligne_de_commande.h"
#include "plateforme.h"
#include "polices.h"
#include "programme.h"
#include "session_graphique.h"
#include "zoom.h"

#include <QApplication>

#include <malloc.h>

int main(int argc, char *argv[])
{
    // Qt's own threads (the display's reader, the screen reader's bus)
    // allocate little: in the main thread's arena, they use the pages it has
    // instead of reserving a heap each.
    mallopt(M_ARENA_MAX, 1);
    // A picture is decoded, then reduced to the zoom and the decoded copy
    // freed. By default a buffer that large is mapped apart and handed back
    // to the system when freed, and the heap's free top above 128 kB is
    // handed back too, so the next picture, font or icon takes fresh pages,
    // each a page fault. Kept in the heap, freed buffers serve what follows.
    constexpr int mebioctet = 1 << 20;
    mallopt(M_MMAP_THRESHOLD, mebioctet);
    mallopt(M_TRIM_THRESHOLD, mebioctet);
    const ligne_de_commande::Demande demande = ligne_de_commande::lit(argc, argv);
    if (demande.statut)
        return *demande.statut;
    plateforme::choisit(argc, argv);
    if (!session_graphique::presente(argc, argv))
        return session_graphique::statut_sans_affichage;
    session_graphique::surveille_demarrage();
    QApplication app(argc, argv);
    session_graphique::fin_du_demarrage();
    zoom::applique(demande.zoom);
    // The desktop entry the installation puts in share/applications: the
    // desktop matches the windows to it (menu entry, icon, task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tavelo"));
    installe_polices_de_substitution();

    Programme programme(std::make_unique<AleatoireHorloge>());
    // Closing the main window ends the run, whatever other window is open;
    // a run ended from outside closes it the same way.
    QObject::connect(&programme.general(), &Tgeneral::fermee, &app, &QCoreApplication::quit);
    // kill, Ctrl+C and a hang-up close the main window as its close box does.
    ArretSurSignal arret;
    QObject::connect(&arret, &ArretSurSignal::arret_demande, &programme.general(), &QWidget::close);
    programme.demarre();
    return app.exec();
}
