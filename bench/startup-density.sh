#!/usr/bin/env bash
# Start-up to the first skinned frame at device pixel ratio 2 against ratio 1, alternately in one
# run under Xvfb and openbox: the sample disc at ratio 1, at ratio 2 with its 1x pictures scaled,
# and at ratio 2 with a doubled picture (name@2x.bmp) beside every skin picture; a bare Qt
# window showing the background at both ratios says what the larger window costs by itself.
# Usage: bench/startup-density.sh [build dir] [runs]   (prints the medians and their ratios)
set -euo pipefail
build=${1:-build}
runs=${2:-9}
sample=$build/disc
[ -x "$sample/vistrel" ] && [ -x "$build/bench/bench_bare_window" ] || { echo "build first: cmake --build $build" >&2; exit 2; }
command -v convert >/dev/null || { echo "needs ImageMagick's convert" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT
screen=2560x1600
# shellcheck source=paint-lib.sh
source "$(dirname "$0")/paint-lib.sh"

# The sample disc, and a copy whose default skin has every picture doubled beside it.
doubled=$tmp/doubled
mkdir -p "$doubled"
(cd "$sample" && cp -r Language Skins Info Extras Setup Player movie.avi vistrel.ini "$doubled/")
for picture in "$doubled"/Skins/default/*.bmp; do
  case $picture in */transp.bmp) continue ;; esac
  convert "$picture" -resize 200% -type truecolor "BMP3:${picture%.bmp}@2x.bmp"
done

spread() { sort -n | awk '{a[NR]=$1} END {printf "%.0f..%.0f", a[1] * 1000, a[NR] * 1000}'; }

: >"$tmp/one"; : >"$tmp/scaled"; : >"$tmp/sharp"; : >"$tmp/bare1"; : >"$tmp/bare2"
for _ in $(seq "$runs"); do
  QT_SCALE_FACTOR=1 first_paint vistrel "$sample/vistrel" "$sample" >>"$tmp/one"
  QT_SCALE_FACTOR=2 first_paint vistrel "$sample/vistrel" "$sample" >>"$tmp/scaled"
  QT_SCALE_FACTOR=2 first_paint vistrel "$sample/vistrel" "$doubled" >>"$tmp/sharp"
  QT_SCALE_FACTOR=1 first_paint bare "$build/bench/bench_bare_window" "$sample/Skins/default/back.bmp" >>"$tmp/bare1"
  QT_SCALE_FACTOR=2 first_paint bare "$build/bench/bench_bare_window" "$sample/Skins/default/back.bmp" >>"$tmp/bare2"
done
ms() { echo "$1 * 1000" | bc -l; }
line() { # label file [reference file]
  local m; m=$(median <"$2")
  printf '  %-26s: %6.0f ms (%s)' "$1" "$(ms "$m")" "$(spread <"$2")"
  [ -z "${3:-}" ] || printf '  %.2f x %s' "$(echo "$m / $(median <"$3")" | bc -l)" "$4"
  echo
}
printf 'first skinned frame, median (and range) of %d runs\n' "$runs"
line 'Vistrel, ratio 1' "$tmp/one"
line 'Vistrel, ratio 2, 1x scaled' "$tmp/scaled" "$tmp/one" 'ratio 1'
line 'Vistrel, ratio 2, @2x' "$tmp/sharp" "$tmp/one" 'ratio 1'
line 'bare window, ratio 1' "$tmp/bare1"
line 'bare window, ratio 2' "$tmp/bare2" "$tmp/bare1" 'ratio 1'
