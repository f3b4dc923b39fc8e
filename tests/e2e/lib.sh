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
  for _ in 1 2 3 4 5; do
    openbox --sm-disable >/dev/null 2>>"$E2E_TMP/openbox.log" &
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
    # Gone at once: give the server a moment before the next try.
    sleep 0.5
  done
  [ "$wm_ready" = 1 ] || { cat "$E2E_TMP/openbox.log" >&2; fail "the window manager did not start"; }
  sleep 0.3
  # Dark grey root so that a pixel outside the window's outline is easy to tell.
  xsetroot -solid '#202020' 2>/dev/null || true
  export XDG_CONFIG_HOME=$E2E_TMP/config XDG_CONFIG_DIRS=$E2E_TMP/xdg
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_CONFIG_DIRS"
  export QT_LOGGING_RULES="vistrel.*=true" QT_QPA_PLATFORM=xcb
  unset QT_MESSAGE_PATTERN
}

# Starts the program on a disc folder (default: the sample disc), with any further options; its
# log and what it says on the terminal go to E2E_LOG.
e2e_run() {
  local disc=${1:-$VISTREL_DISC_DIR}
  "$VISTREL_DISC_DIR/vistrel" "${@:2}" "$disc" >>"$E2E_LOG" 2>&1 &
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

# The tests' movies: a part of the video area with the test picture's moving parts.
VX=60 VY=60 VW=400 VH=280
# Two screenshots a second apart, named after $1; prints their difference in the video area.
video_change() {
  screenshot "$E2E_TMP/$1-a.png"; sleep 1; screenshot "$E2E_TMP/$1-b.png"
  local d; d=$(region_difference "$E2E_TMP/$1-a.png" "$E2E_TMP/$1-b.png" $VX $VY $VW $VH)
  echo "${d%.*}"
}
# The movie's picture moves over a second, or stands still; fails with the message $2 otherwise.
# $1 names the screenshots. Prints the difference.
movie_moves() {
  local d; d=$(video_change "$1")
  [ "$d" -gt 200 ] || fail "$2 (difference $d)"
  echo "$d"
}
movie_stands() {
  local d; d=$(video_change "$1")
  [ "$d" -lt 50 ] || fail "$2 (difference $d)"
  echo "$d"
}
# How far a strip of the screen above the window differs from the same strip in baseline.png,
# taken before: the full-screen video covers it.
above_window() {
  local crop="400x100+$((WIN_X + 150))+$((WIN_Y - 110))" d
  screenshot "$E2E_TMP/now.png"
  convert "$E2E_TMP/now.png" -crop "$crop" +repage "$E2E_TMP/strip-now.png"
  convert "$E2E_TMP/baseline.png" -crop "$crop" +repage "$E2E_TMP/strip-base.png"
  d=$(compare -metric MAE "$E2E_TMP/strip-base.png" "$E2E_TMP/strip-now.png" null: 2>&1 | sed 's/ .*//' || true)
  echo "${d%.*}"
}
# After Stop: the video has gone from the screenshot $1 (of video_change), and the picture area
# stands still and shows the skin's logo.
stop_shows_the_logo() {
  local gone still logo shown
  screenshot "$E2E_TMP/stopped.png"
  gone=$(region_difference "$E2E_TMP/$1.png" "$E2E_TMP/stopped.png" $VX $VY $VW $VH)
  [ "${gone%.*}" -gt 200 ] || fail "Stop left the video in place"
  still=$(movie_stands stopped "the picture area moves after Stop")
  logo=$(find "$VISTREL_DISC_DIR/Skins" -ipath '*/default/logo.bmp' 2>/dev/null | head -n1 || true)
  [ -n "$logo" ] || return 0
  convert "$E2E_TMP/stopped.png" -crop "517x378+$((WIN_X + 13))+$((WIN_Y + 24))" +repage "$E2E_TMP/area.png"
  convert "$logo" -resize '517x378!' "$E2E_TMP/logo.png"
  shown=$(compare -metric MAE "$E2E_TMP/area.png" "$E2E_TMP/logo.png" null: 2>&1 | sed 's/ .*//' || true)
  [ "${shown%.*}" -lt 2000 ] || fail "the picture area does not show the logo after Stop ($shown)"
}

# A left drag by the title strip, in steps: the window moves by the pointer's travel (within 2
# pixels), whatever plays. $1 names what plays; $2 $3 the travel.
drag_strip_by() {
  local what=$1 dx=$2 dy=$3 x y step
  find_window
  x=$WIN_X y=$WIN_Y
  press_at 300 8 1
  for step in 1 2 3 4 5; do
    xdotool mousemove $((x + 300 + dx * step / 5)) $((y + 8 + dy * step / 5)); sleep 0.05
  done
  release 1
  moved_as_dragged() {
    local off_x=$((WIN_X - x - dx)) off_y=$((WIN_Y - y - dy))
    [ "${off_x#-}" -le 2 ] && [ "${off_y#-}" -le 2 ]
  }
  for _ in $(seq 30); do find_window; moved_as_dragged && return 0; sleep 0.1; done
  fail "a drag of $dx,$dy by the title strip ($what) moved the window by $((WIN_X - x)),$((WIN_Y - y))"
}

# Waits until the log holds at least $2 lines matching $1 (grep -E); fails after $3 seconds.
wait_for_count() {
  for _ in $(seq $(($3 * 10))); do [ "$(log_count "$1")" -ge "$2" ] && return 0; sleep 0.1; done
  fail "fewer than $2 log lines matching '$1' within $3 s"
}

# The playing movie to full screen by a double click on the video and back by a second one, then
# again and back by Esc; the strip of the screen above the window tells where the video is.
full_screen_and_back() {
  local entered left
  [ "$WIN_Y" -gt 110 ] || fail "the window is too high on the screen for this test"
  screenshot "$E2E_TMP/baseline.png"
  entered=$(log_count 'player full screen') left=$(log_count 'player back in the window')
  double_click_at 270 210
  wait_for_count 'player full screen' $((entered + 1)) 5
  sleep 1.5
  [ "$(above_window)" -gt 1000 ] || fail "the video does not cover the screen"
  xdotool mousemove 640 400 click --repeat 2 --delay 80 1
  wait_for_count 'player back in the window' $((left + 1)) 5
  sleep 1.5
  [ "$(above_window)" -lt 50 ] || fail "the video did not come back into the window"
  double_click_at 270 210
  wait_for_count 'player full screen' $((entered + 2)) 5
  sleep 1.5
  xdotool key Escape
  wait_for_log 'leaves full screen by itself' 5
  sleep 1.5
  [ "$(above_window)" -lt 50 ] || fail "Esc did not bring the video back"
}

# The last position the player logged while playing, in ms (its debug lines).
last_position() { sed -n 's/.*playing at \([0-9]*\) ms.*/\1/p' "$E2E_LOG" | tail -n1; }
# The playing media's position moves on within two seconds; prints the two positions.
position_moves() {
  local first second
  first=$(last_position)
  sleep 2.5
  second=$(last_position)
  [ -n "$first" ] && [ -n "$second" ] && [ "$second" -gt "$first" ] ||
    fail "$1: the position does not move (${first:-none}, then ${second:-none})"
  echo "$first ms, then $second ms"
}
