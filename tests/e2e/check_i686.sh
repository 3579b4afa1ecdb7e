#!/usr/bin/env bash
# First test of the i686 layer: PRODUCT is a 32-bit Windows exe and 32-bit
# code runs here (in the guest of scripts/test-i686.sh); then PRODUCT is
# put into DIR, where the i686 tests take it from.
set -euo pipefail
product=$1 dir=$2
desc=$(file -b "$product")
echo "$product: $desc"
[[ $desc == "PE32 executable (GUI) Intel 80386"* ]] || { echo "FAIL: not a 32-bit Windows exe"; exit 1; }
/usr/lib/wine/wine --version >/dev/null 2>&1 ||
  { echo "FAIL: 32-bit Wine does not run here; the i686 tests run in the guest: scripts/test-i686.sh"; exit 1; }
mkdir -p "$dir"
cp "$product" "$dir/Sorvane.exe"
cmp "$product" "$dir/Sorvane.exe"
