#!/usr/bin/env bash
# Installs what building and testing Sorvane need on Debian 12, when missing
# (QEMU and debootstrap make and run the guest of the i686 layer).
set -euo pipefail

PACKAGES=(cmake g++ make googletest libgtest-dev clang
          g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
          wine wine64 xvfb xauth x11-utils fonts-ipafont imagemagick icoutils file locales zip python3
          qemu-system-x86 qemu-utils debootstrap e2fsprogs)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
