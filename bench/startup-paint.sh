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
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")"
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
export XDG_CONFIG_HOME=$tmp/config TZ=UTC
export QT_MESSAGE_PATTERN='%{time hh:mm:ss.zzz} %{category}: %{message}'

seconds_of_day() { awk -F: '{printf "%.3f\n", $1 * 3600 + $2 * 60 + $3}'; }

# Seconds from process start to the first painted frame, read from the program's own log.
first_paint() {
  local log=$tmp/log pid started painted
  : >"$log"
  started=$(date -u +%H:%M:%S.%N | seconds_of_day)
  QT_LOGGING_RULES="$1.*=true" "${@:2}" >"$log" 2>&1 &
  pid=$!
  for _ in $(seq 300); do
    grep -q 'first frame painted' "$log" && break
    sleep 0.02
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  painted=$(grep 'first frame painted' "$log" | head -n1 | awk '{print $1}' | seconds_of_day)
  echo "$painted - $started" | bc -l
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

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
