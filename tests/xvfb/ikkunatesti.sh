#!/usr/bin/env bash
# Starts the game under Xvfb with an empty settings folder and a private
# accessibility bus, waits for the main window, checks its size and the
# window-system captions, places the whole fleet and fires one shot with the
# keyboard alone, reading the status line as a screen reader would, takes
# screenshots and ends the program.
#
#   ikkunatesti.sh <sorvik-ohjelma> <artefaktikansio>
#
# Exit codes: 0 passed, 1 failed, 77 skipped (a tool missing).

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

# The system's Python, where the accessibility bindings are installed.
PYTHON=/usr/bin/python3
[[ -x $PYTHON ]] || PYTHON=python3
VAYLA=
for polku in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [[ -x $polku ]] && VAYLA=$polku && break
done

if [[ ${1-} != --sisalla ]]; then
    [[ $# -eq 2 ]] || virhe "käyttö: $0 <sorvik-ohjelma> <artefaktikansio>"
    for tyokalu in Xvfb xdotool xprop dbus-run-session; do
        if ! command -v "$tyokalu" >/dev/null 2>&1; then
            echo "Ohitetaan: $tyokalu puuttuu."
            exit 77
        fi
    done
    if ! "$PYTHON" -c 'import pyatspi' 2>/dev/null || [[ -z $VAYLA ]]; then
        echo "Ohitetaan: saavutettavuusväylä (at-spi2-core, python3-pyatspi) puuttuu."
        exit 77
    fi
    [[ -x $1 ]] || virhe "ohjelmaa $1 ei ole"
    # shellcheck source=xpalvelin.sh
    . "$(dirname "$0")/xpalvelin.sh"
    trap lopeta_xvfb EXIT
    kaynnista_xvfb 1024x768x24 || exit 1
    dbus-run-session -- bash "$0" --sisalla "$1" "$2"
    exit
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
    [[ -n ${vayla-} ]] && kill "$vayla" 2>/dev/null
    rm -rf "$koti"
}
trap lopeta EXIT

# shellcheck source=xpalvelin.sh
. "$(dirname "$0")/xpalvelin.sh"

"$VAYLA" --launch-immediately >/dev/null 2>&1 &
vayla=$!
XDG_CONFIG_HOME=$koti QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$ohjelma" &
pid=$!

ikkuna=$(etsi_ikkuna Sorvik "$ODOTUS_S")
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

# --- Captions as the window system shows them ---------------------------------

otsikko() {
    xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

# Waits for a window with exactly this caption and checks its _NET_WM_NAME.
odota_ikkunaa() {
    local tunnus
    tunnus=$(etsi_ikkuna "$1" 10)
    [[ -n $tunnus ]] || virhe "ikkunaa otsikolla \"$1\" ei näkynyt"
    [[ $(otsikko "$tunnus") == "$1" ]] || virhe "_NET_WM_NAME \"$(otsikko "$tunnus")\", odotettiin \"$1\""
    echo "$tunnus"
}

# Waits until no window with this caption is shown any more.
odota_sulkeutumista() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    virhe "ikkuna \"$1\" ei sulkeutunut"
}

[[ $(otsikko "$ikkuna") == Sorvik ]] || virhe "pääikkunan _NET_WM_NAME \"$(otsikko "$ikkuna")\""
xdotool windowfocus --sync "$ikkuna"
xdotool key alt+n p
odota_ikkunaa "Parhaat tulokset" >/dev/null
xdotool key Escape
odota_sulkeutumista "Parhaat tulokset"
# Without a window manager the focus does not return by itself.
xdotool windowfocus --sync "$ikkuna"
xdotool key alt+l
odota_ikkunaa "Lopeta" >/dev/null
xdotool key Escape
odota_sulkeutumista "Lopeta"
xdotool windowfocus --sync "$ikkuna"
kill -0 "$pid" 2>/dev/null || virhe "ohjelma päättyi, vaikka lopetus peruttiin"
echo "Otsikot oikein."

# --- A fleet and a shot with the keyboard alone ---------------------------------

lue() {
    "$PYTHON" "$(dirname "$0")/saavutettava.py" "$@"
}

# Reads the status line until it shows the expected text.
odota_ohjetta() {
    local ohje=
    for _ in $(seq 30); do
        ohje=$(lue ohje) || virhe "tilarivin luku epäonnistui"
        [[ $ohje == "$1" ]] && return 0
        sleep 0.1
    done
    virhe "tilarivi \"$ohje\", odotettiin \"$1\""
}

# Moves the focus square from `kohdalla` to square $1 with the arrow keys.
kohdalla=1
siirry() {
    local rivi=$(((kohdalla - 1) / 10)) sarake=$(((kohdalla - 1) % 10))
    local uusi_rivi=$((($1 - 1) / 10)) uusi_sarake=$((($1 - 1) % 10)) nappaimet=()
    while ((rivi < uusi_rivi)); do nappaimet+=(Down) && ((rivi += 1)); done
    while ((rivi > uusi_rivi)); do nappaimet+=(Up) && ((rivi -= 1)); done
    while ((sarake < uusi_sarake)); do nappaimet+=(Right) && ((sarake += 1)); done
    while ((sarake > uusi_sarake)); do nappaimet+=(Left) && ((sarake -= 1)); done
    ((${#nappaimet[@]} == 0)) || xdotool key --delay 15 "${nappaimet[@]}"
    kohdalla=$1
}

odota_ohjetta "Sijoita lentotukialuksesi (pituus 4 ruutua) vasemmanpuoleiseen ruudukkoon."
xdotool key Tab
kohdistus=$(lue kohdistus)
[[ $kohdistus == "A1, vesi" ]] || virhe "ensimmäinen sarkain ei vienyt omaan ruutuun A1 vaan: $kohdistus"
# Square and key per ship: Space lays it rightwards, Shift+Space downwards.
for laiva in 61:shift+space 8:space 45:shift+Return 30:Return 95:shift+space 1:space \
    100:space 98:shift+space 33:Return 68:space; do
    siirry "${laiva%%:*}"
    xdotool key "${laiva##*:}"
    if [[ $laiva == 61:* ]]; then
        odota_ohjetta "Sijoita 1. risteilijäsi (pituus 3 ruutua) vasemmanpuoleiseen ruudukkoon."
        [[ $(lue ruutu "Oma ruudukko" 91) == "A10, oma laiva" ]] ||
            virhe "ruutu A10 ei ole oma laiva"
        # Announced as a notification, after the news of the move when the
        # key came between two ticks of the game's timer.
        ilmoitus=$(lue ilmoitus)
        [[ $ilmoitus == "Sijoita 1. risteilijäsi"* || $ilmoitus == "A7, oma laiva. Sijoita 1. risteilijäsi"* ]] ||
            virhe "ilmoitus \"$ilmoitus\""
    fi
done
readonly VUORO="Sinun vuorosi. Valitse oikeanpuoleisesta ruudukosta ammuttava ruutu."
odota_ohjetta "$VUORO"
if command -v import >/dev/null 2>&1; then
    sleep 0.3
    import -window root "$artefaktit/nappaimisto.png" || echo "Kuvakaappaus epäonnistui." >&2
fi

xdotool key Tab Return
sleep 1.5 # the computer answers after its one-second pause
odota_ohjetta "$VUORO"
laukaus=$(lue ruutu "Vastustajan ruudukko" 1)
[[ $laukaus =~ ^A1,\ (ohi|osuma),\ viimeisin\ laukaus$ ]] || virhe "laukaus ei osunut ruutuun A1: \"$laukaus\""
echo "Näppäimistöpeli: laivasto sijoitettu ja ruutuun A1 ammuttu ($laukaus)."

echo "Ikkunatesti läpäisty."
exit 0
