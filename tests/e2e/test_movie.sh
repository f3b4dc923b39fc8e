#!/usr/bin/env bash
# The movie on the sample disc with the real player: it moves, Pause halts it, Stop shows the
# picture area, a double click puts the video over the whole screen and a second one (or Esc)
# brings it back; "start the movie" hands it to the desktop's player and the front end ends.
source "$(dirname "$0")/lib.sh"
[ -f "$VISTREL_DISC_DIR/movie.avi" ] || fail "the sample disc has no movie"
# The desktop's default player is replaced by one that notes what it was asked to open.
mkdir -p "$E2E_TMP/bin"
printf '#!/bin/sh\nprintf "%%s" "$1" >"%s/opened"\n' "$E2E_TMP" >"$E2E_TMP/bin/xdg-open"
chmod +x "$E2E_TMP/bin/xdg-open"
export PATH="$E2E_TMP/bin:$PATH"
e2e_start
e2e_run
wait_for_log 'window shown' 30
find_window
wait_for_log 'open: .*movie.avi error: 0' 20
wait_for_log 'vistrel.media: play$' 10
sleep 1.5

moving=$(movie_moves moving "the movie does not move")
pass "the movie moves (difference $moving)"

click_at 73 413
wait_for_log 'btnPause' 5
sleep 0.5
halted=$(movie_stands paused "Pause did not halt the movie")
pass "Pause halts it (difference $halted)"

click_at 73 413
sleep 0.5
movie_moves resumed "a second Pause did not resume the movie" >/dev/null
pass "a second Pause resumes it"

# Stop: the video goes away and the picture area (the skin's logo) shows, standing still.
click_at 95 413
wait_for_log 'btnStop' 5
sleep 0.8
stop_shows_the_logo resumed-b
pass "Stop shows the picture area"

click_at 52 413
wait_for_log 'vistrel.media: btnPlay' 5
sleep 1
movie_moves again "Play after Stop does not bring the movie back" >/dev/null
pass "Play after Stop plays again"

# Full screen and back by double clicks on the video, then by Esc.
full_screen_and_back
pass "a double click covers the screen, a second one or Esc brings it back"
double_click_at 270 210
[ "$(log_count 'player full screen')" = 3 ] || fail "after Esc, a double click does not enter full screen"
pass "Esc leaves full screen; the next double click enters again"
sleep 1
xdotool mousemove 640 400 click --repeat 2 --delay 80 1
sleep 1
[ "$(log_count 'player back in the window')" = 3 ] || fail "the last double click did not leave full screen"

# Paused, then at its end, the film put to full screen shows its still picture at the
# screen's size at once: a strip near the screen's top, where a picture left at the window's
# size in the middle of the screen leaves black, shows the film.
top_of_screen() {
  screenshot "$E2E_TMP/top.png"
  convert "$E2E_TMP/top.png" -crop 600x100+340+20 +repage -colorspace gray -format '%[fx:int(100*mean)]' info:
}
still_full_screen() {
  local entered drawn
  entered=$(log_count 'player full screen') drawn=$(log_count 'still picture drawn again')
  double_click_at 270 210
  [ "$(log_count 'player full screen')" -gt "$entered" ] || fail "$1: no full screen"
  for _ in $(seq 50); do [ "$(log_count 'still picture drawn again')" -gt "$drawn" ] && break; sleep 0.1; done
  [ "$(log_count 'still picture drawn again')" -gt "$drawn" ] || fail "$1: the still picture was not drawn again"
  sleep 1
  [ "$(top_of_screen)" -gt 10 ] || fail "$1: the still picture does not fill the screen"
  xdotool key Escape
  sleep 1
}
click_at 73 413
wait_for_log 'vistrel.media: pause$' 5
sleep 0.5
still_full_screen "paused"
# Playing on, Forward takes it to its end.
click_at 73 413
sleep 0.5
click_at 117 413
wait_for_log 'at the end' 10
sleep 0.5
still_full_screen "ended"
pass "a paused or ended film fills the screen at once"

# btnStartPlayer: the sample disc's player script gets the movie, and the front end ends.
pid=$E2E_LAST_PID
click_at 613 318
wait_for_exit "$pid" 10
grep -q 'exit: btnStartPlayer' "$E2E_LOG" || fail "the front end did not end after starting the player"
for _ in $(seq 50); do [ -s "$E2E_TMP/opened" ] && break; sleep 0.1; done
[ -s "$E2E_TMP/opened" ] || fail "the player script did not hand the movie on"
[ "$(readlink -f "$(cat "$E2E_TMP/opened")")" = "$(readlink -f "$VISTREL_DISC_DIR/movie.avi")" ] ||
  fail "the player was asked to open $(cat "$E2E_TMP/opened")"
pass "the external player gets the movie and the front end ends"
