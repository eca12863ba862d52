#!/usr/bin/env bash
# Starts the game under Xvfb with an empty settings folder, waits for the main
# window, checks its size, takes a screenshot and ends the program.
#
#   ikkunatesti.sh <sorvik-ohjelma> <artefaktikansio>
#
# Exit codes: 0 passed, 1 failed, 77 skipped (xvfb-run or xdotool missing).

set -u

# Client area 514 x 339 px under the menu bar.
readonly LEVEYS=514
readonly ALUEEN_KORKEUS=339
readonly TOLERANSSI=4
readonly ODOTUS_S=20

virhe() {
    echo "VIRHE: $*" >&2
    exit 1
}

if [[ ${1-} != --sisalla ]]; then
    [[ $# -eq 2 ]] || virhe "käyttö: $0 <sorvik-ohjelma> <artefaktikansio>"
    for tyokalu in xvfb-run xdotool; do
        if ! command -v "$tyokalu" >/dev/null 2>&1; then
            echo "Ohitetaan: $tyokalu puuttuu."
            exit 77
        fi
    done
    [[ -x $1 ]] || virhe "ohjelmaa $1 ei ole"
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --sisalla "$1" "$2"
fi

# --- Inside the virtual X server ----------------------------------------------

ohjelma=$2
artefaktit=$3
koti=$(mktemp -d)
pid=

# shellcheck disable=SC2317 # run by the EXIT trap
lopeta() {
    # The program asks before closing, so it is ended with a signal.
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$koti"
}
trap lopeta EXIT

XDG_CONFIG_HOME=$koti QT_QPA_PLATFORM=xcb "$ohjelma" &
pid=$!

ikkuna=$(timeout "$ODOTUS_S" xdotool search --sync --onlyvisible --name '^Sorvik$' 2>/dev/null |
    head -n 1)
[[ -n $ikkuna ]] || virhe "ikkunaa \"Sorvik\" ei näkynyt $ODOTUS_S sekunnissa"
kill -0 "$pid" 2>/dev/null || virhe "ohjelma päättyi ennen aikojaan"

# The window may still be settling its final size: poll for a few seconds.
leveys=0
korkeus=0
for _ in $(seq 30); do
    eval "$(xdotool getwindowgeometry --shell "$ikkuna" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
    leveys=${WIDTH:-0}
    korkeus=${HEIGHT:-0}
    if ((leveys >= LEVEYS - TOLERANSSI && leveys <= LEVEYS + TOLERANSSI &&
        korkeus > ALUEEN_KORKEUS)); then
        break
    fi
    sleep 0.2
done
echo "Ikkuna $ikkuna: ${leveys} x ${korkeus}"

mkdir -p "$artefaktit"
if command -v import >/dev/null 2>&1; then
    sleep 0.5 # let the first paint reach the screen
    import -window root "$artefaktit/ikkuna.png" || echo "Kuvakaappaus epäonnistui." >&2
else
    echo "Kuvakaappaus ohitetaan: import puuttuu."
fi

((leveys >= LEVEYS - TOLERANSSI && leveys <= LEVEYS + TOLERANSSI)) ||
    virhe "leveys $leveys, odotettiin noin $LEVEYS"
((korkeus > ALUEEN_KORKEUS)) || virhe "korkeus $korkeus, odotettiin yli $ALUEEN_KORKEUS"
echo "Ikkunatesti läpäisty."
exit 0
