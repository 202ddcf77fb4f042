#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package end to end, one step per call:
#   paquet.sh ETAPE BUILD_DIR SCRATCH_DIR
# with TAVELO_VERSION_ATTENDUE, the build's version, in the environment.
# construit: CPack builds it into SCRATCH_DIR; dpkg -x unpacks it into
#   SCRATCH_DIR/racine. demarre: the unpacked program starts offscreen and
#   quits cleanly on SIGTERM. bureau, appstream: its desktop files validate.
#   documents: licence and changelogs. version: it sorts above the last
#   release. manuel: the manual pages render. police: the interface's font
#   on a system with only the package's fonts. aide: --help and --version
#   without a display. lintian: nothing to report.
#   reproductible: a second build gives the same bytes.
# A step whose tool is missing exits 77: CTest reports it skipped.
set -euo pipefail
etape=$1 build=$2 scratch=$3
racine=$scratch/racine
id=org.example.tavelo
version=$TAVELO_VERSION_ATTENDUE
paquet=$scratch/tavelo_${version}-1_$(dpkg --print-architecture 2>/dev/null || echo inconnue).deb
doc=$racine/usr/share/doc/tavelo

outil() { command -v "$1" >/dev/null || { echo "$1 is missing: skipped"; exit 77; }; }
echec() { echo "FAIL: $*" >&2; exit 1; }
construit() {
  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$1" >"$1/cpack.log" 2>&1 \
    || { cat "$1/cpack.log"; echec "cpack"; }
}

case $etape in
construit)
  outil dpkg-deb
  rm -rf "$scratch" && mkdir -p "$scratch"
  construit "$scratch"
  dpkg-deb --field "$paquet" Package Version Depends || echec "no $paquet"
  [ "$(dpkg-deb --field "$paquet" Package)" = tavelo ] || echec "package name"
  [ "$(dpkg-deb --field "$paquet" Version)" = "$version-1" ] || echec "version is not $version-1"
  depends=$(dpkg-deb --field "$paquet" Depends)
  # The fonts by hand; Qt's libraries from the shared-library scan.
  for d in fonts-liberation fonts-dejavu-core qt6-qpa-plugins libqt6widgets6 libc6; do
    [[ ", $depends," == *", $d"[\ ,]* ]] || echec "Depends lacks $d"
  done
  [[ "$(dpkg-deb --field "$paquet" Recommends)" == *xdg-utils* ]] || echec "Recommends lacks xdg-utils"
  dpkg -x "$paquet" "$racine"
  fichiers=(usr/bin/tavelo usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/tavelo.svg usr/share/man/man6/tavelo.6.gz
    usr/share/man/fr/man6/tavelo.6.gz)
  for taille in 16 22 24 32 48 64 128 256 512; do
    fichiers+=(usr/share/icons/hicolor/${taille}x${taille}/apps/tavelo.png)
  done
  for f in "${fichiers[@]}"; do
    [ -f "$racine/$f" ] || echec "$f not in the package"
  done
  [ -x "$racine/usr/bin/tavelo" ] || echec "usr/bin/tavelo is not executable"
  ;;
demarre)
  outil dpkg-deb
  export QT_QPA_PLATFORM=offscreen
  # The program has no options: one it does not know must not stop it.
  "$racine/usr/bin/tavelo" --seed 1 &
  pid=$!
  # Wait until it catches SIGTERM (bit 15 of SigCgt), then let it show its
  # window and pose the first question before the session ends it.
  for _ in $(seq 300); do
    masque=$(sed -n 's/^SigCgt:\s*//p' "/proc/$pid/status" 2>/dev/null || true)
    [ -n "$masque" ] && (( 0x$masque & 0x4000 )) && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 1
  kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; echec "tavelo ended by itself"; }
  kill -TERM "$pid"
  code=0
  wait "$pid" || code=$?
  [ "$code" -eq 0 ] || echec "tavelo ended with status $code"
  ;;
bureau)
  outil desktop-file-validate
  desktop-file-validate "$racine/usr/share/applications/$id.desktop"
  ;;
appstream)
  outil appstreamcli
  appstreamcli validate --no-net "$racine/usr/share/metainfo/$id.metainfo.xml"
  ;;
