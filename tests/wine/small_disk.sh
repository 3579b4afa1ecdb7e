#!/usr/bin/env bash
# Small file systems for the tests of a full disk, mounted before the
# in-process tests and taken away after them: DIR, a tmpfs of 256 KiB, and
# DIR-names, whose root takes only one file besides MOUNTED (a folder that
# takes no new file). Where they cannot be mounted (not root) the tests that
# need them skip: MOUNTED is made only inside a mount.
#   small_disk.sh mount|umount DIR
for dir in "$2" "$2-names"; do
  if mountpoint -q "$dir"; then umount "$dir"; fi
  [ "$1" = mount ] || { rmdir "$dir" 2>/dev/null; continue; }
  mkdir -p "$dir" && rm -f "$dir/MOUNTED"
  inodes=$([ "$dir" = "$2" ] || echo ,nr_inodes=3)
  if mount -t tmpfs -o "size=256k,mode=0777$inodes" sorvane-small-disk "$dir" 2>/dev/null; then
    : >"$dir/MOUNTED"
  else
    echo "small_disk: cannot mount a tmpfs at $dir: the full-disk test will skip"
  fi
done
exit 0
