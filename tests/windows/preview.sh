#!/usr/bin/env bash
# vistrel.exe --preview on a copy of the sample disc under Wine: a saved back.bmp replaces the
# window at its place, and a skin folder taken away keeps the last window and is told.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/wine-lib.sh"
e2e_start
wine_start

disc=$E2E_TMP/disc
cp -r "$VISTREL_DISC_DIR" "$disc"
BACK_X=300 BACK_Y=20

e2e_run "$disc" --preview
wait_for_log 'first frame painted' 90
wait_for_log 'previewing ' 5
find_window
start_x=$WIN_X start_y=$WIN_Y

convert "$disc/Skins/default/back.bmp" -negate "BMP3:$E2E_TMP/back.bmp"
cp "$E2E_TMP/back.bmp" "$disc/Skins/default/back.bmp"
wait_for_log 'window replaced in' 20
sleep 1
find_window
screenshot "$E2E_TMP/saved.png"
[ "$(window_pixel "$E2E_TMP/saved.png" $BACK_X $BACK_Y)" = "$(pixel_of "$E2E_TMP/back.bmp" $BACK_X $BACK_Y)" ] ||
  fail "the saved back.bmp does not show"
[ "$WIN_X,$WIN_Y" = "$start_x,$start_y" ] || fail "the window moved to $WIN_X,$WIN_Y"
pass "a saved back.bmp shows at the same place"

mv "$disc/Skins" "$disc/Skins.away"
wait_for_log 'kept the last window: no skin folder' 20
[ "$(visible_window_count)" = 1 ] || fail "the last window did not stay"
pass "a missing skin folder keeps the last window and says why"
