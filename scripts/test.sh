#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Tavelo with its tests and runs them all.
# The suite must leave nothing in the caller's home: its top and documents
# folder are listed before and after, and whatever appeared fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/dependencies.sh"
tavelo_install_dependencies tests
tavelo_build "$root"

# The top of the home folder and of the documents folder, one name a line.
contenu_de_la_maison() {
  local documents
  documents=$(xdg-user-dir DOCUMENTS 2>/dev/null || true)
  [ -n "$documents" ] && [ "$documents" != "$HOME" ] || documents=$HOME/Documents
  for dossier in "$HOME" "$documents"; do
    if [ -d "$dossier" ]; then find "$dossier" -mindepth 1 -maxdepth 1; fi
  done | LC_ALL=C sort -u
}

avant=$(contenu_de_la_maison)
# Widgets render on the offscreen platform: no display needed.
export QT_QPA_PLATFORM=offscreen
statut=0
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)" --timeout 300 || statut=$?
apparus=$(LC_ALL=C comm -13 <(printf '%s\n' "$avant") <(contenu_de_la_maison))
if [ -n "$apparus" ]; then
  echo "The tests left files in your home folder:" >&2
  printf '%s\n' "$apparus" >&2
  statut=1
fi
exit "$statut"
