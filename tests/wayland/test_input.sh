#!/usr/bin/env bash
# The program as a native Wayland client, driven through weston's seat: a drag by the title
# strip moves the window (the compositor's move); a double click takes the movie to full screen,
# where the film plays at the screen's size, and a second one or Esc brings it back; a right
# click opens the menu at the pointer, btnMenu beside itself, and the language chosen there
# changes the texts.
source "$(dirname "$0")/lib.sh"
wayland_start x11
keys() { local key; for key in "$@"; do xdotool key "$key"; sleep 0.25; done; }

e2e_run
wait_for_log 'window shown' 30
wait_for_log 'playing' 30
find_window
sleep 1

# The title strip, dragged 100 pixels right and 60 down.
start_x=$WIN_X start_y=$WIN_Y
move_to 200 8
xdotool mousedown 1; sleep 0.2
for step in 1 2 3 4 5; do xdotool mousemove $((WIN_X + 200 + step * 20)) $((WIN_Y + 8 + step * 12)); sleep 0.1; done
xdotool mouseup 1; sleep 0.5
wait_for_log 'drag: system move' 5
find_window
[ "$WIN_X" = $((start_x + 100)) ] && [ "$WIN_Y" = $((start_y + 60)) ] ||
  fail "the drag moved the window from $start_x,$start_y to $WIN_X,$WIN_Y"
pass "a drag by the title strip moves the window"

# In full screen the film is drawn at the screen's size, and moves: pixels change all over the
# middle of the screen, far outside where the window lies.
double_click_at 270 210
wait_for_log 'player full screen' 5
sleep 1.5
screenshot "$E2E_TMP/full-a.png"; sleep 1; screenshot "$E2E_TMP/full-b.png"
changed=$(compare -metric AE -fuzz 10% "$E2E_TMP/full-a.png" "$E2E_TMP/full-b.png" null: 2>&1 || true)
[ "${changed%.*}" -gt 2000 ] || fail "the full-screen film does not move (${changed} pixels changed)"
xdotool key Escape
wait_for_log 'leaves full screen by itself' 5
sleep 1
pass "the film plays in full screen"

full_screen_and_back
pass "a double click covers the screen, a second one or Esc brings it back"

# A right click on the picture opens the menu at the pointer.
screenshot "$E2E_TMP/closed.png"
click_at 300 200 3
wait_for_log 'menu: open' 5
sleep 0.5
screenshot "$E2E_TMP/open.png"
menu=$(region_difference "$E2E_TMP/closed.png" "$E2E_TMP/open.png" 300 200 60 40)
[ "${menu%.*}" -gt 1000 ] || fail "no menu at the pointer (difference $menu)"
xdotool key Escape
sleep 0.5
pass "a right click opens the menu at the pointer"

screenshot "$E2E_TMP/closed.png"
click_at 8 8
wait_for_count 'menu: open' 2 5
sleep 0.5
screenshot "$E2E_TMP/open.png"
# The menu lies just below and right of btnMenu, over the movie's corner.
menu=$(region_difference "$E2E_TMP/closed.png" "$E2E_TMP/open.png" 3 14 60 40)
[ "${menu%.*}" -gt 1000 ] || fail "no menu beside btnMenu (difference $menu)"
pass "btnMenu opens the menu beside itself"

# The language list holds english and german, in that order: choose the second one.
keys Down Right Down Return
wait_for_log 'language: german' 10
pass "the menu switches the language"

