#!/usr/bin/env bash
# The background colour chosen in Sorvane outlasts the session: Execute
# with a colour, end the prefix's session (its wineserver, and with it every
# setting made for the session only), then a new session's desktop colour
# must be that colour.
#   colour_outlasts_session.sh PROBE_EXE      (WINEPREFIX and WINELOADER set)
set -u
probe=$1
WINESERVER=${WINESERVER:-wineserver}
colour() { "$WINELOADER" "$probe" colour 2>/dev/null | tr -d '\r'; }

before=$(colour)
want="201 99 37"
[ "$before" = "$want" ] && want="37 99 201"
# shellcheck disable=SC2086
"$WINELOADER" "$probe" execute $want || exit 1
[ "$(colour)" = "$want" ] || { echo "the session's colour is not $want"; exit 1; }

"$WINESERVER" -k; "$WINESERVER" -w   # the end of the session
after=$(colour)
# Leave a server running for the tests after this one.
("$WINESERVER" -p >/dev/null 2>&1 </dev/null &)
echo "before: $before; chosen: $want; next session: $after"
[ "$after" = "$want" ]
