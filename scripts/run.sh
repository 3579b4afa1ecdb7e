#!/usr/bin/env bash
# Builds Sorvane and starts it under Wine: on this X display, or in a
# virtual one when there is none. Its settings stay in build/run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset wine >/dev/null
cmake --build --preset wine --target Sorvane
source scripts/wine-env.sh
mkdir -p build/run
cp build/wine/bin/Sorvane.exe build/run/Sorvane.exe
[ -d build/run/prefix ] || wine_prefix_new "$PWD/build/run/prefix"
export WINEPREFIX="$PWD/build/run/prefix"
if [ -n "${DISPLAY:-}" ]; then
  exec "$WINELOADER" build/run/Sorvane.exe
else
  echo "No X display: running in Xvfb (screen 1024x768)."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$WINELOADER" build/run/Sorvane.exe
fi
