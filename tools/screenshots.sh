#!/usr/bin/env bash
# Takes the README's screenshots: builds Korvane.exe, starts it on a copy of the demo game
# under Xvfb with the English language file, saves docs/info.png, presses Load, and saves
# one picture of each page (docs/general.png, graphics.png, objects.png, manual.png); then
# the same with the German language file as docs/de-info.png, de-general.png, and so on.
# KORVANE_EXE=path uses an exe built elsewhere instead of building the windows preset.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$KORVANE_ROOT"
korvane_install_packages

exe=${KORVANE_EXE:-}
if [ -z "$exe" ]; then
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j "$(nproc)" --target Korvane >/dev/null
    exe="$KORVANE_ROOT/build/windows/src/win32/Korvane.exe"
fi

work="$KORVANE_ROOT/build/screenshots"
rm -rf "$work/run"
mkdir -p "$work/run" docs
cp "$exe" "$work/run/"

# Always on a private Xvfb: the pictures must not depend on the desktop's look.
unset KORVANE_USE_DISPLAY
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    korvane_wine_stop
}
trap cleanup EXIT
korvane_wine_start "$work/prefix"
rm -rf "$work/game"
cp -r data/demo/game "$work/game"
chmod -R u+w "$work/game" # the bundled file is read-only; the copy is the player's own
wine reg add 'HKLM\SOFTWARE\Infogrames\Grand Prix 4\1.00\Install Dir' /v Directory \
    /t REG_SZ /d "$(korvane_winpath "$work/game")" /f >/dev/null 2>&1

# Clicks at a point of the client area.
click() {
    xdotool mousemove $((cx + $1)) $((cy + $2)) click 1
    sleep 0.8
}
# Saves the whole window, with the mouse on a spot where no control reacts to it.
shot() {
    xdotool mousemove $((cx + 570)) $((cy + 272))
    sleep 0.4
    xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
        "$KORVANE_ROOT/docs/$1.png"
    echo "docs/$1.png"
}

# The navigation strip's buttons: centres of the 105 x 25 buttons at left 8.
button_y() {
    case $1 in
    general) echo 20 ;; graphics) echo 52 ;; objects) echo 84 ;; manual) echo 116 ;;
    info) echo 148 ;; load) echo 180 ;; quit) echo 244 ;;
    esac
}

# One set of pictures: the program with the language file $2, the pictures named $1info.png,
# $1general.png and so on.
take_set() {
    local prefix=$1
    cp "$KORVANE_ROOT/$2" "$work/run/language.txt"
    (cd "$work/run" && exec wine Korvane.exe) >/dev/null 2>&1 &
    pid=$!
    wid=
    for _ in $(seq 1 150); do
        wid=$(xdotool search --name '^VQR Korvane$' 2>/dev/null | head -n 1 || true)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    if [ -z "$wid" ]; then
        echo "error: the Korvane window did not appear" >&2
        exit 1
    fi
    sleep 1
    # The outer window (with the frame wine draws) and the client area 587 x 277 inside it.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    border=$(((WIDTH - 587) / 2))
    cx=$((X + border))
    cy=$((Y + HEIGHT - border - 277))

    shot "${prefix}info"
    click 60 "$(button_y load)"
    click 60 "$(button_y general)"
    shot "${prefix}general"
    click 60 "$(button_y graphics)"
    shot "${prefix}graphics"
    click 60 "$(button_y objects)"
    shot "${prefix}objects"
    click 60 "$(button_y manual)"
    # Choose line 5 in the description list, so the value and description fields show it.
    click $((129 + 114 + 60)) $((5 * 14 + 7))
    shot "${prefix}manual"
    click 60 "$(button_y quit)"
    wait "$pid" 2>/dev/null || true
    pid=
    # The window must be gone before the next set looks for it.
    for _ in $(seq 1 50); do
        xdotool search --name '^VQR Korvane$' >/dev/null 2>&1 || break
        sleep 0.1
    done
}

take_set "" data/language.txt
take_set de- data/languages/deutsch.txt
