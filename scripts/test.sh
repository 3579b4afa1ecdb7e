#!/usr/bin/env bash
# Builds and runs every test layer: host (pure code, ASan/UBSan), short
# fuzz runs, the 32-bit product's checks, then the in-process and black-box
# layers under Wine. Ends with ctest's summary of the Wine layers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

echo "== host: pure code with AddressSanitizer and UBSan"
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

echo "== fuzz: short libFuzzer runs over the kept corpus"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

echo "== cross: Sorvane.exe for 32-bit Windows"
cmake --preset cross >/dev/null
cmake --build --preset cross
ctest --preset cross

echo "== wine: in-process and black-box layers"
cmake --preset wine >/dev/null
cmake --build --preset wine
source scripts/wine-env.sh 2>/dev/null
trap wine_stop EXIT
wine_prefix_new "$PWD/build/wine/prefix"
rm -rf build/wine/bin/shots
set +e
# A Wine test that fails runs once more before it counts: on a loaded 2-core
# machine Wine itself has failed a test process (its windows not created);
# a fault of the program fails both runs, and ctest lists every failure.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
  'source scripts/wine-env.sh 2>/dev/null; wine_start; ctest --preset wine --repeat until-pass:2 "$@"; rc=$?; wine_stop; exit $rc' _ "$@"
rc=$?
set -e
# The README's pictures come from the black-box screenshots.
for shot in build/wine/bin/shots/*.bmp; do
  [ -f "$shot" ] && convert "$shot" "docs/$(basename "${shot%.bmp}").png"
done
exit $rc
