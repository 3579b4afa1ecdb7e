#!/usr/bin/env bash
# The guest that runs the 32-bit Sorvane.exe. This machine's kernel runs no
# 32-bit code, so a Debian 12 virtual machine does: QEMU with software
# emulation (nested KVM guests hang here), a Debian kernel with IA-32
# emulation, Wine with its 32-bit half, Xvfb, the IPA font, a Japanese
# locale and a 64-bit (WoW64) Wine prefix with a virtual desktop.
#
#   scripts/guest-image.sh         builds the guest unless cached; prints its folder
#   source scripts/guest-image.sh  gives guest_image, guest_job and guest_run
#
# The guest is made from Debian's packages only and kept under
# ~/.cache/sorvane/guest-KEY, KEY a hash of what makes it (the functions
# below that build and boot it, its package list and wine-env.sh), so a
# change to any of them builds it anew. Its folder holds the kernel, the initrd,
# the ext4 disk (disk.img, never written after the build) and ready.qcow2:
# an overlay with a saved state of the guest booted, Xvfb and the Wine
# desktop up, waiting for its job. Every run resumes a copy of that state,
# so the disk image never changes.

GUEST_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
GUEST_CACHE=${SORVANE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sorvane}
GUEST_SUDO=""
[ "$(id -u)" -eq 0 ] || GUEST_SUDO=sudo
GUEST_PACKAGES=(linux-image-amd64 kmod wine wine32:i386 wine64 xvfb xauth x11-utils
                fonts-ipafont locales cmake file procps)
# A guest that says nothing for this long is taken for hung (each test
# prints a line when it ends, and ctest stops a test after 300 s).
GUEST_IDLE_LIMIT=${SORVANE_GUEST_IDLE_LIMIT:-420}
GUEST_TIME_LIMIT=${SORVANE_GUEST_TIME_LIMIT:-3600}

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

# Boots DISK, streams the guest's console to stdout and LOG and answers its
# ready line. With a command, the guest mounts SHARE at the same path, runs
# the command there and reports its status, which guest_run returns. With
# "savevm", the ready guest is saved into DISK (a qcow2) instead. A guest
# that is silent for GUEST_IDLE_LIMIT seconds, runs longer than
# GUEST_TIME_LIMIT or ends without a status fails (status 125).
guest_run() {  # guest_run DISK SHARE LOG (savevm | COMMAND) [QEMU-OPTION...]
  local disk=$1 share=$2 log=$3 job=$4
  shift 4
  case $share in *[[:space:]]*) echo "guest_run: the shared path may not hold blanks: $share" >&2; return 125 ;; esac
  local run serial_out serial_in mon_in mon_out
  run=$(mktemp -d "${TMPDIR:-/tmp}/sorvane-guest.XXXXXX")
  mkfifo "$run/serial.in" "$run/serial.out" "$run/mon.in" "$run/mon.out"
  : >"$log"
  guest_qemu "$disk" "$share" -serial "pipe:$run/serial" -monitor "pipe:$run/mon" "$@" \
    >"$run/qemu.log" 2>&1 </dev/null &
  local qemu=$!
  trap "kill $qemu 2>/dev/null; exit 130" INT TERM
  # Opened read-write, so that no open blocks whether QEMU came up or not.
  exec {serial_out}<>"$run/serial.out" {serial_in}<>"$run/serial.in" {mon_in}<>"$run/mon.in" {mon_out}<>"$run/mon.out"
  local start=$SECONDS quiet_since=$SECONDS line part="" status="" why=""
  # A resumed guest said it was ready before it was saved.
  [[ " $* " != *" -loadvm "* ]] || printf 'SORVANE-GO %s %s %s\n' "$(date +%s)" "$share" "$job" >&"$serial_in"
  while :; do
    if IFS= read -r -t 2 -u "$serial_out" line; then
      line=${part}${line%$'\r'}
      part=""
      quiet_since=$SECONDS
      printf '%s\n' "$line" >>"$log"
      case $line in
        SORVANE-READY*)
          if [ "$job" = savevm ]; then
            printf 'savevm ready\nquit\n' >&"$mon_in"
          else
            printf 'SORVANE-GO %s %s %s\n' "$(date +%s)" "$share" "$job" >&"$serial_in"
          fi ;;
        SORVANE-EXIT*) status=${line#SORVANE-EXIT } ;;
        *) printf '%s\n' "$line" ;;
      esac
      continue
    fi
    part+=$line
    # The console is read to its end before a read times out.
    kill -0 "$qemu" 2>/dev/null || break
    ((SECONDS - quiet_since <= GUEST_IDLE_LIMIT)) || why="no output for ${GUEST_IDLE_LIMIT} s"
    ((SECONDS - start <= GUEST_TIME_LIMIT)) || why="still running after ${GUEST_TIME_LIMIT} s"
    if [ -n "$why" ]; then
      kill "$qemu" 2>/dev/null || true
      sleep 5
      kill -9 "$qemu" 2>/dev/null || true
      break
    fi
  done
  [ -z "$part" ] || printf '%s\n' "$part" | tee -a "$log"
  local qemu_status=0
  wait "$qemu" 2>/dev/null || qemu_status=$?
  while IFS= read -r -t 0.2 -u "$mon_out" line; do printf 'monitor: %s\n' "$line" >>"$run/qemu.log"; done
  exec {serial_out}<&- {serial_in}>&- {mon_in}>&- {mon_out}<&-
  trap - INT TERM
  if [ "$job" = savevm ] && [ -z "$why" ] && qemu-img snapshot -l "$disk" 2>/dev/null | grep -qw ready; then
    status=0
  fi
  if [ -z "$status" ]; then
    echo "guest: ${why:-ended without a result (QEMU status $qemu_status)}; console kept in $log" >&2
    sed 's/^/qemu: /' "$run/qemu.log" >&2
    status=125
  fi
  rm -rf "$run"
  return "$status"
}

