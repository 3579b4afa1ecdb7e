#!/bin/sh
# The include rules between the program's folders (docs/design.md, Layers):
#  - base/, picture/, ui/, settings/, changer/ and tray/ never include
#    window/ or app/;
#  - base/ includes nothing of the program outside base/;
#  - no two folders depend on each other, directly or through others.
# Includes are the quoted ones, written from the source root ("ui/Forms.h");
# a quoted include that names no folder, or climbs with "..", is refused too,
# since it would hide a dependency. Prints every offence; exit status 1 if any.
set -u
cd "$(dirname "$0")/.." || exit 2

FOLDERS="base picture ui settings changer tray window app"
LOWER="base picture ui settings changer tray"

tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT INT TERM
status=0

# One line per quoted include: FROM-FOLDER TO-FOLDER FILE:LINE
for d in $FOLDERS; do
  [ -d "$d" ] || continue
  find "$d" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.inc' \) | sort |
    while IFS= read -r f; do
      grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$f" |
        sed -E 's/^([0-9]+):[^"]*"([^"]*)".*/\1 \2/' |
        while read -r line target; do
          case "$target" in
            ../* | */../* | ./*) to=".." ;;
            */*) to=${target%%/*} ;;
            *) to="-" ;;
          esac
          printf '%s %s %s:%s "%s"\n' "$d" "$to" "$f" "$line" "$target"
        done
    done
done >"$tmp/includes"

is_in() {  # WORD LIST...
  w=$1
  shift
  for x in "$@"; do [ "$x" = "$w" ] && return 0; done
  return 1
}

while read -r from to where; do
  if [ "$to" = "-" ] || [ "$to" = ".." ]; then
    echo "not from the source root: $where"
    status=1
  elif [ "$from" = base ] && [ "$to" != base ]; then
    echo "base/ includes the program: $where"
    status=1
  elif is_in "$from" $LOWER && { [ "$to" = window ] || [ "$to" = app ]; }; then
    echo "upward include: $where"
    status=1
  fi
done <"$tmp/includes"

# Folder graph and its cycles.
while read -r from to _; do
  if [ "$from" != "$to" ] && is_in "$to" $FOLDERS; then echo "$from $to"; fi
done <"$tmp/includes" | sort -u >"$tmp/edges"

reach() {  # FOLDER: the folders it depends on, directly or not
  seen=" $1 "
  todo=$1
  out=
  while [ -n "$todo" ]; do
    set -- $todo
    cur=$1
    shift
    todo="$*"
    for n in $(sed -n "s/^$cur //p" "$tmp/edges"); do
      case "$seen" in
        *" $n "*) ;;
        *)
          seen="$seen$n "
          todo="$todo $n"
          out="$out $n"
          ;;
      esac
    done
  done
  echo "$out"
}

for a in $FOLDERS; do
  echo "$a $(reach "$a")" >>"$tmp/reach"
done

# Each group of folders that depend on each other is printed once, with the
# includes that join its members.
reported=" "
for a in $FOLDERS; do
  case "$reported" in *" $a "*) continue ;; esac
  group=$a
  for b in $(sed -n "s/^$a //p" "$tmp/reach"); do
    is_in "$a" $(sed -n "s/^$b //p" "$tmp/reach") && group="$group $b"
  done
  [ "$group" = "$a" ] && continue
  reported="$reported$group "
  echo "cycle between folders: $group"
  while read -r from to where; do
    [ "$from" != "$to" ] && is_in "$from" $group && is_in "$to" $group && echo "    $where"
  done <"$tmp/includes"
  status=1
done

[ "$status" -eq 0 ] && echo "include rules hold"
exit "$status"
