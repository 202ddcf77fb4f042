#pragma once

// Tavelo is a windowed program: without a display the toolkit cannot start
// and would abort with a core dump. These checks turn that into one line on
// standard error and exit status 1.
namespace session_graphique {

constexpr int statut_sans_affichage = 1;

// False, after printing the line, when no platform is chosen (no
// -platform argument, no QT_QPA_PLATFORM) and neither DISPLAY nor
// WAYLAND_DISPLAY names a display.
bool presente(int argc, char *argv[]);

// While the toolkit starts: a display that is named but cannot be reached
// ends the run the same way instead of aborting. fin_du_demarrage() puts
// the previous message handler back.
void surveille_demarrage();
void fin_du_demarrage();

} // namespace session_graphique
