#!/usr/bin/env bash
# Checks the built product: a 32-bit GUI executable that imports only system
# DLLs and carries MAINICON, the version block (Japanese, code page 932) and
# the application manifest.
set -euo pipefail
exe=$1
fail() { echo "FAIL: $*"; exit 1; }
desc=$(file -b "$exe")
echo "$desc"
[[ $desc == *"PE32 executable (GUI) Intel 80386"* ]] || fail "not a 32-bit GUI exe"
dlls=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print toupper($3)}' | sort -u)
echo "imports:" $dlls
for d in $dlls; do
  case $d in
    KERNEL32.DLL|USER32.DLL|GDI32.DLL|SHELL32.DLL|ADVAPI32.DLL|COMDLG32.DLL|COMCTL32.DLL|MSVCRT.DLL) ;;
    *) fail "imports $d" ;;
  esac
done
res=$(wrestool -l "$exe")
echo "$res"
grep -q "type=14 --name='MAINICON'" <<<"$res" || fail "no MAINICON icon group"
grep -q "type=16" <<<"$res" || fail "no version block"
grep -q "type=24 --name=1 " <<<"$res" || fail "no application manifest"
manifest=$(wrestool -x --raw --type=24 --name=1 "$exe")
grep -q "<gdiScaling[^>]*>true</gdiScaling>" <<<"$manifest" || fail "the manifest does not ask for GDI scaling"
[ "$(grep -o "<supportedOS Id=" <<<"$manifest" | wc -l)" -eq 5 ] || fail "the manifest does not name Vista to 11"
grep -q "requestedExecutionLevel" <<<"$manifest" && fail "the manifest requests an execution level"
ver=$(wrestool -x --raw --type=16 "$exe" | od -An -tx1 | tr -d ' \n')
[[ $ver == *"1104a403"* ]] || fail "version translation is not 0x0411/932"
# FILEVERSION 3.0.2.0 and PRODUCTVERSION 1.0.0.0 in the fixed block.
[[ $ver == *"bd04effe0000010000000300000002000000010000000000"* ]] || fail "version numbers differ"
size=$(stat -c %s "$exe")
echo "size: $size bytes"
echo "exe checks passed"