# Runs COMMAND in a copy of the saved guest, with SHARE shared at the same
# path; returns its status (125: the guest failed).
guest_job() {  # guest_job SHARE LOG COMMAND
  local run status=0
  run=$(mktemp -d "${TMPDIR:-/tmp}/sorvane-job.XXXXXX")
  cp "$GUEST_DIR/ready.qcow2" "$run/disk.qcow2"
  chmod u+w "$run/disk.qcow2"
  qemu-img rebase -u -b "$GUEST_DIR/disk.img" -F raw "$run/disk.qcow2"
  guest_run "$run/disk.qcow2" "$1" "$2" "$3" -loadvm ready || status=$?
  rm -rf "$run"
  return "$status"
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

# PID 1 of the guest: no system manager. Starts Xvfb and the Wine desktop
# (making the prefix on the very first boot), says it is ready, then takes
# one job line from the console: the host's time, the shared path and the
# command.
guest_init() {
  cat <<'INIT'
#!/bin/bash
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb
for m in proc:/proc sysfs:/sys devtmpfs:/dev tmpfs:/run tmpfs:/tmp tmpfs:/dev/shm devpts:/dev/pts; do
  mkdir -p "${m#*:}"
  mountpoint -q "${m#*:}" || mount -t "${m%%:*}" "${m%%:*}" "${m#*:}"
done
poweroff() { sync; echo o >/proc/sysrq-trigger; sleep 60; }
stty -F /dev/ttyS0 -echo
modprobe -a 9pnet_virtio 9p
Xvfb :0 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=:0
source /opt/sorvane/scripts/wine-env.sh
export WINEPREFIX=/root/prefix
for i in $(seq 300); do [ -S /tmp/.X11-unix/X0 ] && break; sleep 0.2; done
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "guest: making the Wine prefix (once)"
  wine_prefix_new "$WINEPREFIX"
fi
wine_start
echo "guest: Xvfb and the Wine desktop are up"
echo SORVANE-READY
read -r word epoch share job </dev/ttyS0
[ "$word" = SORVANE-GO ] || { echo "guest: no job"; poweroff; }
date -s "@$epoch" >/dev/null
mkdir -p "$share"
# Wine cannot start an exe from a 9p share without the page cache.
mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144,cache=loose share "$share"
echo "guest: $job"
cd "$share" && bash -c "$job"
echo "SORVANE-EXIT $?"
wine_stop
cd / && umount "$share"
poweroff
INIT
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
  trap "guest_unmount '$root'" EXIT
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
  guest_unmount "$root" || { echo "guest: cannot unmount in $root"; return 1; }
  ((status == 0)) || { tail -30 "$tmp/install.log"; return 1; }
  guest_init | $sudo tee "$root/usr/sbin/sorvane-init" >/dev/null
  $sudo chmod 755 "$root/usr/sbin/sorvane-init"
  $sudo mkdir -p "$root/opt/sorvane/scripts"
  $sudo cp "$GUEST_SCRIPTS/wine-env.sh" "$root/opt/sorvane/scripts/"
  $sudo sh -c "cp $root/boot/vmlinuz-* '$tmp/vmlinuz' && cp $root/boot/initrd.img-* '$tmp/initrd.img'"
  # Room for the Wine prefix (1.3 GB) and for the tests' writes.
  local mb
  mb=$(($($sudo du -sm "$root" | cut -f1) + 4096))
  echo "guest: ext4 disk of $mb MiB"
  $sudo mkfs.ext4 -q -m 0 -L sorvane -d "$root" "$tmp/disk.img" "${mb}M" >/dev/null
  $sudo rm -rf --one-file-system "$root"
  $sudo chown -R "$(id -u):$(id -g)" "$tmp"
  echo "guest: system ready after $((SECONDS - t0)) s; first boot makes the Wine prefix"
  local dir=$GUEST_DIR
  GUEST_DIR=$tmp
  guest_run "$tmp/disk.img" "$tmp" "$tmp/first-boot.log" true || { GUEST_DIR=$dir; return 1; }
  echo "guest: saving the guest at its ready line"
  qemu-img create -q -f qcow2 -b "$tmp/disk.img" -F raw "$tmp/ready.qcow2"
  guest_run "$tmp/ready.qcow2" "$tmp" "$tmp/save.log" savevm || { GUEST_DIR=$dir; return 1; }
  GUEST_DIR=$dir
  rm -rf "$out"
  mv "$tmp" "$out"
  qemu-img rebase -u -b "$out/disk.img" -F raw "$out/ready.qcow2"
  chmod a-w "$out/disk.img" "$out/ready.qcow2"
  echo "guest: built in $((SECONDS - t0)) s: $out ($(du -sh "$out" | cut -f1) on disk)"
}

guest_image() {  # builds the guest unless cached
  [ -f "$GUEST_DIR/ready.qcow2" ] && { touch "$GUEST_DIR"; return 0; }
  mkdir -p "$GUEST_CACHE"
  (
    flock 9
    [ -f "$GUEST_DIR/ready.qcow2" ] && exit 0
    for tmp in "$GUEST_CACHE"/guest-*.tmp; do  # builds that were cut short
      [ -d "$tmp" ] || continue
      guest_unmount "$tmp/root" && $GUEST_SUDO rm -rf --one-file-system "$tmp"
    done
    guest_build "$GUEST_DIR"
  ) 9>"$GUEST_CACHE/.lock"
  [ -f "$GUEST_DIR/ready.qcow2" ] || return 1
  # Guests of other versions of this script: only the one used last stays.
  ls -dt "$GUEST_CACHE"/guest-* 2>/dev/null | grep -v '\.tmp$' | tail -n +3 | xargs -r rm -rf || true
}

GUEST_KEY=$({ declare -f guest_qemu guest_mirror guest_init guest_build; declare -p GUEST_PACKAGES
              cat "$GUEST_SCRIPTS/wine-env.sh"; } | sha256sum | cut -c1-16)
GUEST_DIR=$GUEST_CACHE/guest-$GUEST_KEY

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  guest_image
  echo "$GUEST_DIR"
fi
