#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test command in a home of its own, removed when it ends:
#   maison_temporaire.sh COMMAND [ARGUMENTS...]
# A fresh HOME with its XDG folders, a documents folder and a temporary
# folder, and no reachable print server, so that nothing a test does (a
# printed sheet, a settings or cache file) lands in the caller's home or on
# a real printer. The exit status is the command's (77, "skipped", too).
# A test that wants a printer sets one up itself, inside its own process.
set -u
maison=$(mktemp -d "${TMPDIR:-/tmp}/tavelo-test.XXXXXX") || exit 1
trap 'rm -rf -- "$maison"' EXIT
mkdir -p "$maison"/{.config,.local/share,.local/state,.cache,Documents,tmp}
mkdir -m 700 "$maison/run"
export HOME=$maison
export XDG_CONFIG_HOME=$maison/.config XDG_DATA_HOME=$maison/.local/share
export XDG_STATE_HOME=$maison/.local/state XDG_CACHE_HOME=$maison/.cache
export XDG_RUNTIME_DIR=$maison/run TMPDIR=$maison/tmp
# A server socket that does not exist, and no printer named by the caller:
# the printing library finds no printer, whatever the machine has.
export CUPS_SERVER=$maison/aucun-serveur-d-impression
unset PRINTER LPDEST
"$@"
