# Shared helpers of the end-to-end tests: a private X server with a window manager, the real
# program on a disc folder, real mouse input with xdotool, and screenshots of the whole screen.
# Source it, then call e2e_start. Everything is torn down when the test script exits.
set -euo pipefail

: "${VISTREL_DISC_DIR:?run through ctest}"
E2E_TMP=$(mktemp -d)
E2E_LOG=$E2E_TMP/vistrel.log
E2E_PIDS=()
E2E_FAILED=0

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ "$E2E_FAILED" != 0 ] && [ -f "$E2E_LOG" ]; then
    echo "--- program log ---"; tail -n 60 "$E2E_LOG"
  fi
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { E2E_FAILED=1; echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# A private X server and openbox; sets DISPLAY.
e2e_start() {
  local fd_file=$E2E_TMP/display
  # E2E_SCREEN and E2E_XVFB_ARGS: another screen size, more of the server's options (its dpi).
  # shellcheck disable=SC2086
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x800x24}" -nolisten tcp ${E2E_XVFB_ARGS:-} \
    3>"$fd_file" 2>/dev/null &
  E2E_PIDS+=($!)
  # The display's number is whole once its line ends; the server answers soon after.
  for _ in $(seq 100); do [ "$(tail -c1 "$fd_file" 2>/dev/null)" = "" ] && [ -s "$fd_file" ] && break; sleep 0.1; done
  [ -s "$fd_file" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$fd_file")"
  for _ in $(seq 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
  # Wait until the window manager has taken the screen. On a loaded machine it now and then
  # fails to start (it cannot open the display): without one, no window ever goes full screen.
  local wm_ready=0
  for _ in 1 2 3; do
    openbox --sm-disable >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do
      if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        wm_ready=1
        break
      fi
      kill -0 "${E2E_PIDS[-1]}" 2>/dev/null || break
      sleep 0.1
    done
    [ "$wm_ready" = 1 ] && break
  done
  [ "$wm_ready" = 1 ] || fail "the window manager did not start"
  sleep 0.3
  # Dark grey root so that a pixel outside the window's outline is easy to tell.
  xsetroot -solid '#202020' 2>/dev/null || true
  export XDG_CONFIG_HOME=$E2E_TMP/config XDG_CONFIG_DIRS=$E2E_TMP/xdg
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_CONFIG_DIRS"
  export QT_LOGGING_RULES="vistrel.*=true" QT_QPA_PLATFORM=xcb
  unset QT_MESSAGE_PATTERN
}

# Starts the program on a disc folder (default: the sample disc); its log goes to E2E_LOG.
e2e_run() {
  local disc=${1:-$VISTREL_DISC_DIR}
  "$VISTREL_DISC_DIR/vistrel" "$disc" >>"$E2E_LOG" 2>&1 &
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
}

# Waits until the log holds a line matching the pattern (grep -E); fails after the timeout.
wait_for_log() {
  local pattern=$1 timeout=${2:-20}
  for _ in $(seq $((timeout * 10))); do
    grep -qE -- "$pattern" "$E2E_LOG" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "no log line matching '$pattern' within ${timeout}s"
}

log_count() { grep -cE -- "$1" "$E2E_LOG" 2>/dev/null || true; }

# Waits for a process to end; fails after the timeout.
wait_for_exit() {
  local pid=$1 timeout=${2:-10}
  for _ in $(seq $((timeout * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  fail "process $pid still running after ${timeout}s"
}

# The ids of the visible main windows: titled Vistrel and 699 x 432 (a message box has the
# same title).
main_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Vistrel$' 2>/dev/null); do
    xdotool getwindowgeometry "$id" 2>/dev/null | grep -q 'Geometry: 699x432' && echo "$id"
  done
  return 0
}

# The visible main window's id and its top-left corner on the screen (WIN_X, WIN_Y).
find_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(main_windows | head -n1)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || fail "no visible Vistrel window"
  WIN_ID=$id
  eval "$(xdotool getwindowgeometry --shell "$id")"
  WIN_X=$X WIN_Y=$Y
}

visible_window_count() { main_windows | wc -l; }

# Mouse actions at window coordinates.
move_to() { xdotool mousemove "$((WIN_X + $1))" "$((WIN_Y + $2))"; sleep 0.1; }
click_at() { move_to "$1" "$2"; xdotool click "${3:-1}"; sleep 0.3; }
double_click_at() { move_to "$1" "$2"; xdotool click --repeat 2 --delay 80 "${3:-1}"; sleep 0.5; }
press_at() { move_to "$1" "$2"; xdotool mousedown "${3:-1}"; sleep 0.3; }
release() { xdotool mouseup "${1:-1}"; sleep 0.3; }

# A screenshot of the whole screen (a grab of a widget would miss the video).
screenshot() { import -window root "$1"; }
# The colour of one screen pixel of a screenshot, as "r,g,b".
pixel_of() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}
# The colour at window coordinates of a screenshot.
window_pixel() { pixel_of "$1" "$((WIN_X + $2))" "$((WIN_Y + $3))"; }
# Mean absolute difference of two screenshots within a window rectangle (0 = identical).
region_difference() {
  local a=$1 b=$2 x=$3 y=$4 w=$5 h=$6 crop
  crop="${w}x${h}+$((WIN_X + x))+$((WIN_Y + y))"
  convert "$a" -crop "$crop" +repage "$E2E_TMP/crop-a.png"
  convert "$b" -crop "$crop" +repage "$E2E_TMP/crop-b.png"
  compare -metric MAE "$E2E_TMP/crop-a.png" "$E2E_TMP/crop-b.png" null: 2>&1 | sed 's/ .*//' || true
}
