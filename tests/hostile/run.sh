#!/usr/bin/env bash
# The real program on every disc of the hostile corpus (tools/hostile), under one private Xvfb
# and openbox. A disc fails on: death by a signal, a sanitizer report, no window and no message
# within 10 s, a GUI thread that does not answer a second start within 5 s, a shell started
# (watched with strace), a connection to an internet address, a disc written to, or a case's
# own expectation (a started installer's marker, a foreign setting kept, a log line).
# Discs that only start run two at a time; discs that are clicked run one after another.
# Usage: run.sh GENERATOR [NAME...]   (names limit the run to those discs)
# Environment: HOSTILE_JOBS (discs run at once, default 2), HOSTILE_PROGRAM (another program).
source "$(dirname "$0")/../e2e/lib.sh"
: "${VISTREL_BUILD_DIR:?run through ctest}"
generator=$1
shift
# HOSTILE_PROGRAM runs the corpus against another build of the program (an older one, say).
program=${HOSTILE_PROGRAM:-$VISTREL_DISC_DIR/vistrel}
work=$VISTREL_BUILD_DIR/hostile
corpus=$work/corpus
jobs=${HOSTILE_JOBS:-2}
foreign_value="kept-by-another-program-4711"

hostile_cleanup() {
  local file pid
  for file in "$work"/runs/*/pids; do
    [ -f "$file" ] || continue
    while read -r pid; do kill -9 "$pid" 2>/dev/null || true; done <"$file"
  done
  [ -d "$corpus" ] && { chmod -R u+w "$corpus"; rm -rf "$corpus"; }
  e2e_cleanup
}
trap hostile_cleanup EXIT

[ ! -d "$work" ] || chmod -R u+w "$work"
rm -rf "$work"
mkdir -p "$work/bin" "$work/runs"
tiny_movie=$VISTREL_BUILD_DIR/hostile-media/tiny.avi
[ -f "$tiny_movie" ] || tiny_movie=""
started=$(date +%s)
"$generator" "$VISTREL_DISC_DIR" "$VISTREL_BUILD_DIR/disc-slideshow" "$corpus" ${tiny_movie:+"$tiny_movie"}

# The desktop's opener records what it was asked to open instead of starting a browser.
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"$HOSTILE_OPENED"\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
unset BROWSER
e2e_start

# Window coordinates of the buttons clicked, and of the link at the top of a document.
declare -A click_point=([info]="613 222" [codec]="613 142" [player]="613 182" [run]="613 318")
link_point="120 80"

# The program's process: the first line strace writes is its start (strace forks probes first).
program_pid() { awk 'NR == 1 && /execve\(/ {print $1}' "$1" 2>/dev/null || true; }

# The program's visible main window (699 x 432); clicks run one disc at a time, so a main window
# without the process's id on it is the same one.
window_of() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$1" --name '^Vistrel$' 2>/dev/null) \
    $(xdotool search --onlyvisible --name '^Vistrel$' 2>/dev/null); do
    xdotool getwindowgeometry "$id" 2>/dev/null | grep -q 'Geometry: 699x432' && echo "$id" && return
  done
  return 0
}

click_in() {
  # shellcheck disable=SC2034 # set by the eval of xdotool's --shell output
  local pid=$1 x=$2 y=$3 id="" X Y WIDTH HEIGHT SCREEN WINDOW
  for _ in $(seq 100); do
    id=$(window_of "$pid")
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { xwininfo -root -tree >"$run/windows" 2>&1; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove "$((X + x))" "$((Y + y))" click 1
  sleep 0.3
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }

# Fails the disc when the program keeps half a core or more busy for the given seconds
# (uses the caller's problems array).
busy_check() {
  local pid=$1 seconds=$2 before after percent
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  kill -0 "$pid" 2>/dev/null || return 0
  percent=$(((after - before) * 100 / (seconds * $(getconf CLK_TCK))))
  [ "$percent" -lt 50 ] || problems+=("busy: $percent% of a core for $seconds s")
}

# Runs one disc; its verdict goes to RUN/result, its evidence stays in RUN.
run_disc() {
  local name=$1 folder=$2 action=$3 expect=$4
  local case_dir=$corpus/$name disc=$corpus/$name/$folder run=$work/runs/$name
  local log=$run/log trace=$run/trace problems=() pid="" state=""
  mkdir -p "$run/tmp" "$run/runtime" "$run/cwd"
  chmod 700 "$run/runtime"
  touch "$run/stamp"
  export XDG_CONFIG_HOME=$case_dir/config XDG_CONFIG_DIRS=$case_dir/xdg
  export XDG_RUNTIME_DIR=$run/runtime TMPDIR=$run/tmp
  export HOSTILE_MARKER=$run/marker HOSTILE_OPENED=$run/opened
  (cd "$run/cwd" && exec strace -f -q --seccomp-bpf -e trace=execve,connect,sendto,sendmsg \
    -e signal=none -s 256 -o "$trace" "$program" "$disc" >"$log" 2>&1 </dev/null) &
  local tracer=$!
  echo "$tracer" >"$run/pids"
  for _ in $(seq 100); do
    [ -n "$pid" ] || { pid=$(program_pid "$trace"); [ -z "$pid" ] || echo "$pid" >>"$run/pids"; }
    if grep -qE 'window shown|message: ' "$log" 2>/dev/null; then state=up; break; fi
    kill -0 "$tracer" 2>/dev/null || { state=ended; break; }
    sleep 0.1
  done
  [ -n "$state" ] || problems+=("hang: no window and no message within 10 s")

  if [ "$state" = up ]; then
    # Clicks wait for the first frame and the media framework to settle, as a person would.
    if [ "$action" != start ]; then
      for _ in $(seq 50); do grep -q 'first frame painted' "$log" && break; sleep 0.1; done
      sleep 0.5
    fi
    case $action in
    info | codec | player | run)
      # shellcheck disable=SC2086
      click_in "$pid" ${click_point[$action]} || problems+=("no window to click")
      ;;
    link)
      # shellcheck disable=SC2086
      if click_in "$pid" ${click_point[info]}; then
        for _ in $(seq 50); do grep -q 'document' "$log" && break; sleep 0.1; done
        sleep 0.5
        # shellcheck disable=SC2086
        click_in "$pid" $link_point || true
      else
        problems+=("no window to click")
      fi
      ;;
    cpu)
      sleep 1
      local slides_before
      slides_before=$(grep -c 'slide shown' "$log" || true)
      busy_check "$pid" 3
      local slides=$(($(grep -c 'slide shown' "$log" || true) - slides_before))
      [ "$slides" -le 60 ] || problems+=("$slides slides in 3 s: faster than anyone can see")
      ;;
    esac
    # A shown document may be laid out for a while, slowly under the sanitizers; whether the
    # window still answers is asked below by a second start, not by the time it takes.
    [ "$action" != info ] && [ "$action" != link ] || sleep 1
    sleep 0.5
  fi

  if [ "$expect" = marker ] && [ "$state" = up ]; then
    for _ in $(seq 50); do [ -s "$run/marker" ] && break; sleep 0.1; done
    [ -s "$run/marker" ] || problems+=("the configured program was not started")
  fi

  # The GUI thread answers: a second start asks the first to raise its window. Opening the
  # media may hold it a bounded while, so the question waits for the media's verdict first.
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && [ "$state" = up ]; then
    for _ in $(seq 50); do grep -qE 'media: open|media: none|message: ' "$log" && break; sleep 0.1; done
    (cd "$run/cwd" && exec "$program" "$disc" >"$run/second.log" 2>&1 </dev/null) &
    local second=$!
    echo "$second" >>"$run/pids"
    for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$second" 2>/dev/null || true
    wait "$second" 2>/dev/null || true
    for _ in $(seq 50); do
      grep -q 'window activated by a second start' "$log" && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    grep -q 'window activated by a second start' "$log" || ! kill -0 "$pid" 2>/dev/null ||
      problems+=("GUI thread not answering a second start within 5 s")
  fi
  [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
  # strace waits for every process it follows; one the program started may live on.
  for _ in $(seq 50); do kill -0 "$tracer" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$tracer" 2>/dev/null || true
  # strace ends as the program did: by the same signal when it died of one.
  local status=0
  wait "$tracer" 2>/dev/null || status=$?
  [ "$status" -le 128 ] || [ "$status" -eq 137 ] ||
    problems+=("crash: killed by SIG$(kill -l $((status - 128)))")
  ! grep -q 'X11 connection broke' "$log" || problems+=("lost its display connection")
  ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:|UndefinedBehaviorSanitizer' \
    "$log" "$run/second.log" 2>/dev/null || problems+=("sanitizer report")
  local shell='execve\("[^"]*/(sh|bash|dash|zsh|ksh|busybox)"|execve\([^]]*\["[^"]*", "-c"'
  ! grep -qE "$shell" "$trace" ||
    problems+=("a shell was started: $(grep -m1 -E "$shell" "$trace" | cut -c1-160)")
  ! grep -qE '(connect|sendto|sendmsg)\(.*sa_family=AF_INET6?[,}]' "$trace" ||
    problems+=("network: $(grep -m1 -oE 'sa_family=AF_INET6?[^}]*' "$trace")")
  [ -z "$(find "$case_dir" "$run/cwd" -name pwned 2>/dev/null)" ] || problems+=("a command in a path ran")
  find "$disc" -newer "$run/stamp" >"$run/written" 2>/dev/null || true
  [ ! -s "$run/written" ] || problems+=("the disc was written to: $(head -n1 "$run/written")")
  case $expect in
  keep)
    local file kept=""
    for file in "$case_dir"/config/vistrel/*; do
      [ -f "$file" ] && tr -d '\0' <"$file" | grep -qaF "$foreign_value" && kept=1
    done
    [ -n "$kept" ] || problems+=("a setting another program stored is lost")
    ;;
  log:*)
    grep -qE -- "${expect#log:}" "$log" || problems+=("no log line '${expect#log:}'")
    ;;
  esac

  if [ ${#problems[@]} -eq 0 ]; then
    echo ok >"$run/result"
  else
    (IFS=';'; echo "FAIL:${problems[*]}") | sed 's/;/; /g' >"$run/result"
  fi
  printf '%-22s %s\n' "$name" "$(cat "$run/result")"
}

mapfile -t discs < <(grep -v '^$' "$corpus/discs.tsv")
wanted=" $* "
selected() { [ "$wanted" = "  " ] || [[ "$wanted" == *" $1 "* ]]; }

# Discs that only start, two at a time; the others alone, since they take the mouse.
running=()
for line in "${discs[@]}"; do
  IFS=$'\t' read -r name folder action expect _ <<<"$line"
  [ "$action" = start ] && selected "$name" || continue
  while :; do
    alive=()
    for p in "${running[@]}"; do kill -0 "$p" 2>/dev/null && alive+=("$p"); done
    running=("${alive[@]}")
    [ ${#running[@]} -lt "$jobs" ] && break
    sleep 0.2
  done
  # The shell's own notes on processes killed at the end stay out of the report.
  run_disc "$name" "$folder" "$action" "$expect" 2>>"$work/runs/shell.log" &
  running+=("$!")
done
[ ${#running[@]} -eq 0 ] || wait "${running[@]}" 2>/dev/null || true
for line in "${discs[@]}"; do
  IFS=$'\t' read -r name folder action expect _ <<<"$line"
  [ "$action" != start ] && selected "$name" || continue
  (run_disc "$name" "$folder" "$action" "$expect") 2>>"$work/runs/shell.log"
done

total=0 failed=()
for line in "${discs[@]}"; do
  IFS=$'\t' read -r name _ _ _ what <<<"$line"
  selected "$name" || continue
  total=$((total + 1))
  result=$(cat "$work/runs/$name/result" 2>/dev/null || echo "FAIL: no result")
  [ "$result" = ok ] || failed+=("$name ($what): ${result#FAIL:}")
done
echo "hostile discs: $total run, $((total - ${#failed[@]})) ok, ${#failed[@]} failed," \
  "in $(($(date +%s) - started)) s (evidence in $work/runs)"
for line in "${failed[@]}"; do echo "  FAIL $line"; done
[ ${#failed[@]} -eq 0 ]
