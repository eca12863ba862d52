#!/bin/sh
# Runs a Windows program under Wine without a display.
#   wine-ajo.sh PROGRAM ARGS...   run it; in $WINEPREFIX when that is set (one
#                                 prefix for a whole test run), otherwise in a
#                                 fresh prefix of its own, removed afterwards
#   wine-ajo.sh --alusta          make $WINEPREFIX anew (the start of a test run)
#   wine-ajo.sh --siivoa          stop its Wine server and remove it
set -eu
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
case "${1:-}" in
  --alusta)
    : "${WINEPREFIX:?WINEPREFIX is not set}"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    exit 0
    ;;
  --siivoa)
    : "${WINEPREFIX:?WINEPREFIX is not set}"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    exit 0
    ;;
esac
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/sorvik-wine.XXXXXX")
  export WINEPREFIX
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi
wine "$@"
