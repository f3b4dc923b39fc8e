# The end-to-end helpers on a native Wayland session: weston with the pixman renderer, started
# with --debug so that its screenshooter and its scene graph answer. weston's headless output has
# no seat, and Debian's weston carries no test plugin to make input with; so the tests that press
# and type run weston's X11 backend inside a private X server without a window manager, where
# weston's output is the whole X screen and xdotool's input reaches the program through weston's
# seat. Everything else is e2e/lib.sh's.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

# wayland_start [x11]: a private weston, on its headless output or (x11) on a private X server;
# sets WAYLAND_DISPLAY and the platform.
wayland_start() {
  local backend=${1:-headless} socket=vistrel-test-$$
  export XDG_RUNTIME_DIR=$E2E_TMP/runtime
  mkdir -p "$XDG_RUNTIME_DIR" "$E2E_TMP/shots"
  chmod 700 "$XDG_RUNTIME_DIR"
  [ "$backend" = headless ] || x_server_alone
  # A plain dark desktop: a pixel outside the window's outline is then easy to tell.
  printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff202020\nbackground-image=none\npanel-position=none\n' \
    >"$E2E_TMP/weston.ini"
  weston --backend="$backend-backend.so" --use-pixman --width=1280 --height=800 --debug \
    --socket="$socket" --config="$E2E_TMP/weston.ini" >"$E2E_TMP/weston.log" 2>&1 &
  E2E_PIDS+=($!)
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
  [ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start: $(tail -n5 "$E2E_TMP/weston.log")"
  export WAYLAND_DISPLAY=$socket XDG_CONFIG_HOME=$E2E_TMP/config XDG_CONFIG_DIRS=$E2E_TMP/xdg
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_CONFIG_DIRS"
  export QT_LOGGING_RULES="vistrel.*=true" QT_QPA_PLATFORM=wayland
  unset QT_MESSAGE_PATTERN
  [ "$backend" = headless ] || pointer_in_step
}

# Xvfb of weston's output size with nothing on it; sets DISPLAY.
x_server_alone() {
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$E2E_TMP/display" 2>/dev/null &
  E2E_PIDS+=($!)
  for _ in $(seq 100); do [ -s "$E2E_TMP/display" ] && break; sleep 0.1; done
  [ -s "$E2E_TMP/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
  for _ in $(seq 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
}

# weston's X11 backend moves its own pointer by the X pointer's travel, held within its output.
# Driven past two opposite corners, both pointers stand at the top-left one; from then on an X
# position is weston's too.
pointer_in_step() {
  xdotool mousemove --sync 1279 799
  sleep 0.1
  xdotool mousemove --sync 0 0
  sleep 0.1
}

# A screenshot of weston's whole output, taken by weston itself.
screenshot() {
  local shot
  rm -f "$E2E_TMP"/shots/*.png
  (cd "$E2E_TMP/shots" && weston-screenshooter >/dev/null 2>&1) || fail "weston-screenshooter failed"
  for _ in $(seq 50); do
    shot=$(find "$E2E_TMP/shots" -name '*.png' | head -n1)
    [ -n "$shot" ] && break
    sleep 0.1
  done
  [ -n "$shot" ] || fail "weston-screenshooter wrote no picture"
  mv "$shot" "$1"
}

# The main window's top-left corner in weston's output (WIN_X, WIN_Y), from its scene graph: a
# Wayland client is never told where it lies.
find_window() {
  local at=""
  for _ in $(seq 100); do
    at=$(timeout 5 weston-debug scene-graph 2>/dev/null |
      sed -n "/top-level window 'Vistrel'/{n;s/.*position: (\([0-9-]*\), \([0-9-]*\)).*/\1 \2/p;q}")
    [ -n "$at" ] && break
    sleep 0.1
  done
  [ -n "$at" ] || fail "no Vistrel window in weston's scene graph"
  read -r WIN_X WIN_Y <<<"$at"
}