documents)
  outil dpkg-parsechangelog
  for f in copyright changelog.Debian.gz changelog.gz; do
    [ -f "$doc/$f" ] || echec "usr/share/doc/tavelo/$f not in the package"
  done
  head -1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || echec "the copyright file is not machine-readable"
  grep -Pzq '\nFiles: \*\n(?:[^\n]+\n)*License: GPL-3\+\n' "$doc/copyright" \
    || echec "the copyright file does not give the program GPL-3+"
  # A font or picture brought from elsewhere needs its own licence there.
  source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
  while IFS= read -r police; do
    dossier=$(dirname "${police#"$source/"}")
    grep -Eq "^Files:.* $dossier/\*( |\$)" "$doc/copyright" || echec "the copyright file does not cover $dossier"
  done < <(find "$source/resources" -iname '*.ttf' -o -iname '*.otf')
  zcat "$doc/changelog.Debian.gz" >"$scratch/changelog.Debian"
  entree=$(dpkg-parsechangelog -l "$scratch/changelog.Debian" -S Version)
  [ "$entree" = "$version-1" ] || echec "the changelog's last entry is $entree, not $version-1"
  grep -q "<release version=\"$version\"" "$racine/usr/share/metainfo/$id.metainfo.xml" \
    || echec "the AppStream releases lack $version"
  ;;
version)
  outil dpkg
  # The first release, and the one of this tree's project(): a build between
  # releases carries +git and must sort above that release too.
  for avant in 1.11-1 "${version%%+*}-1"; do
    [ "$avant" = "$version-1" ] && continue
    dpkg --compare-versions "$version-1" gt "$avant" || echec "$version-1 does not sort above $avant"
  done
  ;;
manuel)
  outil man
  for page in usr/share/man/man6/tavelo.6.gz usr/share/man/fr/man6/tavelo.6.gz; do
    avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$racine/$page" 2>&1 >/dev/null)
    [ -z "$avertissements" ] || echec "$page: $avertissements"
    texte=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$racine/$page" 2>/dev/null)
    for mot in --help --version --zoom TAVELO_ZOOM QT_SCALE_FACTOR QT_QPA_PLATFORM XDG_DOCUMENTS_DIR "$version"; do
      [[ "$texte" == *"$mot"* ]] || echec "$page does not mention $mot"
    done
  done
  ;;
aide)
  outil dpkg-deb
  # Without any display: the options that only print must still answer.
  sans_ecran=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
  sortie=$("${sans_ecran[@]}" "$racine/usr/bin/tavelo" --version) || echec "--version ended with status $?"
  [ "$sortie" = "tavelo $version" ] || echec "--version printed \"$sortie\", not \"tavelo $version\""
  aide=$("${sans_ecran[@]}" "$racine/usr/bin/tavelo" --help) || echec "--help ended with status $?"
  for mot in --zoom --help --version TAVELO_ZOOM; do
    [[ "$aide" == *"$mot"* ]] || echec "--help does not mention $mot"
  done
  ;;
police)
  outil fc-match
  # A minimal system has only the fonts the package brings: fontconfig, and
  # Qt with it, must then find a general sans face for menus and message
  # boxes, not a monospaced or a comic one.
  conf=$scratch/fonts.conf
  {
    echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd"><fontconfig>'
    for p in $(dpkg-deb --field "$paquet" Depends | tr -d ' ' | tr ',' '\n' | grep '^fonts-'); do
      dpkg -L "$p" 2>/dev/null | grep -E '\.(ttf|otf)$' || { echo "$p is not installed: skipped" >&2; exit 77; }
    done | xargs -d '\n' -n1 dirname | sort -u | sed 's|.*|<dir>&</dir>|'
    echo "<cachedir>$scratch/fontconfig</cachedir><include ignore_missing=\"yes\">/etc/fonts/conf.d</include></fontconfig>"
  } >"$conf"
  famille=$(FONTCONFIG_FILE=$conf fc-match -f '%{family[0]}' sans-serif)
  echo "sans-serif: $famille"
  [[ "$famille" == "DejaVu Sans" || "$famille" == "Liberation Sans" ]] \
    || echec "the interface would be in $famille"
  ;;
lintian)
  outil lintian
  lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$paquet"
  ;;
reproductible)
  outil dpkg-deb
  # Built again a second or more later: no time, order or path may differ.
  sleep 1
  rm -rf "$scratch/bis" && mkdir -p "$scratch/bis"
  construit "$scratch/bis"
  cmp "$paquet" "$scratch/bis/$(basename "$paquet")" || echec "two builds of the package differ"
  ;;
*)
  echec "unknown step $etape"
  ;;
esac
