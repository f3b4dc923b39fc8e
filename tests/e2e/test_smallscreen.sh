#!/usr/bin/env bash
# Where the window first shows: centred and wholly on a screen it fits; at device pixel ratio 2
# on a 1280 x 800 screen (640 x 400 in the window's pixels) it cannot fit, and its title strip
# and its close button are on the screen, so the close button ends the program.
source "$(dirname "$0")/lib.sh"
e2e_start

e2e_run
wait_for_log 'window shown' 30
find_window
[ "$WIN_X,$WIN_Y" = "290,184" ] || fail "the window that fits is at $WIN_X,$WIN_Y, not centred at 290,184"
kill "$E2E_LAST_PID"
wait_for_exit "$E2E_LAST_PID" 10
pass "a window that fits is centred, wholly on the screen"

: >"$E2E_LOG"
QT_SCALE_FACTOR=2 QT_ENABLE_HIGHDPI_SCALING=1 e2e_run
wait_for_log 'window shown' 30
sleep 0.5
id=""
for _ in $(seq 50); do
  id=$(xdotool search --onlyvisible --name '^Vistrel$' 2>/dev/null | head -n1)
  [ -n "$id" ] && break
  sleep 0.1
done
[ -n "$id" ] || fail "no window at ratio 2"
eval "$(xdotool getwindowgeometry --shell "$id")"
[ "${WIDTH}x${HEIGHT}" = 1398x864 ] || fail "the window is ${WIDTH}x${HEIGHT} at ratio 2"
[ "$Y" = 0 ] || fail "the window's top is at $Y, not at the screen's top"
[ "$((X + WIDTH))" = 1280 ] || fail "the window's right edge is at $((X + WIDTH)), not at the screen's (1280)"
# btnClose is at 683,0 16x16 in the window's pixels: its middle on the screen.
xdotool mousemove "$((X + 2 * 691))" "$((Y + 2 * 8))" click 1
wait_for_exit "$E2E_LAST_PID" 10
grep -q 'exit: btnClose' "$E2E_LOG" || fail "the close button did not end the program"
pass "at ratio 2 on a small screen the title strip and the close button are on it (window at $X,$Y)"
