#!/usr/bin/env bash
# Full screen in picture mode on the slideshow disc: a double click on the pictures makes the
# window cover the screen, a second brings it back where it was with its outline; btnMaximize
# and a double click on the drag strip only ever enter.
source "$(dirname "$0")/lib.sh"
disc=$VISTREL_BUILD_DIR/disc-slideshow
[ -d "$disc" ] || fail "no slideshow disc at $disc"
e2e_start
# A root of its own colour, so that the window's cut-away corner shows it (display reports an
# error once the picture is on the root; that is harmless).
convert -size 8x8 xc:'#204060' "$E2E_TMP/root.png"
display -window root "$E2E_TMP/root.png" 2>/dev/null || true
root_colour=32,64,96
e2e_run "$disc"
wait_for_log 'window shown' 30
find_window
start_x=$WIN_X start_y=$WIN_Y
sleep 0.5
screenshot "$E2E_TMP/normal.png"

window_size() { xdotool getwindowgeometry "$WIN_ID" | sed -n 's/.*Geometry: //p'; }
# The window manager applies a new size in its own time: wait for it (up to 10 s).
wait_for_size() {
  for _ in $(seq 100); do [ "$(window_size)" = "$1" ] && return 0; sleep 0.1; done
  return 1
}
screen_pixel() { screenshot "$E2E_TMP/now.png"; pixel_of "$E2E_TMP/now.png" "$1" "$2"; }
[ "$(window_pixel "$E2E_TMP/normal.png" 0 0)" = "$root_colour" ] || fail "the skin's outline does not cut the corner"

double_click_at 270 210
wait_for_log 'window full screen' 5
wait_for_size 1280x800 || fail "the window does not cover the screen ($(window_size))"
[ "$(screen_pixel 1270 790)" != "$root_colour" ] || fail "the pictures do not reach the screen's corner"
pass "a double click on the pictures covers the screen"

xdotool mousemove 640 400 click --repeat 2 --delay 80 1
wait_for_log 'window back to normal' 5
wait_for_size 699x432 || fail "the window did not come back at its size ($(window_size))"
sleep 0.5
find_window
[ "$(window_size)" = "699x432" ] || fail "the window did not come back at its size ($(window_size))"
[ "$WIN_X,$WIN_Y" = "$start_x,$start_y" ] || fail "the window came back at $WIN_X,$WIN_Y, not $start_x,$start_y"
screenshot "$E2E_TMP/back.png"
[ "$(window_pixel "$E2E_TMP/back.png" 0 0)" = "$root_colour" ] ||
  fail "the window's outline was not restored"
[ "$(window_pixel "$E2E_TMP/back.png" 610 398)" = "$(window_pixel "$E2E_TMP/normal.png" 610 398)" ] ||
  fail "btnExit did not come back"
pass "a second double click brings it back where it was, with its outline"

# btnMaximize enters; a double click on the drag strip never leaves.
click_at 676 8
wait_for_log 'window full screen.*' 5
[ "$(log_count 'window full screen')" = 2 ] || fail "btnMaximize did not enter full screen"
wait_for_size 1280x800 || fail "btnMaximize did not cover the screen ($(window_size))"
sleep 0.5
xdotool mousemove 640 8 click --repeat 2 --delay 80 1
sleep 1
[ "$(log_count 'window back to normal')" = 1 ] || fail "a double click on the drag strip left full screen"
[ "$(window_size)" = "1280x800" ] || fail "the window left full screen"
pass "btnMaximize enters; the drag strip never leaves"
