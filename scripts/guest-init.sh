#!/bin/bash
# PID 1 of the guest (installed as /usr/sbin/sorvane-init by
# scripts/guest-image.sh): no system manager. Starts Xvfb and the Wine
# desktop (making the prefix on the very first boot), says it is ready, then
# takes one job line from the console: the host's time, the shared path and
# the command. It reports the command's status and powers the guest off.
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
# The build puts a copy of scripts/wine-env.sh there.
source /opt/sorvane/scripts/wine-env.sh
export WINEPREFIX=/root/prefix
for _ in $(seq 300); do [ -S /tmp/.X11-unix/X0 ] && break; sleep 0.2; done
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "guest: making the Wine prefix (once)"
  wine_prefix_new "$WINEPREFIX"
fi
wine_start
echo "guest: Xvfb and the Wine desktop are up"
# A saved guest resumes here: the host sends its job only after the resume.
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
