#!/usr/bin/env bash
# Takes the screenshot shown in the AppStream metadata: starts the game on a
# virtual X server with an empty settings folder, lays the player's fleet,
# fires a few shots and saves the window as a PNG.
#
#   jakelu/kuvakaappaus.sh <sorvik-ohjelma> [kuva.png]
#
# The default picture is jakelu/kuvakaappaus.png beside this script.

set -euo pipefail

readonly SKAALA=2             # device pixels per logical pixel
readonly ALUEEN_KORKEUS=339   # client area under the menu bar, logical pixels

[[ $# -ge 1 && -x $1 ]] || {
    echo "käyttö: $0 <sorvik-ohjelma> [kuva.png]" >&2
    exit 2
}
ohjelma=$(realpath "$1")
kuva=${2:-$(dirname "$(realpath "$0")")/kuvakaappaus.png}
# shellcheck source=../tests/xvfb/xpalvelin.sh
. "$(dirname "$0")/../tests/xvfb/xpalvelin.sh"
koti=$(mktemp -d)
pid=
# shellcheck disable=SC2317 # run by the EXIT trap
siivoa() {
    if [[ -n $pid ]]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    lopeta_xvfb
    rm -rf "$koti"
}
trap siivoa EXIT
kaynnista_xvfb 1600x1000x24
export XDG_RUNTIME_DIR=$koti/ajo
mkdir -m 700 "$XDG_RUNTIME_DIR"
XDG_CONFIG_HOME=$koti QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$SKAALA "$ohjelma" &
pid=$!

ikkuna=$(etsi_ikkuna Sorvik 20)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$ikkuna" | grep -E '^HEIGHT=[0-9]+$')"
valikko=$((HEIGHT - ALUEEN_KORKEUS * SKAALA))

# Presses a mouse button over square (row, column) of a grid whose top left
# square is at x0 (logical pixels; the grids stand at 8 and 264).
napsauta() {
    local x0=$1 rivi=$2 sarake=$3 painike=${4:-1}
    xdotool mousemove --window "$ikkuna" $(((x0 + 24 * sarake + 10) * SKAALA)) \
        $((valikko + (16 + 24 * rivi + 10) * SKAALA)) click "$painike"
    sleep 0.3
}

# The fleet from the carrier to the submarines; the carrier and one gunboat
# stand upright (right button).
napsauta 8 0 0 3
napsauta 8 0 6
napsauta 8 2 2
napsauta 8 2 6
napsauta 8 5 0
napsauta 8 4 4 3
napsauta 8 7 2
napsauta 8 6 8
napsauta 8 9 5
napsauta 8 9 9

# A few shots; each waits for the computer's answer.
for ruutu in "2 3" "4 4" "4 5" "4 6" "7 1" "1 8" "8 8" "5 2"; do
    read -r rivi sarake <<<"$ruutu"
    napsauta 264 "$rivi" "$sarake"
    sleep 1.4
done
xdotool mousemove 0 0
sleep 0.5
import -window "$ikkuna" "$kuva"
echo "$kuva"
