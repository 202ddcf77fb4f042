#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Tavelo and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/dependencies.sh"
tavelo_install_dependencies
tavelo_build "$root"
exec "$root/build/src/app/tavelo"
