#!/usr/bin/env bash
# The Debian package end to end, one step per call:
#   paquet.sh construit|demarre|bureau|appstream BUILD_DIR SCRATCH_DIR
# construit: CPack builds it into SCRATCH_DIR; dpkg -x unpacks it into
#   SCRATCH_DIR/racine. demarre: the unpacked program starts offscreen and
#   quits cleanly on SIGTERM. bureau, appstream: its desktop files validate.
# A step whose tool is missing exits 77: CTest reports it skipped.
set -euo pipefail
etape=$1 build=$2 scratch=$3
racine=$scratch/racine
id=org.example.tavelo

outil() { command -v "$1" >/dev/null || { echo "$1 is missing: skipped"; exit 77; }; }
echec() { echo "FAIL: $*" >&2; exit 1; }

case $etape in
construit)
  outil dpkg-deb
  rm -rf "$scratch" && mkdir -p "$scratch"
  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; echec "cpack"; }
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  paquet=$scratch/tavelo_${version}-1_$(dpkg --print-architecture).deb
  dpkg-deb --field "$paquet" Package Version Depends || echec "no $paquet"
  [ "$(dpkg-deb --field "$paquet" Package)" = tavelo ] || echec "package name"
  [ "$(dpkg-deb --field "$paquet" Version)" = "$version-1" ] || echec "version is not $version-1"
  depends=$(dpkg-deb --field "$paquet" Depends)
  # The fonts by hand; Qt's libraries from the shared-library scan.
  for d in fonts-liberation fonts-comic-neue qt6-qpa-plugins libqt6widgets6 libc6; do
    [[ ", $depends," == *", $d"[\ ,]* ]] || echec "Depends lacks $d"
  done
  dpkg -x "$paquet" "$racine"
  fichiers=(usr/bin/tavelo usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml)
  for taille in 16 32 48 64 128 256 512; do
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
*)
  echec "unknown step $etape"
  ;;
esac
