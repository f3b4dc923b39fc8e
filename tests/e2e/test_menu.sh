#!/usr/bin/env bash
# The pop-up menu and the about box on the real program: btnMenu opens the menu at (3, 14) of the
# window; another press on it closes the menu; choosing the other language changes the tooltips
# and is remembered at the next start; the about box opens centred and its close area closes
# it; the exit entry and a double click on btnMenu end the program.
source "$(dirname "$0")/lib.sh"
e2e_start

disc=$E2E_TMP/disc
mkdir -p "$disc"
cp -r "$VISTREL_DISC_DIR/Language" "$VISTREL_DISC_DIR/Skins" "$disc/"
printf '[Main]\r\nVersion=1.0\r\nDefaultLanguage=english\r\nSkin=default\r\n' >"$disc/vistrel.ini"

# The top-left corner (window coordinates) of what changed between two screenshots within a
# window rectangle, as "x y"; empty when nothing changed there.
changed_corner() {
  local a=$1 b=$2 x=$3 y=$4 w=$5 h=$6 box
  box=$(convert "$a" "$b" -compose difference -composite \
    -crop "${w}x${h}+$((WIN_X + x))+$((WIN_Y + y))" +repage -colorspace gray -threshold 3% \
    -format '%@' info: 2>/dev/null)
  # "WxH+X+Y" of the changed pixels; a crop without change trims to "0x0+...".
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 0
  [ "${BASH_REMATCH[1]}" != 0 ] || return 0
  echo "$((x + BASH_REMATCH[3])) $((y + BASH_REMATCH[4]))"
}

# Clicks btnMenu and waits until the menu is up.
open_menu() {
  local before
  before=$(log_count 'menu: open')
  click_at 8 8
  for _ in $(seq 50); do [ "$(log_count 'menu: open')" -gt "$before" ] && break; sleep 0.1; done
  [ "$(log_count 'menu: open')" -gt "$before" ] || fail "btnMenu did not open the menu"
  sleep 0.5
}
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.25; done; }
last_tooltips() { grep -E 'tooltips: ' "$E2E_LOG" | tail -n1 | sed 's/.*tooltips: //'; }

e2e_run "$disc"
wait_for_log 'window shown' 30
find_window
english_tips=$(last_tooltips)
[ -n "${english_tips//[| ]/}" ] || fail "no tooltips after start-up"

# A click on btnMenu shows the menu with its top-left corner at (3, 14) of the window. The
# button's own look may change, so the edges are measured beside it.
screenshot "$E2E_TMP/closed.png"
open_menu
screenshot "$E2E_TMP/open.png"
top=$(changed_corner "$E2E_TMP/closed.png" "$E2E_TMP/open.png" 20 0 150 120)
left=$(changed_corner "$E2E_TMP/closed.png" "$E2E_TMP/open.png" 0 20 150 40)
[ -n "$top" ] && [ -n "$left" ] || fail "no menu appeared"
[ "${top#* }" = 14 ] || fail "the menu's top edge is at y ${top#* }, not 14"
[ "${left% *}" = 3 ] || fail "the menu's left edge is at x ${left% *}, not 3"
pass "btnMenu shows the menu at (3, 14)"

# Another press on btnMenu, after the double-click time, closes the menu and nothing else.
sleep 0.5
click_at 8 8
sleep 0.5
screenshot "$E2E_TMP/again.png"
[ -z "$(changed_corner "$E2E_TMP/closed.png" "$E2E_TMP/again.png" 20 0 150 120)" ] ||
  fail "the menu did not close (or opened again)"
[ "$(log_count 'menu: open')" = 1 ] || fail "the menu opened again"
kill -0 "$E2E_LAST_PID" || fail "closing the menu ended the program"
pass "a second click on btnMenu closes the menu"

# A quick click right after the one that closed the menu opens it again: no double click.
open_menu
opened=$(log_count 'menu: open')
xdotool click 1
sleep 0.15
xdotool click 1
for _ in $(seq 20); do [ "$(log_count 'menu: open')" -gt "$opened" ] && break; sleep 0.1; done
[ "$(log_count 'menu: open')" -gt "$opened" ] || fail "a quick click after closing the menu did not open it"
kill -0 "$E2E_LAST_PID" || fail "a quick click after closing the menu ended the program"
xdotool key Escape
sleep 0.3
pass "a quick click after closing the menu opens it again"

# The language list holds english and german, in that order: choose the second one.
open_menu
keys Down Right Down Return
wait_for_log 'language: german' 10
german_tips=$(last_tooltips)
[ -n "${german_tips//[| ]/}" ] && [ "$german_tips" != "$english_tips" ] ||
  fail "the tooltips did not change with the language"
pass "choosing german changes the tooltips"

kill -9 "$E2E_LAST_PID"
wait_for_exit "$E2E_LAST_PID" 5
: >"$E2E_LOG"
e2e_run "$disc"
wait_for_log 'window shown' 30
grep -q 'language chosen: german' "$E2E_LOG" || fail "the chosen language was not remembered"
[ "$(last_tooltips)" = "$german_tips" ] || fail "the next start shows other tooltips"
pass "the chosen language is remembered at the next start"

# The about box opens centred on the screen; its close area closes it.
find_window
open_menu
keys Down Down Return
wait_for_log 'about box shown' 10
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
about_x=$(((screen_w - 300) / 2)) about_y=$(((screen_h - 225) / 2))
grep -q "about box shown at QRect($about_x,$about_y 300x225)" "$E2E_LOG" ||
  fail "the about box is not centred: $(grep 'about box shown' "$E2E_LOG")"
# The window manager maps the box a moment after the program has shown it.
about_at=""
for _ in $(seq 30); do
  about=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n1 || true)
  [ -n "$about" ] && about_at=$(xdotool getwindowgeometry "$about" | sed -n 's/ *Position: \([0-9]*,[0-9]*\).*/\1/p')
  [ "$about_at" = "$about_x,$about_y" ] && break
  sleep 0.1
done
[ "$about_at" = "$about_x,$about_y" ] || fail "the about window is at '$about_at' on screen, not $about_x,$about_y"
screenshot "$E2E_TMP/about.png"
[ "$(pixel_of "$E2E_TMP/about.png" $((about_x + 150)) $((about_y + 200)))" != \
  "$(pixel_of "$E2E_TMP/closed.png" $((about_x + 150)) $((about_y + 200)))" ] ||
  fail "the about box's artwork is not drawn"
# The main window takes no input meanwhile: btnClose would end the program.
click_at 691 8
kill -0 "$E2E_LAST_PID" || fail "the main window took a click while the about box was open"
xdotool mousemove $((about_x + 152)) $((about_y + 200)) click 1
wait_for_log 'about box closed' 10
sleep 0.3
[ -z "$(xdotool search --onlyvisible --name '^Form1$')" ] || fail "the about box stayed open"
pass "about box centred at $about_x,$about_y; its close area closes it"

# The exit entry ends the program.
open_menu
keys Up Return
wait_for_exit "$E2E_LAST_PID" 10
grep -q 'exit: mnuExit' "$E2E_LOG" || fail "the exit entry did not end the program"
pass "the exit entry ends the program"

# A double click on btnMenu ends it too.
: >"$E2E_LOG"
e2e_run "$disc"
wait_for_log 'window shown' 30
find_window
double_click_at 8 8
wait_for_exit "$E2E_LAST_PID" 10
grep -q 'exit: btnMenu double click' "$E2E_LOG" || fail "a double click on btnMenu did not end the program"
pass "a double click on btnMenu ends the program"
