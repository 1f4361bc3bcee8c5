#!/usr/bin/env bash
# Builds Korvane.exe and starts it on the bundled demo game: a wine prefix whose registry
# names data/demo/game as the install directory, and a working folder with language.txt.
# With $DISPLAY set the window appears there; without it, it runs on Xvfb and a
# screenshot is saved.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$KORVANE_ROOT"
korvane_install_packages

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target Korvane >/dev/null

demo="$KORVANE_ROOT/build/demo"
rm -rf "$demo/game" "$demo/run"
mkdir -p "$demo/run"
# A fresh copy each run: Save changes the copy, never the bundled file.
cp -r "$KORVANE_ROOT/data/demo/game" "$demo/game"
chmod -R u+w "$demo/game"
cp "$KORVANE_ROOT/build/windows/src/win32/Korvane.exe" "$demo/run/"
cp "$KORVANE_ROOT/build/windows/language.txt" "$demo/run/" # made from languages/english.txt

if [ -n "${DISPLAY:-}" ]; then
    export KORVANE_USE_DISPLAY=1
fi
trap korvane_wine_stop EXIT
korvane_wine_start "$demo/prefix"
wine reg add 'HKLM\SOFTWARE\Infogrames\Grand Prix 4\1.00\Install Dir' /v Directory \
    /t REG_SZ /d "$(korvane_winpath "$demo/game")" /f >/dev/null 2>&1

cd "$demo/run"
if [ -n "${KORVANE_USE_DISPLAY:-}" ]; then
    wine Korvane.exe
else
    wine Korvane.exe &
    pid=$!
    sleep "${KORVANE_SHOT_DELAY:-4}"
    shot="$demo/korvane.png"
    xwd -root -display "$DISPLAY" -silent | convert xwd:- "$shot"
    kill "$pid" 2>/dev/null || true
    echo "Screenshot: $shot"
fi
