#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in a comment among its first lines:
#   licence_spdx.sh SOURCE_DIR
set -euo pipefail
cd "$1"
manquants=$(
  { find src tests bench fuzz tools -name '*.cpp' -o -name '*.h'
    find . -path ./build -prune -o -path './build-*' -prune -o -name CMakeLists.txt -print
  } | sort | while IFS= read -r f; do
    head -n 5 "$f" | grep -Eq '^(//|#) SPDX-License-Identifier: GPL-3\.0-or-later$' || echo "$f"
  done
)
[ -z "$manquants" ] || { echo "FAIL: no SPDX-License-Identifier: GPL-3.0-or-later line in:"; echo "$manquants"; exit 1; }
