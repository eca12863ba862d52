# Shared by the scripts that run the game on a virtual X server; sourced, not
# run.
#
#   kaynnista_xvfb <näyttö, esim. 1024x768x24>
#       Starts Xvfb on a display number it finds free itself and exports
#       DISPLAY. The server picks the number (-displayfd), so two test runs, or
#       a stale server whose socket outlives its lock file, never end up on the
#       same display. It never resets. The caller's EXIT trap calls
#       lopeta_xvfb.
#   lopeta_xvfb
#   etsi_ikkuna <otsikko> <sekunteja>
#       Prints the first shown window with exactly this caption.

XVFB_PID=
XVFB_KANSIO=

kaynnista_xvfb() {
    command -v Xvfb >/dev/null 2>&1 || {
        echo "VIRHE: Xvfb puuttuu" >&2
        return 1
    }
    XVFB_KANSIO=$(mktemp -d)
    # Local connections only; no cookie, as nothing but this test's own
    # processes can reach a private unix socket on a display of its own.
    # -noreset: by default the server resets whenever its last client leaves,
    # and the short-lived clients of the tests (each xdotool search) would
    # make the game's own connection fail when it lands during a reset.
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "$1" 3>"$XVFB_KANSIO/numero" \
        >"$XVFB_KANSIO/loki" 2>&1 &
    XVFB_PID=$!
    local numero=
    for _ in $(seq 100); do
        # The number is written, with a newline, once the server accepts
        # connections; read fails on a line not ended yet.
        read -r numero <"$XVFB_KANSIO/numero" && [[ $numero =~ ^[0-9]+$ ]] && break
        numero=
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -z $numero ]]; then
        echo "VIRHE: Xvfb ei käynnistynyt" >&2
        cat "$XVFB_KANSIO/loki" >&2
        lopeta_xvfb
        return 1
    fi
    export DISPLAY=:$numero
    unset XAUTHORITY
}

# shellcheck disable=SC2317 # run by the caller's EXIT trap
lopeta_xvfb() {
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
    [[ -n $XVFB_KANSIO ]] && rm -rf "$XVFB_KANSIO"
    XVFB_KANSIO=
    return 0
}

# xdotool gives up at once when a window vanishes under its search (as the
# program's start-up windows may), so it is asked again until the deadline.
etsi_ikkuna() {
    local loppu=$((SECONDS + $2)) tunnus
    while ((SECONDS < loppu)); do
        tunnus=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [[ -n $tunnus ]] && echo "$tunnus" && return 0
        sleep 0.1
    done
    return 1
}
