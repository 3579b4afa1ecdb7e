#!/usr/bin/env bash
# Sourced by scripts/guest-image.sh: boots the guest and runs a job in it,
# and cleans up on every way out. Nothing here goes into the guest's cache
# key; the job line it sends is read by scripts/guest-init.sh, so a change
# to that line is made in both (and so builds a new guest).

# A guest that says nothing for this long is taken for hung (each test
# prints a line when it ends, and ctest stops a test after 300 s).
GUEST_IDLE_LIMIT=${SORVANE_GUEST_IDLE_LIMIT:-420}
GUEST_TIME_LIMIT=${SORVANE_GUEST_TIME_LIMIT:-3600}

# Clean-up on every way out of the shell, Ctrl+C and SIGTERM included (bash
# runs its EXIT trap for both): one EXIT trap runs the actions, the last
# added first, then the EXIT trap it took the place of.
#   on_exit COMMAND [ARG...]   runs the command when this shell ends
#   on_exit_now                runs the last one added now instead
ON_EXIT=() ON_EXIT_SHELL="" ON_EXIT_BEFORE=""
on_exit() {
  local action
  action=$(printf '%q ' "$@")
  if [ "$ON_EXIT_SHELL" != "$BASHPID" ]; then
    # First use in this shell. A subshell lists its parent's traps but runs
    # none of them, nor its parent's actions.
    ON_EXIT=() ON_EXIT_SHELL=$BASHPID ON_EXIT_BEFORE=""
    if [ "$BASHPID" = "$$" ]; then
      eval "set -- $(trap -p EXIT)"
      ON_EXIT_BEFORE=${3:-}
    fi
    trap on_exit_all EXIT
  fi
  ON_EXIT+=("$action")
}

on_exit_now() {
  ((${#ON_EXIT[@]})) || return 0
  local last=$((${#ON_EXIT[@]} - 1))
  local action=${ON_EXIT[last]}
  unset "ON_EXIT[$last]"
  eval "$action"
}

on_exit_all() {
  set +e  # every action runs, and the shell's exit status stays
  while ((${#ON_EXIT[@]})); do on_exit_now; done
  eval "$ON_EXIT_BEFORE"
}

guest_stop() {  # guest_stop PID: QEMU asked to end, then made to
  local pid=$1 i
  kill "$pid" 2>/dev/null || return 0
  for i in {1..25}; do
    case $(ps -o stat= -p "$pid" 2>/dev/null) in "" | Z*) return 0 ;; esac
    sleep 0.2
  done
  kill -9 "$pid" 2>/dev/null || true
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
  on_exit rm -rf "$run"
  mkfifo "$run/serial.in" "$run/serial.out" "$run/mon.in" "$run/mon.out"
  : >"$log"
  guest_qemu "$disk" "$share" -serial "pipe:$run/serial" -monitor "pipe:$run/mon" "$@" \
    >"$run/qemu.log" 2>&1 </dev/null &
  local qemu=$!
  on_exit guest_stop "$qemu"
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
      guest_stop "$qemu"
      break
    fi
  done
  [ -z "$part" ] || printf '%s\n' "$part" | tee -a "$log"
  local qemu_status=0
  wait "$qemu" 2>/dev/null || qemu_status=$?
  on_exit_now  # QEMU has ended: nothing to stop
  while IFS= read -r -t 0.2 -u "$mon_out" line; do printf 'monitor: %s\n' "$line" >>"$run/qemu.log"; done
  exec {serial_out}<&- {serial_in}>&- {mon_in}>&- {mon_out}<&-
  if [ "$job" = savevm ] && [ -z "$why" ] && qemu-img snapshot -l "$disk" 2>/dev/null | grep -qw ready; then
    status=0
  fi
  if [ -z "$status" ]; then
    echo "guest: ${why:-ended without a result (QEMU status $qemu_status)}; console kept in $log" >&2
    sed 's/^/qemu: /' "$run/qemu.log" >&2
    status=125
  fi
  on_exit_now  # the run's folder
  return "$status"
}

# Runs COMMAND in a copy of the saved guest, with SHARE shared at the same
# path; returns its status (125: the guest failed).
guest_job() {  # guest_job SHARE LOG COMMAND
  local run status=0
  run=$(mktemp -d "${TMPDIR:-/tmp}/sorvane-job.XXXXXX")
  on_exit rm -rf "$run"
  cp "$GUEST_DIR/ready.qcow2" "$run/disk.qcow2"
  chmod u+w "$run/disk.qcow2"
  qemu-img rebase -u -b "$GUEST_DIR/disk.img" -F raw "$run/disk.qcow2"
  guest_run "$run/disk.qcow2" "$1" "$2" "$3" -loadvm ready || status=$?
  on_exit_now
  return "$status"
}
