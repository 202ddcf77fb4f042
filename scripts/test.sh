#!/usr/bin/env bash
# Installs what is missing, builds Tavelo with its tests and runs them all.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/dependencies.sh"
tavelo_install_dependencies tests
tavelo_build "$root"
# Widgets render on the offscreen platform: no display needed.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)" --timeout 300
