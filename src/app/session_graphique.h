// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tavelo is a windowed program: without a display the toolkit cannot start
// and would abort with a core dump. These checks turn that into a message on
// standard error and exit status 1.
namespace session_graphique {

constexpr int statut_sans_affichage = 1;

// False, after printing one line, when no platform is chosen (no -platform
// argument, no QT_QPA_PLATFORM) and neither DISPLAY nor WAYLAND_DISPLAY
// names a display.
bool presente(int argc, char *argv[]);

// While the toolkit starts, its messages are held back. When its platform
// cannot start, the run ends with them, Qt's reason, and a line that says
// what to install or set, instead of aborting. fin_du_demarrage() hands the
// messages of a start that went well to the previous handler and puts it
// back.
void surveille_demarrage();
void fin_du_demarrage();

} // namespace session_graphique
