#!/bin/bash
# Runs the Windows program's players' contract and the whole program on the sample disc under
# Wine, over and over, while `stress --cpu 2 --io 1` keeps the machine busy, and counts the runs of
# each test that failed. A flaw of the Windows player that shows only on a loaded machine (an end
# never told, a verdict too late) shows here.
# Usage: bench/windows-under-load.sh [windows build dir] [runs]
# (needs stress and xvfb-run; the windows preset built)
set -euo pipefail
build=${1:-build-windows}
runs=${2:-30}
tests=(windows.tst_playercontract windows.program)
[ -f "$build/CTestTestfile.cmake" ] || { echo "no $build: build the windows preset first" >&2; exit 1; }
command -v stress >/dev/null || { echo "stress is not installed (apt-get install stress)" >&2; exit 1; }

stress --cpu 2 --io 1 >/dev/null 2>&1 &
load=$!
trap 'pkill -P $load 2>/dev/null || true; kill $load 2>/dev/null || true; wait $load 2>/dev/null || true' EXIT

declare -A failed
for name in "${tests[@]}"; do failed[$name]=0; done
log=/tmp/windows-under-load.$$.log
for ((run = 1; run <= runs; run++)); do
  for name in "${tests[@]}"; do
    started=$SECONDS
    if xvfb-run -a ctest --test-dir "$build" -R "^${name//./\\.}\$" --output-on-failure >"$log" 2>&1; then
      echo "run $run of $name passed in $((SECONDS - started)) s"
    else
      failed[$name]=$((failed[$name] + 1))
      echo "run $run of $name failed after $((SECONDS - started)) s:"
      grep -E "^(FAIL|   Loc)|Timeout" "$log" | head -8 || tail -8 "$log"
      cp "$log" "/tmp/windows-under-load.$$.$name.failed-$run.log"
    fi
  done
done
rm -f "$log"
total=0
for name in "${tests[@]}"; do
  echo "$name: ${failed[$name]} of $runs runs failed under load"
  total=$((total + failed[$name]))
done
[ "$total" -eq 0 ]
