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

# A second start asks the first for its window and ends.
timeout 60 wine "$VISTREL_DISC_DIR/vistrel.exe" >"$E2E_TMP/second.log" 2>&1 && status=0 || status=$?
[ "$status" != 124 ] || fail "a second start did not end by itself: $(cat "$E2E_TMP/second.log")"
grep -q 'another instance is running: activated it' "$E2E_TMP/second.log" ||
  fail "the second start did not find the first: $(cat "$E2E_TMP/second.log")"
wait_for_log 'window activated by a second start' 10
pass "a second start brings the first one's window forward and ends"

moving=$(movie_moves moving "the movie does not move")
pass "the movie plays from the disc's own decoders: its picture moves (difference $moving)"
drag_strip_by "the movie playing" 60 40
drag_strip_by "the movie playing" -60 -40
pass "a drag by the title strip moves the window by the pointer's travel"

click_at 73 413
wait_for_log 'btnPause' 5
sleep 0.5
movie_stands paused "Pause did not halt the movie" >/dev/null
click_at 52 413
wait_for_log 'vistrel.media: btnPlay' 5
sleep 0.5
movie_moves resumed "Play after Pause did not resume the movie" >/dev/null
pass "Pause halts the movie, Play resumes it"

click_at 95 413
wait_for_log 'btnStop' 5
sleep 0.8
stop_shows_the_logo resumed-b
click_at 52 413
sleep 1
movie_moves again "Play after Stop does not bring the movie back" >/dev/null
pass "Stop shows the logo, Play plays again"

full_screen_and_back
pass "a double click covers the screen, a second one or Esc brings it back"

# Forward goes to the end: the picture stands still and nothing is reported.
click_at 117 413
wait_for_log 'at the end' 10
sleep 0.5
movie_stands ended "the movie moves after Forward" >/dev/null
# Back, then Play: from the start again.
click_at 29 413
wait_for_log 'btnBackward' 5
reported=$(log_count 'playing at')
click_at 52 413
wait_for_count 'playing at' $((reported + 1)) 5
position=$(last_position)
[ -n "$position" ] && [ "$position" -lt 4000 ] || fail "Back and Play did not start over (at ${position:-nothing} ms)"
movie_moves restarted "the movie does not move after Back and Play" >/dev/null
pass "Forward goes to the end, Back and Play start over (at $position ms)"

# The whole movie, to its end: it stops there by itself, and the window stays.
wait_for_count 'at the end' 2 30
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
moved=$(position_moves "the slideshow's music")
wait_for_log 'slide shown: 2 ' 10
pass "the slideshow steps while its music plays ($moved)"
