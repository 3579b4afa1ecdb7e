#!/usr/bin/env bash
# Makes the README's pictures, docs/*.png, from the black-box screenshots of
# the last test run (build/wine/bin/shots/*.bmp). It needs that run first:
# scripts/test.sh, or the wine layer alone. The test command never touches
# docs/; run this on purpose and commit what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s nullglob
shots=(build/wine/bin/shots/*.bmp)
((${#shots[@]})) || { echo "update-docs: no screenshots in build/wine/bin/shots: run scripts/test.sh first"; exit 1; }
for shot in "${shots[@]}"; do
  png=docs/$(basename "${shot%.bmp}").png
  # No time chunks: a picture that did not change gives the same file.
  convert "$shot" -define png:exclude-chunks=date,time "$png"
  echo "$png"
done
