#!/usr/bin/env bash
# The guest that runs the 32-bit Sorvane.exe. This machine's kernel runs no
# 32-bit code, so a Debian 12 virtual machine does: QEMU with software
# emulation (nested KVM guests hang here), a Debian kernel with IA-32
# emulation, Wine with its 32-bit half, Xvfb, the IPA font, a Japanese
# locale and a 64-bit (WoW64) Wine prefix with a virtual desktop.
#
#   scripts/guest-image.sh         builds the guest unless cached; prints its folder
#   source scripts/guest-image.sh  gives guest_image, and guest_job and
#                                  guest_run of scripts/guest-run.sh
#
# The guest is made from Debian's packages only and kept under
# ~/.cache/sorvane/guest-KEY, KEY the hash of the files that make it: this
# one (the machine, the package list, the build), scripts/guest-init.sh (its
# init) and scripts/wine-env.sh (its Wine prefix); a change to any of them
# builds it anew. Its folder holds the kernel, the initrd, the ext4 disk
# (disk.img, never written after the build) and ready.qcow2: an overlay with
# a saved state of the guest booted, Xvfb and the Wine desktop up, waiting
# for its job. Every run resumes a copy of that state, so the disk image
# never changes.

GUEST_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$GUEST_SCRIPTS/guest-run.sh"
GUEST_CACHE=${SORVANE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sorvane}
GUEST_KEY=$(cat "$GUEST_SCRIPTS/guest-image.sh" "$GUEST_SCRIPTS/guest-init.sh" "$GUEST_SCRIPTS/wine-env.sh" |
            sha256sum | cut -c1-16)
GUEST_DIR=$GUEST_CACHE/guest-$GUEST_KEY
GUEST_SUDO=""
[ "$(id -u)" -eq 0 ] || GUEST_SUDO=sudo
GUEST_PACKAGES=(linux-image-amd64 kmod wine wine32:i386 wine64 xvfb xauth x11-utils
                fonts-ipafont locales cmake file procps)

# The machine, alike for every boot: a saved state resumes only on the same
# devices. 9p carries the shared folder; it is mounted only after a resume
# (QEMU saves no state while a 9p share is mounted).
guest_qemu() {  # guest_qemu DISK SHARE QEMU-OPTION... (in a subshell of its own: it ends in QEMU)
  local disk=$1 share=$2 format=qcow2
  shift 2
  [[ $disk == *.img ]] && format=raw
  exec qemu-system-x86_64 -nodefaults -machine pc -accel tcg,thread=multi -smp 2 -cpu max,-smap -m 3072 \
    -display none -no-reboot \
    -kernel "$GUEST_DIR/vmlinuz" -initrd "$GUEST_DIR/initrd.img" \
    -append "root=/dev/vda rw console=ttyS0 quiet loglevel=3 panic=1 fsck.mode=skip init=/usr/sbin/sorvane-init" \
    -drive "file=$disk,format=$format,if=virtio,cache=unsafe,discard=unmap" \
    -fsdev "local,id=share,path=$share,security_model=none" -device virtio-9p-pci,fsdev=share,mount_tag=share \
    -device virtio-rng-pci "$@"
}

# The Debian mirror this machine's apt uses for bookworm. The guest takes
# bookworm alone from it: the same Wine as the host's, and no index of
# another suite to fail.
guest_mirror() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && awk '$1 == "deb" && $0 !~ /\[/ && $3 == "bookworm" {print $2}' "$f"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && awk '
      /^[Uu][Rr][Ii][Ss]:/ {uri = $2}
      /^[Ss]uites:/ {for (i = 2; i <= NF; i++) if ($i == "bookworm" && uri != "") print uri}
      /^$/ {uri = ""}' "$f"
  done
  echo http://deb.debian.org/debian
}

# The host's /dev and /proc as the chroot needs them, and away again (before
# any removal: a bound /dev is the host's own).
guest_unmount() {  # guest_unmount ROOT
  local m
  for m in "$1/dev" "$1/proc"; do
    if mountpoint -q "$m"; then $GUEST_SUDO umount "$m" || return 1; fi
  done
}

