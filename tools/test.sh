#!/usr/bin/env bash
# Builds the native, sanitizer, Windows and release presets, runs every test (native,
# sanitizer, the Windows tests under wine, and the checks of the 32-bit release and its
# zip) and ends with the totals.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$KORVANE_ROOT"
korvane_install_packages || exit 1

jobs=$(nproc)
build() {
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$jobs"
}
build native || exit 1
build asan || exit 1
build windows || exit 1
build release || exit 1
# The player's zip; its checks run as the release preset's test.
(cd build/release && rm -f Korvane-*-win32.zip && cpack -G ZIP >/dev/null) ||
    echo "warning: packaging failed; the release checks will say why" >&2

log=$(mktemp)
trap 'korvane_wine_stop; rm -f "$log"' EXIT
status=0
ctest --preset native -j "$jobs" 2>&1 | tee -a "$log" || status=1
ctest --preset asan -j "$jobs" 2>&1 | tee -a "$log" || status=1
korvane_wine_start "$KORVANE_ROOT/build/wineprefix-test"
# The window tests share one X server: run them one at a time. Now and then wine fails to
# start a test program at all (it ends in a hundredth of a second without a line of output);
# such a test runs once more, and its output is shown whenever it fails.
ctest --preset windows --output-on-failure --repeat until-pass:2 2>&1 | tee -a "$log" ||
    status=1
korvane_wine_stop
ctest --preset release 2>&1 | tee -a "$log" || status=1

failed=$(sed -nE 's/^[0-9]+% tests passed, ([0-9]+) tests? failed out of.*/\1/p' "$log" |
    awk '{s+=$1} END {print s+0}')
total=$(sed -nE 's/^[0-9]+% tests passed, [0-9]+ tests? failed out of ([0-9]+).*/\1/p' "$log" |
    awk '{s+=$1} END {print s+0}')
passed=$((total - failed))
runs=$(grep -cE '^[0-9]+% tests passed' "$log")
if [ "$runs" -ne 4 ] || [ "$total" -eq 0 ]; then
    echo "error: expected four test runs with tests, got $runs" >&2
    status=1
fi
[ "$failed" -eq 0 ] || status=1
echo "tests: $passed passed, $failed failed"
exit $status
