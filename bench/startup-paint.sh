#!/usr/bin/env bash
# Start-up to the first painted frame: Vistrel on the sample disc against a bare Qt Widgets
# program showing one 699 x 432 picture, alternately in one run under Xvfb and openbox.
# Usage: bench/startup-paint.sh [build dir] [runs]   (prints the medians and their ratio)
set -euo pipefail
build=${1:-build}
runs=${2:-9}
disc=$build/disc
picture=$disc/Skins/default/back.bmp
[ -x "$disc/vistrel" ] && [ -x "$build/bench/bench_bare_window" ] || {
  echo "build first: cmake --build $build" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT
# shellcheck source=paint-lib.sh
source "$(dirname "$0")/paint-lib.sh"

: >"$tmp/vistrel" ; : >"$tmp/bare"
for _ in $(seq "$runs"); do
  first_paint bare "$build/bench/bench_bare_window" "$picture" >>"$tmp/bare"
  first_paint vistrel "$disc/vistrel" >>"$tmp/vistrel"
done
bare=$(median <"$tmp/bare")
vistrel=$(median <"$tmp/vistrel")
printf 'first painted frame, median of %d runs\n' "$runs"
printf '  bare Qt window : %6.0f ms\n' "$(echo "$bare * 1000" | bc -l)"
printf '  Vistrel        : %6.0f ms\n' "$(echo "$vistrel * 1000" | bc -l)"
printf '  ratio          : %6.2f (target at most 1.5)\n' "$(echo "$vistrel / $bare" | bc -l)"
