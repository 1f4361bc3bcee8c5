#!/usr/bin/env bash
# Takes the README's screenshots: builds Korvane.exe, starts it on a copy of the demo game
# under Xvfb with the English language file, saves docs/info.png, presses Load, and saves
# one picture of each page (docs/general.png, graphics.png, objects.png, manual.png); then
# the same with the German language file as docs/de-info.png, de-general.png, and so on; and
# the General page at 144 dpi as docs/general-144dpi.png; last the General page with three
# profiles in the game's folder and their list open, as docs/profiles.png, and with a second
# game folder chosen before (and one that has gone) the list of game folders open, as
# docs/folders.png, and with three versions in the game file's history its list open, as
# docs/history.png (KORVANE_HISTORY_ONLY=1 takes that one alone). With the English
# file it also finds line 128 through the manual page's search field and opens its choices
# (docs/manual-choices.png; KORVANE_CHOICES_DPI=144 takes that one alone at 144 dpi, into
# build/screenshots, for a look). The Views page, with a mirror value chosen, is taken at 96
# and 144 dpi (docs/views.png, docs/views-144dpi.png; KORVANE_VIEWS_DPI=144 takes it alone,
# into build/screenshots).
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

# The dpi the program runs at, and a length of the layout (96 dpi) at that dpi, rounded as
# the program rounds it.
dpi=96
px() {
    echo $((($1 * dpi + 48) / 96))
}
# Clicks at a point of the client area, given at 96 dpi.
click() {
    xdotool mousemove $((cx + $(px "$1"))) $((cy + $(px "$2"))) click 1
    sleep 0.8
}
# Saves the whole window, with the mouse on a spot where no control reacts to it.
shot() {
    xdotool mousemove $((cx + $(px 570))) $((cy + $(px 272)))
    sleep 0.4
    xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
        "$KORVANE_ROOT/docs/$1.png"
    echo "docs/$1.png"
}

# The same with every other window on show (the open list of a drop-down is a window of its
# own, which the root window's picture lacks under Xvfb) laid over it at its place; the
# picture takes in what reaches out of the main window.
shot_with_popups() {
    local id info x y w h left=$X top=$Y right=$((X + WIDTH)) bottom=$((Y + HEIGHT))
    local layers=()
    xwd -root -silent | convert xwd:- "$work/root.png"
    for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
        [ "$((id))" = "$((wid))" ] && continue
        info=$(xwininfo -id "$id")
        grep -q 'Map State: IsViewable' <<<"$info" || continue
        x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
        y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
        w=$(awk '/^ +Width:/ {print $2}' <<<"$info")
        h=$(awk '/^ +Height:/ {print $2}' <<<"$info")
        xwd -id "$id" -silent | convert xwd:- "$work/popup.$id.png"
        layers+=("$work/popup.$id.png" -geometry "+$x+$y" -composite)
        left=$((x < left ? x : left)); top=$((y < top ? y : top))
        right=$((x + w > right ? x + w : right)); bottom=$((y + h > bottom ? y + h : bottom))
    done
    convert "$work/root.png" "${layers[@]}" \
        -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$1"
    echo "$1"
}

# The navigation strip's buttons: centres of the 105 x 25 buttons at left 8.
button_y() {
    case $1 in
    general) echo 20 ;; graphics) echo 52 ;; objects) echo 84 ;; manual) echo 116 ;;
    info) echo 148 ;; load) echo 180 ;; quit) echo 244 ;;
    esac
}

# One set of pictures: the program with the language file $2 at $3 dpi, the pictures named
# $1info$4.png, $1general$4.png and so on; with a fifth argument only the General page.
take_set() {
    local prefix=$1 suffix=$4 only=${5:-}
    dpi=$3
    cp "$KORVANE_ROOT/$2" "$work/run/language.txt"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1
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
    # The outer window (with the frame wine draws) and the client area 587 x 277 (at 96
    # dpi) inside it.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    border=$(((WIDTH - $(px 587)) / 2))
    cx=$((X + border))
    cy=$((Y + HEIGHT - border - $(px 277)))

    if [ -z "$only" ]; then
        shot "${prefix}info$suffix"
    fi
    click 60 "$(button_y load)"
    if [ "$only" = profiles ]; then
        click 60 "$(button_y general)"
        list_shot $((129 + 64 + 150)) 139 161 profiles
    elif [ "$only" = folders ]; then
        click 60 "$(button_y general)"
        list_shot $((129 + 112 + 326)) 207 337 folders
    elif [ "$only" = history ]; then
        click 60 "$(button_y general)"
        list_shot $((129 + 64 + 374)) 235 385 history
    elif [ "$only" != choices ] && [ "$only" != views ]; then
        click 60 "$(button_y general)"
        shot "${prefix}general$suffix"
    fi
    if [ -z "$only" ]; then
        click 60 "$(button_y graphics)"
        shot "${prefix}graphics$suffix"
        click 60 "$(button_y objects)"
        shot "${prefix}objects$suffix"
        click 60 "$(button_y manual)"
        # Choose line 5 in the description list, so the value and description fields show it.
        click $((129 + 114 + 60)) $((5 * 14 + 7))
        shot "${prefix}manual$suffix"
    fi
    if [ "$only" = choices ] || { [ -z "$only" ] && [ -z "$prefix" ]; }; then
        [ "$only" = choices ] && click 60 "$(button_y manual)"
        # Line 128 found through the search field under the strip's buttons, and the
        # button of its choices (right of Apply) clicked.
        click 93 267
        xdotool type --delay 80 "lens flare"
        sleep 0.8
        click $((129 + 310 + 94 - 8)) $((185 + 64 + 11))
        shot_with_popups "$choices_dir/manual-choices$suffix.png"
        xdotool key Escape
        sleep 0.4
    fi
    if [ "$only" = views ] || { [ -z "$only" ] && [ -z "$prefix" ] && [ -z "$suffix" ]; }; then
        # The Views button is on the left of the strip's last place; the mirror value of the
        # row "Mipmap bias" chosen.
        click 29 267
        click $((129 + 355)) 63
        shot_with_popups "$views_dir/views$suffix.png"
    fi
    click 60 "$(button_y quit)"
    wait "$pid" 2>/dev/null || true
    pid=
    # The window must be gone before the next set looks for it.
    for _ in $(seq 1 50); do
        xdotool search --name '^VQR Korvane' >/dev/null 2>&1 || break
        sleep 0.1
    done
}

