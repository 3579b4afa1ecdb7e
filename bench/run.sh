#!/usr/bin/env bash
# Measures Sorvane.exe against the three floor programs (bare, with
# Sorvane's kind of window, and that doing the tray component's start
# sequence too) under Xvfb + Wine, side by side in each run, and prints a
# table of medians and ratios. Not part of the test command.
#   bench/run.sh [RUNS] [IDLE_SECONDS]      (defaults: 3 runs, 120 s idle)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-3}
IDLE=${2:-120}
scripts/deps.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target Sorvane floor windowfloor sameworkfloor >/dev/null
cmake --preset wine >/dev/null
cmake --build --preset wine --target Sorvane floor windowfloor sameworkfloor probe >/dev/null
source scripts/wine-env.sh 2>/dev/null
trap wine_stop EXIT
mkdir -p build/bench/run
[ -d build/bench/prefix ] || wine_prefix_new "$PWD/build/bench/prefix"
export WINEPREFIX="$PWD/build/bench/prefix"
cp build/wine/bin/Sorvane.exe build/wine/bench/floor.exe build/wine/bench/windowfloor.exe \
  build/wine/bench/sameworkfloor.exe build/wine/bench/probe.exe build/bench/run/
wpath() { local p="$PWD/$1"; echo "Z:${p//\//\\}"; }
SORVANE_W=$(wpath build/bench/run/Sorvane.exe)
FLOOR_W=$(wpath build/bench/run/floor.exe)
WINDOW_W=$(wpath build/bench/run/windowfloor.exe)
SAMEWORK_W=$(wpath build/bench/run/sameworkfloor.exe)
export SORVANE_W FLOOR_W WINDOW_W SAMEWORK_W IDLE
out=build/bench/results.txt
: > "$out"
for i in $(seq "$RUNS"); do
  echo "run $i of $RUNS (idle ${IDLE} s)..." >&2
  # How busy the machine was: the 1-minute load average as the run starts.
  echo "load_1min $(cut -d' ' -f1 /proc/loadavg)" >> "$out"
  export RUN=$i
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
    'source scripts/wine-env.sh 2>/dev/null; export WINEPREFIX='"$WINEPREFIX"'; wine_start;
     "$WINELOADER" build/bench/run/probe.exe "$SORVANE_W" "$FLOOR_W" "$WINDOW_W" "$SAMEWORK_W" "$IDLE" "$RUN" | tr -d "\r"; wine_stop' >> "$out"
done
echo "size_bytes.sorvane $(stat -c %s build/cross/Sorvane.exe)" >> "$out"
echo "size_bytes.bare $(stat -c %s build/cross/bench/floor.exe)" >> "$out"
echo "size_bytes.window $(stat -c %s build/cross/bench/windowfloor.exe)" >> "$out"
echo "size_bytes.samework $(stat -c %s build/cross/bench/sameworkfloor.exe)" >> "$out"
echo "load_1min $(cut -d' ' -f1 /proc/loadavg)" >> "$out"
python3 bench/report.py "$out" "$RUNS" "$IDLE"
