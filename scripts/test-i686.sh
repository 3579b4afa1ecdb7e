#!/usr/bin/env bash
# The i686 layer: every black-box scenario of tests/e2e against the shipped
# 32-bit build/cross/Sorvane.exe, in one run of the guest of
# scripts/guest-image.sh (this machine's kernel runs no 32-bit code). ctest
# runs inside the guest on this tree, shared at the same path, with the
# wine preset's x86-64 driver starting the 32-bit exe (the guest's WoW64
# prefix runs both); its output streams here. Needs the presets cross and
# wine built (scripts/test.sh builds them). Arguments go to ctest.
#
# Kept in build/i686: the guest's console (console.log), ctest's log
# (LastTest.log), the screenshots and reruns.txt, the tests that failed
# once and ran again.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = --guest ]; then
  # Inside the guest, where Xvfb, the wineserver and the Wine desktop are up.
  shift
  # Every bound of the driver's waits five times longer: code runs several
  # times slower in the emulated machine.
  export SORVANE_E2E_PATIENCE=5
  rc=0
  # A test that fails runs once more before it counts, as in the Wine
  # layer; reruns.txt names every such test.
  ctest --preset i686 --repeat until-pass:2 "$@" || rc=$?
  # The screenshots land beside the product the driver started.
  if (($# == 0)) && ! ls build/i686/shots/*.bmp >/dev/null 2>&1; then
    echo "i686: no screenshots in build/i686/shots: the tests did not start the product put there"
    rc=1
  fi
  cp build/wine/Testing/Temporary/LastTest.log build/i686/ 2>/dev/null || true
  exit $rc
fi

exe=build/cross/Sorvane.exe
for f in "$exe" build/wine/bin/sorvane_e2e_tests.exe; do
  [ -f "$f" ] || { echo "i686: $f is missing: build the presets cross and wine first"; exit 1; }
done
echo "== i686: tests/e2e against $exe ($(file -b "$exe")) in a Debian 12 guest (QEMU)"
source scripts/guest-image.sh
guest_image
rm -rf build/i686
mkdir -p build/i686
t0=$SECONDS
rc=0
job="bash scripts/test-i686.sh --guest"
(($# == 0)) || job+=" $(printf '%q ' "$@")"
guest_job "$PWD" build/i686/console.log "$job" || rc=$?
scripts/reruns.sh build/i686/LastTest.log >build/i686/reruns.txt
echo "i686: $((SECONDS - t0)) s in the guest; its console is in build/i686/console.log"
sed 's/^/i686: ran again: /' build/i686/reruns.txt
exit $rc
