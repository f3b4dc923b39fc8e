#!/usr/bin/env bash
# vistrel.exe on the sample disc under Wine, started from the disc with only what the disc holds
# beside it: the shaped window, the movie that Wine cannot play reported like any unplayable
# movie, the language menu (the choice lands in the registry), the about box and the exit entry.
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

# Wine's Media Foundation cannot open the sample movie: the program says so once, as for any
# movie it cannot play, and goes on.
wait_for_log 'media not opened: .*movie\.avi' 60
wait_for_log 'message: ' 10
sleep 1
xdotool key Return
sleep 1
kill -0 "$E2E_LAST_PID" || fail "the program ended after the movie message"
pass "the unplayable movie is reported: $(grep -m1 'message: ' "$E2E_LOG")"

find_window
sleep 1
for _ in $(seq 25); do
  find_window
  screenshot "$E2E_TMP/start.png"
  [ "$(window_pixel "$E2E_TMP/start.png" 0 0)" != "32,32,32" ] || break
  sleep 0.2
done
cp "$E2E_TMP/start.png" "$VISTREL_BUILD_DIR/wine-window.png"
[ "$(window_pixel "$E2E_TMP/start.png" 0 0)" = "32,32,32" ] || fail "corner is not cut from the window"
[ "$(window_pixel "$E2E_TMP/start.png" 610 270)" != "32,32,32" ] || fail "window body missing"
pass "the window shows with its outline (screenshot: $VISTREL_BUILD_DIR/wine-window.png)"

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
