#!/bin/bash
# Runs the real players' contract (Play, Pause, Stop, Play after Stop, quick presses, the end) over
# and over while `stress` keeps every processor busy, and counts the runs that failed. A flaw
# that shows only on a loaded machine (a watchdog that gives up on a slow preroll) shows here.
# Usage: bench/player-under-load.sh [build dir] [runs] [player: gstreamer or qt; both if left out]
# (needs stress, and an X display or xvfb-run)
set -euo pipefail
build=${1:-build}
runs=${2:-200}
player=${3:-}
cases=(playsPausesAndStops quickStopsAndPlaysEndInTheLastOne theEndHoldsAndPlayStartsOver)
tests=()
for engine in ${player:-gstreamer qt}; do tests+=("${cases[@]/%/:$engine}"); done
test_program="$build/tests/tst_playercontract"
[ -x "$test_program" ] || { echo "no $test_program: build first" >&2; exit 1; }
command -v stress >/dev/null || { echo "stress is not installed (apt-get install stress)" >&2; exit 1; }
export VISTREL_DISC_DIR=${VISTREL_DISC_DIR:-$build/disc}
export QT_LOGGING_RULES="vistrel.media=true"
# As the sanitizer preset's tests run: the desktop's own libraries leak by design.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

stress --cpu "$(nproc)" --io 1 --vm 1 --vm-bytes 128M >/dev/null 2>&1 &
load=$!
trap 'pkill -P $load 2>/dev/null || true; kill $load 2>/dev/null || true; wait $load 2>/dev/null || true' EXIT

failed=0
for ((run = 1; run <= runs; run++)); do
  if ! "$test_program" "${tests[@]}" >"/tmp/player-under-load.$$.log" 2>&1; then
    failed=$((failed + 1))
    echo "run $run failed:"
    grep -E "^(FAIL|   Loc)" "/tmp/player-under-load.$$.log" || tail -5 "/tmp/player-under-load.$$.log"
    cp "/tmp/player-under-load.$$.log" "/tmp/player-under-load.$$.failed-$run.log"
  fi
done
rm -f "/tmp/player-under-load.$$.log"
echo "$failed of $runs runs failed under load"
[ "$failed" -eq 0 ]
