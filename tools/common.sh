# Shared by the README's commands: install what is missing, and run wine on a private
# X server with a persistent wineserver. Source it; do not run it.

KORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko prompts in a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

korvane_need_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages the build and the tests need, if any is missing.
korvane_install_packages() {
    local pkgs=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
        libbenchmark-dev g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
        binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 wine wine64 xvfb xauth xdotool
        x11-apps x11-utils imagemagick clang-format zip unzip python3 fonts-wine fonts-liberation)
    local missing=()
    local p
    for p in "${pkgs[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        korvane_need_root apt-get update -q
        korvane_need_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
            --no-install-recommends "${missing[@]}"
    fi
}

# Starts Xvfb on a free display (unless KORVANE_USE_DISPLAY is set and $DISPLAY works)
# and prepares the wine prefix given as $1 with a persistent wineserver.
korvane_wine_start() {
    export WINEPREFIX=$1
    if [ -z "${KORVANE_USE_DISPLAY:-}" ]; then
        local n=90
        while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
        # Room for the window at 192 dpi (wine keeps a window no larger than the screen),
        # and for all of it at 144 dpi where it opens (for the pictures).
        Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
        KORVANE_XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
    fi
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1 || true
    fi
    wineserver -p >/dev/null 2>&1 || true
    wineboot -i >/dev/null 2>&1 || true # wait until the prefix is up
    if [ -z "${KORVANE_USE_DISPLAY:-}" ]; then
        # Xvfb has no window manager: let wine draw the caption bars itself, with the
        # symbol font of their buttons where wine's own copy is not found.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
        # 96 dpi, whatever a run that was cut short left behind (tests and pictures at other
        # dpi set it for their own run).
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f \
            >/dev/null 2>&1 || true
        local marlett=/usr/share/wine/fonts/marlett.ttf
        if [ -f "$marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
            cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        fi
    fi
}

korvane_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${KORVANE_XVFB_PID:-}" ]; then
        kill "$KORVANE_XVFB_PID" 2>/dev/null || true
        wait "$KORVANE_XVFB_PID" 2>/dev/null || true
        KORVANE_XVFB_PID=
    fi
}

# Linux path -> the path wine's programs see (drive Z: is the root).
korvane_winpath() {
    printf 'Z:%s' "$(realpath "$1" | sed 's#/#\\#g')"
}
