// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which of Qt's platforms Tavelo runs on. Where an X server is reachable
// (DISPLAY, XWayland on a Wayland session included) it asks for X11: only
// there can a program place its windows, keep them above the others and set
// the keyboard's locks. Wayland stays the fallback when the X platform
// cannot start. A platform the user chose, by QT_QPA_PLATFORM or by the
// -platform argument, stands.
namespace plateforme {

// Before the application object is made.
void choisit(int argc, char *argv[]);

// Whether the user named a platform.
bool choisie_par_l_utilisateur(int argc, char *argv[]);

} // namespace plateforme
