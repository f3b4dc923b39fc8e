#!/usr/bin/env bash
# The real program on the sample disc: the shaped window, drag rules, pressed look, single
# instance, and the end by btnExit.
source "$(dirname "$0")/lib.sh"
e2e_start
e2e_run
wait_for_log 'window shown' 30
find_window
pass "window shown at $WIN_X,$WIN_Y"

# The outline follows the mask: the top-left corner is cut away, the root shows through. The
# window manager places and shapes the window in its own time, under load a while after it shows.
sleep 1
for _ in $(seq 25); do
  find_window
  screenshot "$E2E_TMP/start.png"
  [ "$(window_pixel "$E2E_TMP/start.png" 0 0)" != "32,32,32" ] || break
  sleep 0.2
done
[ "$(window_pixel "$E2E_TMP/start.png" 0 0)" = "32,32,32" ] || fail "corner is not cut from the window"
[ "$(window_pixel "$E2E_TMP/start.png" 610 270)" != "32,32,32" ] || fail "window body missing"
pass "outline follows the mask"

# A right-button drag on recDragWindow does not move the window; a left-button drag does.
start_x=$WIN_X start_y=$WIN_Y
press_at 300 8 3; xdotool mousemove_relative -- 60 40; sleep 0.3; release 3
find_window
[ "$WIN_X,$WIN_Y" = "$start_x,$start_y" ] || fail "right-button drag moved the window"
# The right click opened the pop-up menu where the button was released; Esc closes it.
wait_for_log 'menu: open at QPoint\(360,48\)' 5
xdotool key Escape; sleep 0.3
wait_for_log 'playing' 30
drag_strip_by "the movie playing" 60 42
drag_strip_by "the movie playing" -100 -70
click_at 95 413
wait_for_log 'btnStop' 5
drag_strip_by "nothing playing" 40 -30
pass "drag: right button ignored, left button moves by the pointer's travel"

# A second start leaves exactly one window and activates the first.
first=$E2E_LAST_PID
e2e_run
second=$E2E_LAST_PID
wait_for_exit "$second" 15
[ "$(visible_window_count)" = 1 ] || fail "a second start left $(visible_window_count) windows"
wait_for_log 'window activated by a second start' 10
kill -0 "$first" || fail "the first instance ended"
pass "second start activates the first and ends"

# A right press on a button is the button's: an action or title-bar button shows its pressed
# look until the release, a playback button answers the left button only, and no menu opens.
# The drag took the window partly off the screen: back to where every button is on it.
xdotool windowmove "$WIN_ID" 100 100
for _ in $(seq 30); do
  find_window
  [ "$WIN_X,$WIN_Y" = "100,100" ] && break
  sleep 0.1
done
menus=$(log_count 'menu: open')
for row in "btnInstallCodec 544 128 139 29 1" "btnInstallPlayer 544 168 139 29 1" \
  "btnInfo 544 208 139 29 1" "btnStartPlayer 544 304 139 29 1" "btnExplore 544 344 139 29 1" \
  "btnExit 544 384 139 29 1" "btnMenu 0 0 16 16 1" "btnMinimize 653 0 16 16 1" \
  "btnMaximize 668 0 16 16 1" "btnClose 683 0 16 16 1" "btnBackward 19 408 21 11 0" \
  "btnPlay 41 408 21 11 0" "btnPause 63 408 21 11 0" "btnStop 85 408 21 11 0" \
  "btnForward 107 408 21 11 0"; do
  read -r name x y w h looks <<<"$row"
  screenshot "$E2E_TMP/rest.png"
  press_at "$((x + w / 2))" "$((y + h / 2))" 3
  screenshot "$E2E_TMP/held.png"
  release 3
  screenshot "$E2E_TMP/after.png"
  held=$(region_difference "$E2E_TMP/rest.png" "$E2E_TMP/held.png" "$x" "$y" "$w" "$h")
  after=$(region_difference "$E2E_TMP/held.png" "$E2E_TMP/after.png" "$x" "$y" "$w" "$h")
  if [ "$looks" = 1 ]; then
    [ "${held%.*}" -gt 0 ] || fail "$name shows no pressed look under a right press"
    [ "${after%.*}" -gt 0 ] || fail "$name kept its pressed look after the right button's release"
  else
    [ "${held%.*}" = 0 ] || fail "$name changed its look under a right press (difference $held)"
  fi
done
[ "$(log_count 'menu: open')" = "$menus" ] || fail "a right press on a button opened the menu"
kill -0 "$first" || fail "a right click on a button ended the program"
pass "a right press shows the pressed look of the action and title-bar buttons, not of the playback ones, and opens no menu"

# btnExit: a held left button shows its pressed look; releasing over it ends the program.
screenshot "$E2E_TMP/released.png"
press_at 600 398 1
sleep 0.3
screenshot "$E2E_TMP/pressed.png"
diff=$(region_difference "$E2E_TMP/released.png" "$E2E_TMP/pressed.png" 544 384 139 29)
release 1
[ "${diff%.*}" -gt 0 ] || fail "btnExit shows no pressed look (difference $diff)"
wait_for_exit "$first" 10
grep -q 'exit: btnExit' "$E2E_LOG" || fail "the program did not end through btnExit"
pass "btnExit pressed look, then the end"
