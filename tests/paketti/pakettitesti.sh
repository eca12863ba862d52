#!/usr/bin/env bash
# Builds the Debian package of a configured build folder and checks it the way
# a user meets it: the files it installs, the desktop's validators, lintian, the
# manual pages, and the unpacked game itself under Xvfb and under a headless
# Wayland compositor.
#
#   pakettitesti.sh <build folder>
#
# Exit codes: 0 passed, 1 failed.

set -euo pipefail

readonly TUNNUS=fi.sorvik.Sorvik
readonly ODOTUS_S=20

virhe() {
    echo "VIRHE: $*" >&2
    exit 1
}

# shellcheck source=../xvfb/xpalvelin.sh
. "$(dirname "$0")/../xvfb/xpalvelin.sh"
peli_pid=

# The game under Xvfb: the window maps, F1 asks the desktop to open the
# unpacked readme.
tarkista_xvfb() {
    local juuri=$1 tyo=$2
    mkdir -p "$tyo/koti" "$tyo/polku"
    mkdir -m 700 "$tyo/ajo"
    # Without a desktop session Qt opens files with the first xdg-open on PATH.
    cat >"$tyo/polku/xdg-open" <<VALE
#!/bin/sh
printf '%s\n' "\$*" >>"$tyo/avatut"
VALE
    chmod +x "$tyo/polku/xdg-open"
    env -u XDG_CONFIG_HOME HOME="$tyo/koti" XDG_RUNTIME_DIR="$tyo/ajo" PATH="$tyo/polku:$PATH" \
        QT_QPA_PLATFORM=xcb \
        "$juuri/usr/games/sorvik" 2>"$tyo/xvfb-stderr" &
    peli_pid=$!
    local ikkuna
    ikkuna=$(etsi_ikkuna Sorvik "$ODOTUS_S" || true)
    [[ -n $ikkuna ]] || virhe "Xvfb: ikkunaa \"Sorvik\" ei näkynyt"
    xdotool windowfocus --sync "$ikkuna"
    xdotool key --window "$ikkuna" F1
    for _ in $(seq 50); do
        [[ -s $tyo/avatut ]] && break
        sleep 0.1
    done
    local odotettu="$juuri/usr/share/doc/sorvik/readme.txt" avattu
    avattu=$(head -n 1 "$tyo/avatut" 2>/dev/null || true)
    [[ ${avattu#file://} == "$odotettu" ]] ||
        virhe "Xvfb: F1 avasi '${avattu}', odotettiin $odotettu"
    echo "Xvfb: ikkuna näkyi, F1 avasi $avattu"
    lopeta_peli
}

# shellcheck disable=SC2317 # also run by the EXIT trap
lopeta_peli() {
    if [[ -n $peli_pid ]]; then
        kill "$peli_pid" 2>/dev/null || true
        wait "$peli_pid" 2>/dev/null || true
        peli_pid=
    fi
}

[[ $# -eq 1 ]] || virhe "käyttö: $0 <käännöskansio>"
kansio=$(cd "$1" && pwd)
tyo=$(mktemp -d)
weston_pid=
# shellcheck disable=SC2317 # run by the EXIT trap
siivoa() {
    if [[ -n $weston_pid ]]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    lopeta_peli
    lopeta_xvfb
    rm -rf "$tyo"
}
trap siivoa EXIT

echo "== package"
rm -f "$kansio"/sorvik_*.deb
cmake --build "$kansio" --target package >"$tyo/cpack.log" 2>&1 || {
    cat "$tyo/cpack.log"
    virhe "paketin teko epäonnistui"
}
paketit=("$kansio"/sorvik_*_"$(dpkg --print-architecture)".deb)
[[ ${#paketit[@]} -eq 1 && -f ${paketit[0]} ]] || virhe "pakettia sorvik_<versio>_<arkkitehtuuri>.deb ei syntynyt"
paketti=${paketit[0]}
echo "$(basename "$paketti")"
[[ $(dpkg-deb -f "$paketti" Section) == games ]] || virhe "osio ei ole games"
riippuvuudet=$(dpkg-deb -f "$paketti" Depends)
for tarve in qt6-translations-l10n qt6-wayland libqt6widgets6; do
    [[ $riippuvuudet == *"$tarve"* ]] || virhe "riippuvuus $tarve puuttuu: $riippuvuudet"
done

juuri=$tyo/juuri
dpkg-deb -x "$paketti" "$juuri"
odotetut=(
    usr/games/sorvik
    usr/games/sorvikpyyhin
    usr/share/applications/$TUNNUS.desktop
    usr/share/doc/sorvik/changelog.gz
    usr/share/doc/sorvik/copyright
    usr/share/doc/sorvik/readme.txt
    usr/share/icons/hicolor/scalable/apps/$TUNNUS.svg
    usr/share/man/fi/man6/sorvik.6.gz
    usr/share/man/fi/man6/sorvikpyyhin.6.gz
    usr/share/man/man6/sorvik.6.gz
    usr/share/man/man6/sorvikpyyhin.6.gz
    usr/share/metainfo/$TUNNUS.metainfo.xml
)
for koko in 16 32 48 64 128 256; do
    odotetut+=("usr/share/icons/hicolor/${koko}x$koko/apps/$TUNNUS.png")
    [[ $(identify -format '%wx%h' "$juuri/${odotetut[-1]}") == "${koko}x$koko" ]] ||
        virhe "kuvake ${koko}x$koko on väärän kokoinen"
done
if ! diff <(printf '%s\n' "${odotetut[@]}" | sort) <(cd "$juuri" && find . -type f -printf '%P\n' | sort); then
    virhe "paketin tiedostot eivät vastaa asennusrakennetta (< odotettu, > paketissa)"
fi
gzip -t "$juuri"/usr/share/doc/sorvik/changelog.gz "$juuri"/usr/share/man/*/*.gz "$juuri"/usr/share/man/fi/*/*.gz

echo "== validators"
huomautukset=$(desktop-file-validate "$juuri/usr/share/applications/$TUNNUS.desktop") || {
    echo "$huomautukset"
    virhe "desktop-file-validate löysi virheitä"
}
[[ -z $huomautukset ]] || {
    echo "$huomautukset"
    virhe "desktop-file-validate huomautti"
}
appstreamcli validate --no-net "$juuri/usr/share/metainfo/$TUNNUS.metainfo.xml"
for sivu in "$juuri"/usr/share/man/man6/*.6.gz "$juuri"/usr/share/man/fi/man6/*.6.gz; do
    varoitukset=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$sivu" 2>&1 >/dev/null)
    [[ -z $varoitukset ]] || virhe "man ${sivu#"$juuri"/}: $varoitukset"
done
echo "man: $(find "$juuri/usr/share/man" -name '*.6.gz' | wc -l) sivua ilman varoituksia"
lintian --fail-on error "$paketti" 2> >(grep -v 'root privileges' >&2) || virhe "lintian löysi virheitä"

echo "== Xvfb"
kaynnista_xvfb 1024x768x24
tarkista_xvfb "$juuri" "$tyo/xvfb"
lopeta_xvfb
if [[ -s $tyo/xvfb/xvfb-stderr ]]; then
    cat "$tyo/xvfb/xvfb-stderr" >&2
    virhe "Xvfb: ohjelma kirjoitti virhetulosteeseen"
fi

echo "== Wayland"
ajo=$tyo/ajo
mkdir -m 700 "$ajo" "$tyo/wkoti"
export XDG_RUNTIME_DIR=$ajo
pistoke=sorvik-testi
weston --backend=headless-backend.so --socket="$pistoke" --idle-time=0 --debug \
    --width=1024 --height=768 >"$tyo/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [[ -S $ajo/$pistoke ]] && break
    sleep 0.1
done
[[ -S $ajo/$pistoke ]] || {
    cat "$tyo/weston.log"
    virhe "weston ei käynnistynyt"
}
env -u DISPLAY -u XDG_CONFIG_HOME HOME="$tyo/wkoti" WAYLAND_DISPLAY="$pistoke" \
    QT_QPA_PLATFORM=wayland "$juuri/usr/games/sorvik" 2>"$tyo/wayland-stderr" &
sorvik_pid=$!
ikkuna=
for _ in $(seq $((ODOTUS_S * 2))); do
    ikkuna=$(WAYLAND_DISPLAY=$pistoke timeout 5 weston-debug scene-graph 2>/dev/null |
        grep -o "top-level window 'Sorvik' of $TUNNUS" || true)
    [[ -n $ikkuna ]] && break
    sleep 0.5
done
sleep 1
kill -0 "$sorvik_pid" 2>/dev/null || virhe "Wayland: ohjelma päättyi ennen aikojaan"
kill "$sorvik_pid"
wait "$sorvik_pid" 2>/dev/null || true
[[ -n $ikkuna ]] || virhe "Wayland: ikkunaa \"Sorvik\" ($TUNNUS) ei syntynyt"
if [[ -s $tyo/wayland-stderr ]]; then
    cat "$tyo/wayland-stderr" >&2
    virhe "Wayland: ohjelma kirjoitti virhetulosteeseen"
fi
echo "Wayland: $ikkuna"
echo "Paketti kunnossa."
