#!/bin/sh
# Runs a Windows program under Wine without a display, in a fresh prefix of its
# own that is removed afterwards; with WINEPREFIX set, in that one instead.
set -eu
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/sorvik-wine.XXXXXX")
  export WINEPREFIX
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi
wine "$@"
