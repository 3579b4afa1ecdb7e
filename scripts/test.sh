#!/usr/bin/env bash
# Builds and runs every test layer: host (pure code, ASan/UBSan), short
# fuzz runs, the 32-bit product's checks, the in-process and black-box
# layers under Wine (the x86-64 build), then the black-box layer against the
# 32-bit product in a virtual machine (i686). Ends with each Windows layer's
# summary and every test that failed and ran again.
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
# A Windows test that fails runs once more before it counts: on a loaded
# 2-core machine Wine itself has failed a test process (its windows not
# created); a fault of the program fails both runs. Every test that needed
# its second run is listed at the end.
set +e
xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
  'source scripts/wine-env.sh 2>/dev/null; wine_start; ctest --preset wine --repeat until-pass:2 "$@"; rc=$?; wine_stop; exit $rc' _ "$@" \
  2>&1 | tee build/wine/ctest.log
wine_rc=${PIPESTATUS[0]}
scripts/reruns.sh build/wine/Testing/Temporary/LastTest.log >build/wine/reruns.txt
# Kept whole: the i686 layer's ctest writes to the same build tree.
cp build/wine/Testing/Temporary/LastTest.log build/wine/LastTest-wine.log 2>/dev/null || true

scripts/test-i686.sh "$@"
i686_rc=$?
set -e

summary() {  # summary LAYER CTEST-OUTPUT
  local line
  line=$(grep -aE '^[0-9]+% tests passed' "$2" 2>/dev/null | tail -1 | tr -d '\r') || true
  echo "$1: ${line:-no result (see above)}"
}
echo "== summary"
summary "wine (x86-64 build, 64-bit Wine)" build/wine/ctest.log
summary "i686 (build/cross/Sorvane.exe, $(file -b build/cross/Sorvane.exe | cut -d, -f1), in the guest)" build/i686/console.log
echo "Failed and ran again (passed the second time: an intermittent fault to look into):"
{ sed 's/^/  wine: /' build/wine/reruns.txt; sed 's/^/  /' build/i686/reruns.txt; } 2>/dev/null | grep . || echo "  none"
((wine_rc == 0 && i686_rc == 0))
