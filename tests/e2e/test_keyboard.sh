#!/usr/bin/env bash
# The sample disc without a mouse: Tab walks through every offered button in reading order with a
# ring drawn round the focused one (on the light and the dark skin), Enter and Space press, the
# Menu key and Shift+F10 open the menu at btnMenu (a right click at the pointer), Esc closes the
# menu, the document and full screen, and btnExit ends the program by Enter. Screenshots of the
# rings are kept in the build.
source "$(dirname "$0")/lib.sh"
e2e_start
shots=$VISTREL_BUILD_DIR/e2e-screenshots
mkdir -p "$shots"

# The sample disc with the given skin.
make_disc() {
  local disc=$E2E_TMP/disc-$1
  mkdir -p "$disc"
  (cd "$VISTREL_DISC_DIR" && cp -r Language Skins Info Extras Setup Player movie.avi "$disc/")
  sed "s/^Skin=.*/Skin=$1/" "$VISTREL_DISC_DIR/vistrel.ini" >"$disc/vistrel.ini"
  echo "$disc"
}
key() { xdotool key "$1"; sleep 0.3; }
last_focus() { grep -oE 'focus: btn[A-Za-z]+' "$E2E_LOG" | tail -n1 | sed 's/focus: //'; }
# Moves the focus with the right arrow until it reaches the named button.
focus_on() {
  for _ in $(seq 16); do
    [ "$(last_focus)" = "$1" ] && return 0
    key Right
  done
  fail "the arrows never reached $1"
}

# The ring: black at the button's edge, white just inside, black inside that.
check_ring() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5
  [ "$(window_pixel "$shot" "$x" "$((y + h / 2))")" = 0,0,0 ] || fail "no black edge of the ring at $x,$y"
  [ "$(window_pixel "$shot" "$((x + 1))" "$((y + h / 2))")" = 255,255,255 ] || fail "no white ring at $x,$y"
  [ "$(window_pixel "$shot" "$((x + w - 1))" "$((y + h / 2))")" = 0,0,0 ] || fail "no right edge of the ring"
  [ "$(window_pixel "$shot" "$((x + w / 2))" "$((y + h - 2))")" = 255,255,255 ] || fail "no lower white ring"
}

for skin in default Nightfall; do
  : >"$E2E_LOG"
  e2e_run "$(make_disc $skin)"
  wait_for_log 'window shown' 30
  find_window
  xdotool windowactivate --sync "$WIN_ID" 2>/dev/null || true
  sleep 0.5
  screenshot "$E2E_TMP/before.png"
  key Tab
  # The window may still be busy starting the movie: the answer can come late, not elsewhere.
  wait_for_log 'focus: btn' 5
  [ "$(last_focus)" = btnPlay ] || fail "the first Tab went to '$(last_focus)', not btnPlay"
  screenshot "$shots/focus-ring-$skin.png"
  check_ring "$shots/focus-ring-$skin.png" 41 408 21 11
  pass "$skin: the first Tab puts a ring round btnPlay"

  # The whole round, from btnPlay back to it.
  walk=()
  for _ in $(seq 20); do
    key Tab
    [ "$(last_focus)" = btnPlay ] && break
    walk+=("$(last_focus)")
  done
  expected="btnPause btnStop btnForward btnMenu btnMinimize btnMaximize btnClose btnInstallCodec btnInstallPlayer btnInfo btnStartPlayer btnExplore btnExit btnBackward"
  [ "${walk[*]}" = "$expected" ] || fail "the Tab round was '${walk[*]}'"
  key shift+Tab
  [ "$(last_focus)" = btnBackward ] || fail "Shift+Tab went to '$(last_focus)'"
  key Right
  [ "$(last_focus)" = btnPlay ] || fail "Right went to '$(last_focus)'"
  key Left
  key Up
  [ "$(last_focus)" = btnExit ] || fail "Left and Up went to '$(last_focus)'"
  pass "$skin: Tab, Shift+Tab and the arrows go round all 15 buttons in reading order"
  [ $skin = Nightfall ] && break

  # Space on btnPause, Enter on btnInfo; Esc closes the document again.
  focus_on btnPause
  key space
  wait_for_log 'btnPause' 5
  focus_on btnInfo
  key Return
  wait_for_log 'document: ' 5
  key Escape
  wait_for_log 'info closed' 5
  pass "Space and Enter press the focused button; Esc closes the document"

  # Opened from the keyboard, the menu's first entry is highlighted: Right opens the language
  # list and Enter picks its first language at once.
  for combo in shift+F10 Menu; do
    before=$(log_count 'menu: open at QPoint\(3,14\)')
    chosen=$(log_count 'menu: language english')
    key "$combo"
    [ "$(log_count 'menu: open at QPoint\(3,14\)')" -gt "$before" ] || fail "$combo did not open the menu at btnMenu"
    key Right
    key Return
    for _ in $(seq 30); do [ "$(log_count 'menu: language english')" -gt "$chosen" ] && break; sleep 0.1; done
    [ "$(log_count 'menu: language english')" -gt "$chosen" ] || fail "after $combo, Right and Enter chose no language"
  done
  # btnMenu pressed by Enter opens it so too.
  focus_on btnMenu
  chosen=$(log_count 'menu: language english')
  key Return
  key Right
  key Return
  for _ in $(seq 30); do [ "$(log_count 'menu: language english')" -gt "$chosen" ] && break; sleep 0.1; done
  [ "$(log_count 'menu: language english')" -gt "$chosen" ] || fail "after Enter on btnMenu, Right and Enter chose no language"
  key shift+F10
  key Escape
  kill -0 "$E2E_LAST_PID" || fail "the menu keys ended the program"
  pass "Shift+F10, the Menu key and Enter on btnMenu open the menu, its first entry highlighted; Esc closes it"

  # A right click off the buttons opens the same menu at the pointer: on the video, the
  # background, the title strip; on a side button it opens nothing.
  for spot in "200 200" "600 260" "300 8"; do
    click_at ${spot% *} ${spot#* } 3
    sleep 0.3
    grep -q "menu: open at QPoint(${spot% *},${spot#* })" "$E2E_LOG" ||
      fail "a right click at $spot did not open the menu there"
    key Escape
  done
  menus=$(log_count 'menu: open')
  click_at 610 215 3
  sleep 0.3
  [ "$(log_count 'menu: open')" = "$menus" ] || fail "a right click on btnInfo opened the menu"
  kill -0 "$E2E_LAST_PID" || fail "a right click ended the program"
  pass "a right click opens the menu at the pointer, off the buttons only"

  # Full screen by btnMaximize from the keyboard, and back by Esc.
  focus_on btnMaximize
  key Return
  wait_for_log 'movie full screen' 10
  sleep 1
  key Escape
  wait_for_log 'back in the window' 10
  pass "Esc leaves full screen"

  focus_on btnExit
  key Return
  wait_for_exit "$E2E_LAST_PID" 10
  grep -q 'btnExit' "$E2E_LOG" || fail "btnExit by Enter did not end the program"
  pass "Enter on btnExit ends the program"
done
