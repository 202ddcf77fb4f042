# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, on Debian 12, whatever the build, the program and its tests
# need and the machine lacks. Sourced by run.sh and test.sh.
tavelo_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev libx11-dev
  fonts-liberation fonts-comic-neue
  strace xvfb xauth
)
# The package tests: CPack's dependency scan (dpkg-shlibdeps, file), the
# validators of the desktop entry and of the AppStream metainfo, lintian,
# man for the manual pages, and fontconfig with the package's general sans
# font for the interface's font.
tavelo_test_packages=(
  dpkg-dev file desktop-file-utils appstream lintian man-db fontconfig fonts-dejavu-core
)
# The accessibility test switches Qt's accessibility on through its private
# platform interface.
tavelo_packages+=(qt6-base-private-dev)

# With "tests", the test tools as well.
tavelo_install_dependencies() {
  local wanted=("${tavelo_packages[@]}")
  [ "${1:-}" = tests ] && wanted+=("${tavelo_test_packages[@]}")
  local missing=()
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

tavelo_build() {
  cmake -S "$1" -B "$1/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$1/build" -j"$(nproc)"
}
