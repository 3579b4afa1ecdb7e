#!/usr/bin/env bash
# Every shell script of the project parses (bash -n): most of them run only
# late in the test command, and the guest's init only inside the guest.
# Where ShellCheck is installed (the project does not need it) it checks the
# guest's init too, which no run on this machine can try.
set -u
cd "$(dirname "$0")/.." || exit 2
status=0
for f in scripts/*.sh tests/*.sh tests/*/*.sh bench/*.sh .ci/run; do
  bash -n "$f" || { echo "does not parse: $f"; status=1; }
done
if command -v shellcheck >/dev/null; then
  shellcheck -S warning scripts/guest-init.sh || status=1
fi
[ "$status" -eq 0 ] && echo "scripts parse"
exit "$status"