# The General page with a drop-down's list open (clicked at $1,$2, the list $3 wide), saved
# as docs/$4.png: the list is a window of its own, which the root picture may not show, so
# its own picture is laid over it. The mouse rests on the second row.
list_shot() {
    click "$1" "$2"
    local popup
    popup=$(xwininfo -root -children |
        awk -v w="$(px "$3")x" '/korvane.exe/ && index($0, " " w) {print $1; exit}')
    eval "$(xdotool getwindowgeometry --shell "$popup" | sed 's/^/P/')"
    xdotool mousemove $((PX + $(px 60))) $((PY + $(px 18)))
    sleep 0.6
    xwd -root -silent | convert xwd:- "$work/root.png"
    xwd -id "$popup" -silent >"$work/popup.xwd" &&
        convert "$work/root.png" "xwd:$work/popup.xwd" -geometry "+$PX+$PY" -composite \
            "$work/root.png"
    # A list that opens below the window is shown whole.
    local height=$HEIGHT
    if ((PY + PHEIGHT > Y + HEIGHT)); then height=$((PY + PHEIGHT - Y)); fi
    convert "$work/root.png" -crop "${WIDTH}x${height}+${X}+${Y}" +repage \
        "$KORVANE_ROOT/docs/$4.png"
    echo "docs/$4.png"
    xdotool key Escape
    sleep 0.3
}

# Three versions in the history: the file as it was before Korvane and two later ones.
take_history() {
    local history="$work/game/Korvane history"
    rm -rf "$history"
    mkdir -p "$history"
    sed '2s/^800/640/; 3s/^600/480/' "$work/game/f1graphics.cfg" \
        >"$history/f1graphics 2026-11-20 19-02-41.cfg"
    sed '2s/^800/1024/; 3s/^600/768/' "$work/game/f1graphics.cfg" \
        >"$history/f1graphics 2026-12-01 21-30-05.cfg"
    sed '2s/^800/1024/' "$work/game/f1graphics.cfg" >"$history/f1graphics 2026-12-08 22-14-50.cfg"
    take_set "" data/languages/english.txt 96 "" history
    rm -rf "$history"
}

choices_dir=$KORVANE_ROOT/docs
views_dir=$KORVANE_ROOT/docs
if [ -n "${KORVANE_HISTORY_ONLY:-}" ]; then
    take_history
elif [ -n "${KORVANE_VIEWS_DPI:-}" ]; then
    views_dir=$work
    take_set "" data/languages/english.txt "$KORVANE_VIEWS_DPI" "-${KORVANE_VIEWS_DPI}dpi" views
elif [ -n "${KORVANE_CHOICES_DPI:-}" ]; then
    choices_dir=$work
    take_set "" data/languages/english.txt "$KORVANE_CHOICES_DPI" "-${KORVANE_CHOICES_DPI}dpi" \
        choices
else
    take_set "" data/languages/english.txt 96 ""
    take_set de- data/languages/deutsch.txt 96 ""
    take_set "" data/languages/english.txt 144 -144dpi general
    take_set "" data/languages/english.txt 144 -144dpi views
    # Three profiles beside the game's file; Low is a copy of it, so it is the one in use.
    cp "$work/game/f1graphics.cfg" "$work/game/Low.cfg"
    sed '2s/^800/1024/; 3s/^600/768/' "$work/game/f1graphics.cfg" >"$work/game/High.cfg"
    sed '2s/^800/1152/; 3s/^600/864/' "$work/game/f1graphics.cfg" >"$work/game/Normal 2.cfg"
    printf '[Options]\r\nSound=1\r\n' >"$work/game/other.cfg"
    take_set "" data/languages/english.txt 96 "" profiles
    # A second install chosen before, and one that has gone since.
    rm -rf "$work/GP4 1988"
    cp -r data/demo/game "$work/GP4 1988"
    wine reg add 'HKCU\Software\Korvane' /v GameFolders /t REG_MULTI_SZ \
        /d "$(korvane_winpath "$work/GP4 1988")\0C:\Games\GP4 old" /f >/dev/null 2>&1
    take_set "" data/languages/english.txt 96 "" folders
    wine reg delete 'HKCU\Software\Korvane' /f >/dev/null 2>&1 || true
    take_history
fi
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
