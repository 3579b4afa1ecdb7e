#!/usr/bin/env bash
# Sourced: sets up a private 64-bit Wine prefix with a Japanese locale and a
# virtual desktop, and gives wine_prefix_new, wine_start and wine_stop.
#
# The test layers run the x86-64 build under 64-bit Wine: a kernel without
# ia32 emulation cannot start the 32-bit Wine loader at all.

SORVANE_ROOT=${SORVANE_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d;winedbg.exe=d"
if [ -x /usr/lib/wine/wine64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
  export WINESERVER=/usr/lib/wine/wineserver64
else
  export WINELOADER=$(command -v wine64 || command -v wine)
  export WINESERVER=$(command -v wineserver)
fi

# A real glibc Japanese locale keeps Japanese command-line text intact;
# LC_ALL=ja_JP.UTF-8 alone already gives Wine code page 932.
SORVANE_LOCALE_DIR="$SORVANE_ROOT/build/locale"
if [ ! -d "$SORVANE_LOCALE_DIR/ja_JP.UTF-8" ] && command -v localedef >/dev/null; then
  mkdir -p "$SORVANE_LOCALE_DIR"
  localedef -i ja_JP -f UTF-8 "$SORVANE_LOCALE_DIR/ja_JP.UTF-8" >/dev/null 2>&1 || true
fi
[ -d "$SORVANE_LOCALE_DIR/ja_JP.UTF-8" ] && export LOCPATH="$SORVANE_LOCALE_DIR"
{ export LC_ALL=ja_JP.UTF-8; } 2>/dev/null  # bash itself may lack the locale

wine_prefix_new() {  # wine_prefix_new DIR: a fresh prefix with a virtual desktop
  export WINEPREFIX="$1"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$WINELOADER" wineboot -i >/dev/null 2>&1 </dev/null || true
  "$WINELOADER" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
  "$WINELOADER" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 </dev/null
  "$WINESERVER" -w
}

wine_start() {  # keeps a wineserver up so that each test starts fast
  ("$WINESERVER" -p >/dev/null 2>&1 </dev/null &)
  "$WINELOADER" wineboot >/dev/null 2>&1 </dev/null || true
}

wine_stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
}
