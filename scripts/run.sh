#!/usr/bin/env bash
# Builds Sorvane and starts it under Wine: on this X display, or in a
# virtual one when there is none. There nobody could see it, so the window
# is opened as a click on the tray icon opens it and a picture of the screen
# is left in build/run/screen.png. Its settings stay in build/run.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = --in-xvfb ]; then
  source scripts/wine-env.sh
  export WINEPREFIX="$PWD/build/run/prefix"
  # Nothing of Wine outlives the program, so xvfb-run can end its X server.
  trap '"$WINESERVER" -k >/dev/null 2>&1 || true; "$WINESERVER" -w >/dev/null 2>&1 || true' EXIT
  # Ctrl+C ends the X server with everything else; Wine's complaints about
  # the lost display are no news then.
  "$WINELOADER" build/run/Sorvane.exe 2>/dev/null &
  if ! "$WINELOADER" build/wine/bin/sorvane_open.exe; then
    echo "Sorvane's window did not open." >&2
    exit 1
  fi
  import -window root build/run/screen.png
  echo "Sorvane's window is open; a picture of the screen: $PWD/build/run/screen.png"
  echo "End it with Ctrl+C, or with 終了 in the menu of its tray icon."
  wait
  exit 0
fi

scripts/deps.sh
cmake --preset wine >/dev/null
cmake --build --preset wine --target Sorvane sorvane_open
source scripts/wine-env.sh
mkdir -p build/run
cp build/wine/bin/Sorvane.exe build/run/Sorvane.exe
[ -d build/run/prefix ] || wine_prefix_new "$PWD/build/run/prefix"
export WINEPREFIX="$PWD/build/run/prefix"
if [ -n "${DISPLAY:-}" ]; then
  exec "$WINELOADER" build/run/Sorvane.exe
fi
echo "No X display: running in Xvfb (screen 1024x768)."
rm -f build/run/screen.png
# A script's background job ignores Ctrl+C, so it reaches this shell alone:
# ending Wine ends the program, then the job ends and with it the X server.
xvfb-run -a -s "-screen 0 1024x768x24" "$PWD/scripts/run.sh" --in-xvfb &
xvfb=$!
trap '"$WINESERVER" -k >/dev/null 2>&1 || true' INT TERM
status=0
while kill -0 "$xvfb" 2>/dev/null; do wait "$xvfb" && status=0 || status=$?; done
exit "$status"
