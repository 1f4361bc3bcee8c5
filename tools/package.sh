#!/usr/bin/env bash
# Builds the player's download: build/release/Korvane-<version>-win32.zip (32-bit, static).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$KORVANE_ROOT"
korvane_install_packages
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
(cd build/release && cpack -G ZIP >/dev/null)
ls -l build/release/Korvane-*-win32.zip
unzip -l build/release/Korvane-*-win32.zip
