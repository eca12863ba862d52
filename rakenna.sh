#!/usr/bin/env bash
# Installs what is missing, builds, and then plays or tests.
#   ./rakenna.sh pelaa    build and start the game
#   ./rakenna.sh testaa   build normally and with sanitizers, run every test
set -euo pipefail
cd "$(dirname "$0")"

PAKETIT=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xdg-utils fonts-dejavu-core
  qt6-svg-dev qt6-wayland dpkg-dev file
)
TESTIPAKETIT=(git xvfb xauth xdotool x11-utils imagemagick clang-format dbus at-spi2-core python3-pyatspi)
TESTIPAKETIT+=(desktop-file-utils appstream lintian man-db weston)
# The Windows build and its tests under Wine.
WINDOWSPAKETIT=(g++-mingw-w64-x86-64 googletest wine wine64)

asenna() {
  local puuttuvat=()
  for paketti in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$paketti" 2>/dev/null | grep -q 'install ok installed'; then
      puuttuvat+=("$paketti")
    fi
  done
  [ ${#puuttuvat[@]} -eq 0 ] && return 0
  echo "Installing: ${puuttuvat[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${puuttuvat[@]}"
}

rakenna() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$(nproc)"
}

case "${1:-}" in
  pelaa)
    asenna "${PAKETIT[@]}"
    rakenna normaali
    exec ./build/normaali/sorvik
    ;;
  testaa)
    asenna "${PAKETIT[@]}" "${TESTIPAKETIT[@]}" "${WINDOWSPAKETIT[@]}"
    echo "== clang-format"
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
    echo "== normal build"
    rakenna normaali
    ctest --preset normaali -j 2
    echo "== Debian package"
    tests/paketti/pakettitesti.sh build/normaali
    echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
    rakenna sanitoitu
    ctest --preset sanitoitu -j 2
    echo "== Windows build (MinGW-w64), tests under Wine"
    rakenna windows
    ctest --preset windows -j 2
    ;;
  *)
    echo "usage: $0 pelaa|testaa" >&2
    exit 2
    ;;
esac
