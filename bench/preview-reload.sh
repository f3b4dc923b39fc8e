#!/usr/bin/env bash
# How long a save takes to reach the screen in vistrel --preview: the sample disc's back.bmp is
# saved in place, alternately with a magenta and a cyan band across the title strip, while the
# movie plays, and bench/screenwatch.cpp times from the start of the save (the copy's process) to
# the band on the screen. Prints each run and the median. Usage: bench/preview-reload.sh [build] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
watch=$build/bench/vistrel_screenwatch
[ -x "$build/disc/vistrel" ] && [ -x "$watch" ] || { echo "build first: cmake --build $build" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT
source "$(dirname "$0")/paint-lib.sh"
export QT_LOGGING_RULES='vistrel.preview=true'

cp -r "$build/disc" "$tmp/disc"
back=$tmp/disc/Skins/default/back.bmp
for colour in ff00ff 00ffff; do
  convert "$back" -fill "#$colour" -draw 'rectangle 40,2 640,30' "BMP3:$tmp/$colour.bmp"
done
"$build/disc/vistrel" --preview "$tmp/disc" >"$tmp/preview.log" 2>&1 &
sleep 4

: >"$tmp/times"
for ((run = 1; run <= runs; run++)); do
  colour=$([ $((run % 2)) = 1 ] && echo ff00ff || echo 00ffff)
  # 600 x 28 pixels of the band; most of them, once the new window is on the screen.
  took=$("$watch" colour "$colour" 12000 3000 -- cp "$tmp/$colour.bmp" "$back" || true)
  echo "run $run: ${took} ms"
  echo "$took" >>"$tmp/times"
  sleep 1
done
echo "median $(median <"$tmp/times") ms, $(sort -n "$tmp/times" | head -n1) to $(sort -n "$tmp/times" | tail -n1) ms, of $runs saves"
grep -c 'window replaced in' "$tmp/preview.log" | sed 's/^/reloads: /'
