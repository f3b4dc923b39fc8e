#!/usr/bin/env bash
# vistrel.exe on the sample disc under Wine, started from the disc with only what the disc holds
# beside it: the shaped window; the movie played on the decoders the disc carries, with its
# transport (Pause, Play, Stop, Forward, Back, full screen and back, the end of the movie); the
# language menu (the choice lands in the registry), the about box and the exit entry; then the
# slideshow disc with its music.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/wine-lib.sh"
language_key='HKCU\Software\Nordquill\Vistrel'

e2e_start
wine_start
wine reg delete "$language_key" /f >/dev/null 2>&1 || true

open_menu() {
  local before
  before=$(log_count 'menu: open')
  click_at 8 8
  for _ in $(seq 50); do [ "$(log_count 'menu: open')" -gt "$before" ] && break; sleep 0.1; done
  [ "$(log_count 'menu: open')" -gt "$before" ] || fail "btnMenu did not open the menu"
  sleep 0.5
}
keys() { local key; for key in "$@"; do xdotool key "$key"; sleep 0.25; done; }
# The last position the player reported while playing, in ms.
last_position() { sed -n 's/.*playing at \([0-9]*\) ms.*/\1/p' "$E2E_LOG" | tail -n1; }

e2e_run
wait_for_log 'window shown' 90
grep -q '^vistrel\.' "$E2E_LOG" || fail "the program logs nothing to standard error"
pass "the program starts and logs to standard error"

wait_for_log 'open: .*movie\.avi error: 0' 60
wait_for_log 'vistrel.media: play$' 10
sleep 1.5
find_window
screenshot "$E2E_TMP/start.png"
cp "$E2E_TMP/start.png" "$VISTREL_BUILD_DIR/wine-window.png"
[ "$(window_pixel "$E2E_TMP/start.png" 0 0)" = "32,32,32" ] || fail "corner is not cut from the window"
[ "$(window_pixel "$E2E_TMP/start.png" 610 270)" != "32,32,32" ] || fail "window body missing"
pass "the window shows with its outline (screenshot: $VISTREL_BUILD_DIR/wine-window.png)"

moving=$(video_change moving)
[ "$moving" -gt 200 ] || fail "the movie does not move (difference $moving)"
pass "the movie plays from the disc's own decoders: its picture moves (difference $moving)"

click_at 73 413
wait_for_log 'btnPause' 5
sleep 0.5
halted=$(video_change paused)
[ "$halted" -lt 50 ] || fail "Pause did not halt the movie (difference $halted)"
click_at 52 413
wait_for_log 'vistrel.media: btnPlay' 5
sleep 0.5
resumed=$(video_change resumed)
[ "$resumed" -gt 200 ] || fail "Play after Pause did not resume the movie (difference $resumed)"
pass "Pause halts the movie, Play resumes it"

click_at 95 413
wait_for_log 'btnStop' 5
sleep 0.8
stop_shows_the_logo resumed-b
click_at 52 413
sleep 1
again=$(video_change again)
[ "$again" -gt 200 ] || fail "Play after Stop does not bring the movie back (difference $again)"
pass "Stop shows the logo, Play plays again"

[ "$WIN_Y" -gt 110 ] || fail "the window is too high on the screen for this test"
screenshot "$E2E_TMP/baseline.png"
double_click_at 270 210
wait_for_log 'player full screen' 5
sleep 1.5
[ "$(above_window)" -gt 1000 ] || fail "the video does not cover the screen"
xdotool mousemove 640 400 click --repeat 2 --delay 80 1
wait_for_log 'player back in the window' 5
sleep 1.5
[ "$(above_window)" -lt 50 ] || fail "the video did not come back into the window"
double_click_at 270 210
[ "$(log_count 'player full screen')" = 2 ] || fail "no second full screen"
sleep 1.5
xdotool key Escape
wait_for_log 'leaves full screen by itself' 5
sleep 1.5
[ "$(above_window)" -lt 50 ] || fail "Esc did not bring the video back"
pass "a double click covers the screen, a second one or Esc brings it back"

# Forward goes to the end: the picture stands still and nothing is reported.
click_at 117 413
wait_for_log 'at the end' 10
sleep 0.5
ended=$(video_change ended)
[ "$ended" -lt 50 ] || fail "the movie moves after Forward (difference $ended)"
# Back, then Play: from the start again.
click_at 29 413
wait_for_log 'btnBackward' 5
click_at 52 413
sleep 1.5
position=$(last_position)
[ -n "$position" ] && [ "$position" -lt 4000 ] || fail "Back and Play did not start over (at ${position:-nothing} ms)"
restarted=$(video_change restarted)
[ "$restarted" -gt 200 ] || fail "the movie does not move after Back and Play (difference $restarted)"
pass "Forward goes to the end, Back and Play start over (at $position ms)"

# The whole movie, to its end: it stops there by itself, and the window stays.
wait_for_log_count() { # pattern, count, seconds
  for _ in $(seq $(($3 * 10))); do [ "$(log_count "$1")" -ge "$2" ] && return 0; sleep 0.1; done
  fail "fewer than $2 log lines matching '$1' within $3 s"
}
wait_for_log_count 'at the end' 2 30
sleep 1
[ "$(log_count 'message: ')" = 0 ] || fail "a message at the end: $(grep 'message: ' "$E2E_LOG")"
kill -0 "$E2E_LAST_PID" || fail "the program ended with the movie"
pass "the movie plays to its end, where it stays"

# The language list holds english and german, in that order: choose the second one.
open_menu
keys Down Right Down Return
wait_for_log 'language: german' 20
wine reg query "$language_key" /v Language 2>/dev/null | grep -q 'REG_SZ *german' ||
  fail "the registry does not hold the chosen language: $(wine reg query "$language_key" 2>&1)"
pass "choosing german lands in $language_key"

open_menu
keys Down Down Return
wait_for_log 'about box shown' 20
# Its close area, at (128, 192) of the box, closes it.
read -r about_x about_y < <(sed -n 's/.*about box shown at QRect(\([0-9-]*\),\([0-9-]*\) .*/\1 \2/p' \
  "$E2E_LOG" | tail -n1)
sleep 1
xdotool mousemove $((about_x + 152)) $((about_y + 200)) click 1
wait_for_log 'about box closed' 20
pass "the about box opens at $about_x,$about_y and its close area closes it"

open_menu
keys Up Return
wait_for_exit "$E2E_LAST_PID" 30
pass "the exit entry ends the program"

# The slideshow disc: the pictures step by themselves while the music plays.
: >"$E2E_LOG"
e2e_run "${VISTREL_DISC_DIR%/disc}/disc-slideshow"
wait_for_log 'slideshow started: 12 slots' 90
wait_for_log 'open: .*music\.mp3 error: 0' 30
wait_for_log 'slide shown: 1 ' 10
first=$(last_position)
sleep 2.5
second=$(last_position)
[ -n "$first" ] && [ -n "$second" ] && [ "$second" -gt "$first" ] ||
  fail "the music does not play (${first:-nothing}, then ${second:-nothing})"
wait_for_log 'slide shown: 2 ' 10
pass "the slideshow steps while its music plays ($first ms, then $second ms)"
