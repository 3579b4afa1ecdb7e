#!/usr/bin/env bash
# Tests that ctest ran more than once (--repeat until-pass), with every
# result in order, from a LastTest.log: "NAME: Failed (12.31 s), then Passed (4.02 s)".
set -euo pipefail
[ -f "$1" ] || exit 0
awk '
  /^[0-9]+\/[0-9]+ Test: / { name = $0; sub(/^[0-9]+\/[0-9]+ Test: /, "", name) }
  /^Test time = / { time = $4 }
  /^Test (Passed|Failed|Not Run)/ {
    result = $0; sub(/^Test /, "", result); sub(/\.$/, "", result); result = result " (" time " s)"
    if (count[name]++) runs[name] = runs[name] ", then " result
    else { order[++n] = name; runs[name] = result }
  }
  END { for (i = 1; i <= n; i++) if (count[order[i]] > 1) print order[i] ": " runs[order[i]] }
' "$1"
