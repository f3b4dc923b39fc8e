# shellcheck shell=bash
# Shared by the start-up benchmarks: a private X server with openbox, and the time from a
# program's start to its first painted frame, read from its own log. Source it after setting
# $tmp (a scratch folder) and, optionally, $screen (default 1280x800).

Xvfb -displayfd 3 -screen 0 "${screen:-1280x800}x24" -nolisten tcp 3>"$tmp/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")"
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
export XDG_CONFIG_HOME=$tmp/config TZ=UTC
export QT_MESSAGE_PATTERN='%{time hh:mm:ss.zzz} %{category}: %{message}'

seconds_of_day() { awk -F: '{printf "%.3f\n", $1 * 3600 + $2 * 60 + $3}'; }

# Seconds from process start to the first painted frame. Usage: first_paint LOG-CATEGORY PROGRAM
# [ARGUMENTS] (the environment, QT_SCALE_FACTOR say, passes on to the program).
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
