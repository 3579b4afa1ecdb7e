#!/usr/bin/env bash
# Small file systems for the tests of a full disk, mounted before the
# in-process tests and taken away after them: DIR, a tmpfs of 256 KiB, and
# DIR-names, one with room for data but for a single new file only (its
# root, MOUNTED and one more name), a folder that takes no further file.
# Where they cannot be mounted (not root) this says so, and the tests that
# need them skip: they look for the file MOUNTED, made only inside a mount.
#   small_disk.sh mount|umount DIR
set -u
unmount() { if mountpoint -q "$1"; then umount "$1"; fi; }
for dir in "$2" "$2-names"; do
  unmount "$dir"
  if [ "$1" = umount ]; then
    rmdir "$dir" 2>/dev/null || true
    continue
  fi
  mkdir -p "$dir"
  rm -f "$dir/MOUNTED"
  options=size=256k,mode=0777
  [ "$dir" = "$2" ] || options+=,nr_inodes=3
  if mount -t tmpfs -o "$options" sorvane-small-disk "$dir" 2>/dev/null; then
    : >"$dir/MOUNTED"
  else
    echo "small_disk: cannot mount a tmpfs at $dir: the full-disk tests will skip"
  fi
done
exit 0
