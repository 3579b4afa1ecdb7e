#!/usr/bin/env bash
# Builds and runs every test layer: host (pure code, ASan/UBSan), the 32-bit
# product's checks, then the in-process and black-box layers under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

echo "== host: pure code with AddressSanitizer and UBSan"
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

echo "== cross: Sorvane.exe for 32-bit Windows"
cmake --preset cross >/dev/null
cmake --build --preset cross
ctest --preset cross

echo "== wine: in-process and black-box layers"
cmake --preset wine >/dev/null
cmake --build --preset wine
source scripts/wine-env.sh
trap wine_stop EXIT
wine_prefix_new "$PWD/build/wine/prefix"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c 'source scripts/wine-env.sh; wine_start; ctest --preset wine "$@"; rc=$?; wine_stop; exit $rc' _ "$@"
