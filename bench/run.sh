#!/usr/bin/env bash
# Measures Sorvane.exe against the floor program under Xvfb + Wine and prints
# a table of medians and ratios. Not part of the test command.
#   bench/run.sh [RUNS] [IDLE_SECONDS]      (defaults: 3 runs, 120 s idle)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-3}
IDLE=${2:-120}
scripts/deps.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target Sorvane floor >/dev/null
cmake --preset wine >/dev/null
cmake --build --preset wine --target Sorvane floor probe >/dev/null
source scripts/wine-env.sh 2>/dev/null
trap wine_stop EXIT
mkdir -p build/bench/run
[ -d build/bench/prefix ] || wine_prefix_new "$PWD/build/bench/prefix"
export WINEPREFIX="$PWD/build/bench/prefix"
cp build/wine/bin/Sorvane.exe build/wine/bench/floor.exe build/wine/bench/probe.exe build/bench/run/
wpath() { local p="$PWD/$1"; echo "Z:${p//\//\\}"; }
SORVANE_W=$(wpath build/bench/run/Sorvane.exe)
FLOOR_W=$(wpath build/bench/run/floor.exe)
export SORVANE_W FLOOR_W IDLE
out=build/bench/results.txt
: > "$out"
for i in $(seq "$RUNS"); do
  echo "run $i of $RUNS (idle ${IDLE} s)..." >&2
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
    'source scripts/wine-env.sh 2>/dev/null; export WINEPREFIX='"$WINEPREFIX"'; wine_start;
     "$WINELOADER" build/bench/run/probe.exe "$SORVANE_W" "$FLOOR_W" "$IDLE" | tr -d "\r"; wine_stop' >> "$out"
done
echo "size_bytes.sorvane $(stat -c %s build/cross/Sorvane.exe)" >> "$out"
echo "size_bytes.floor $(stat -c %s build/cross/bench/floor.exe)" >> "$out"
python3 bench/report.py "$out" "$RUNS" "$IDLE"
