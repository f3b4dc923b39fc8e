#!/usr/bin/env bash
# The program as a native Wayland client on weston's headless output: the window's cut-out
# corner shows the desktop behind it, and the sample disc's movie is drawn inside the window and
# moves there (the video sink of a Wayland session); a second start hands over to the first.
source "$(dirname "$0")/lib.sh"
wayland_start

e2e_run
wait_for_log 'window shown' 30
wait_for_log 'video sink: drawn by the window' 30
wait_for_log 'playing' 30
find_window
sleep 1

screenshot "$E2E_TMP/shown.png"
desktop=$(pixel_of "$E2E_TMP/shown.png" 5 5)
corner=$(window_pixel "$E2E_TMP/shown.png" 1 1)
inside=$(window_pixel "$E2E_TMP/shown.png" 40 12)
[ "$desktop" = "32,32,32" ] || fail "the desktop is not the test's plain grey ($desktop)"
[ "$corner" = "$desktop" ] || fail "the window's cut corner hides the desktop ($corner)"
[ "$inside" != "$desktop" ] || fail "the title strip is not drawn"
pass "the cut corner shows the desktop, the title strip is drawn"

movie_moves playing "the movie's picture does not change in the window" >/dev/null
pass "the movie is drawn in the window and moves"

# A second start hands over to the first window and ends; on Wayland the compositor decides
# whether that window comes forward (weston has no activation protocol).
e2e_run
wait_for_log 'another instance is running' 20
wait_for_log 'window activation asked of the compositor by a second start' 10
wait_for_exit "$E2E_LAST_PID" 10
pass "a second start asks the compositor for the first window, and ends"