guest_build() {  # guest_build DIR
  local out=$1 tmp=$1.tmp sudo=$GUEST_SUDO
  local root=$tmp/root
  mkdir -p "$tmp"
  local t0=$SECONDS mirror
  mirror=$(guest_mirror | sed -n 1p)
  echo "guest: debootstrap bookworm from $mirror"
  $sudo debootstrap --variant=minbase bookworm "$root" "$mirror" >"$tmp/debootstrap.log" 2>&1 ||
    { tail -20 "$tmp/debootstrap.log"; return 1; }
  printf '#!/bin/sh\nexit 101\n' | $sudo tee "$root/usr/sbin/policy-rc.d" >/dev/null
  $sudo chmod 755 "$root/usr/sbin/policy-rc.d"
  echo 'ja_JP.UTF-8 UTF-8' | $sudo tee "$root/etc/locale.gen" >/dev/null
  on_exit guest_unmount "$root"
  $sudo mount -t proc proc "$root/proc"
  $sudo mount --bind /dev "$root/dev"
  local status=0
  echo "guest: installing ${GUEST_PACKAGES[*]}"
  $sudo chroot "$root" /bin/sh -c "
    set -e
    dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ${GUEST_PACKAGES[*]}
    locale-gen
    apt-get clean
    rm -rf /var/lib/apt/lists/* /usr/sbin/policy-rc.d" >"$tmp/install.log" 2>&1 || status=$?
  on_exit_now || { echo "guest: cannot unmount in $root"; return 1; }
  ((status == 0)) || { tail -30 "$tmp/install.log"; return 1; }
  $sudo install -m 755 "$GUEST_SCRIPTS/guest-init.sh" "$root/usr/sbin/sorvane-init"
  $sudo install -D -m 644 "$GUEST_SCRIPTS/wine-env.sh" "$root/opt/sorvane/scripts/wine-env.sh"
  $sudo sh -c "cp $root/boot/vmlinuz-* '$tmp/vmlinuz' && cp $root/boot/initrd.img-* '$tmp/initrd.img'"
  # Room for the Wine prefix (1.3 GB) and for the tests' writes.
  local mb
  mb=$(($($sudo du -sm "$root" | cut -f1) + 4096))
  echo "guest: ext4 disk of $mb MiB"
  $sudo mkfs.ext4 -q -m 0 -L sorvane -d "$root" "$tmp/disk.img" "${mb}M" >/dev/null
  $sudo rm -rf --one-file-system "$root"
  $sudo chown -R "$(id -u):$(id -g)" "$tmp"
  echo "guest: system ready after $((SECONDS - t0)) s; first boot makes the Wine prefix"
  # The boots take the kernel and the initrd from here.
  local GUEST_DIR=$tmp
  guest_run "$tmp/disk.img" "$tmp" "$tmp/first-boot.log" true || return 1
  echo "guest: saving the guest at its ready line"
  qemu-img create -q -f qcow2 -b "$tmp/disk.img" -F raw "$tmp/ready.qcow2"
  guest_run "$tmp/ready.qcow2" "$tmp" "$tmp/save.log" savevm || return 1
  rm -rf "$out"
  mv "$tmp" "$out"
  qemu-img rebase -u -b "$out/disk.img" -F raw "$out/ready.qcow2"
  chmod a-w "$out/disk.img" "$out/ready.qcow2"
  echo "guest: built in $((SECONDS - t0)) s: $out ($(du -sh "$out" | cut -f1) on disk)"
}

guest_image() {  # builds the guest unless cached
  [ -f "$GUEST_DIR/ready.qcow2" ] && { touch "$GUEST_DIR"; return 0; }
  mkdir -p "$GUEST_CACHE"
  local lock tmp
  # One build at a time: another run may be building this very guest.
  exec {lock}>"$GUEST_CACHE/.lock"
  flock "$lock"
  if [ ! -f "$GUEST_DIR/ready.qcow2" ]; then
    for tmp in "$GUEST_CACHE"/guest-*.tmp; do  # builds that were cut short
      [ -d "$tmp" ] || continue
      guest_unmount "$tmp/root" && $GUEST_SUDO rm -rf --one-file-system "$tmp"
    done
    guest_build "$GUEST_DIR"
  fi
  exec {lock}>&-
  [ -f "$GUEST_DIR/ready.qcow2" ] || return 1
  # Guests of other versions of the files that make them: the two used last
  # (this one and the one before it, say a branch's and its base's) stay,
  # older ones go.
  ls -dt "$GUEST_CACHE"/guest-* 2>/dev/null | grep -v '\.tmp$' | tail -n +3 | xargs -r rm -rf || true
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  guest_image
  echo "$GUEST_DIR"
fi
