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
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")"
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
export XDG_CONFIG_HOME=$tmp/config QT_LOGGING_RULES='vistrel.preview=true'

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
sort -n "$tmp/times" | awk '{ t[NR] = $1 } END { printf "median %.0f ms, %.0f to %.0f ms, of %d saves\n", t[int((NR + 1) / 2)], t[1], t[NR], NR }'
grep -c 'window replaced in' "$tmp/preview.log" | sed 's/^/reloads: /'
