#!/usr/bin/env bash
# vistrel --preview on a copy of the sample disc, saved as an author saves: a new back.bmp is on
# the screen within a second at the same place while the movie goes on; a tooltip's new text shows
# on the next hover; vistrel.ini takes a button away; a picture written in two steps never ends
# the program; a skin folder taken away leaves the last window and says why.
source "$(dirname "$0")/lib.sh"
e2e_start

disc=$E2E_TMP/disc
cp -r "$VISTREL_DISC_DIR" "$disc"
skin=$disc/Skins/default
# A point of the background picture that nothing covers, and btnInstallCodec and btnPlay.
BACK_X=300 BACK_Y=20 CODEC="613 142" PLAY="51 413"
reloads() { log_count 'window replaced in'; }
wait_for_reload() { wait_for_count 'window replaced in' "$1" 10; sleep 0.5; find_window; }

e2e_run "$disc" --preview
wait_for_log 'first frame painted' 30
wait_for_log 'previewing ' 5
find_window
xdotool windowmove "$WIN_ID" 120 90
sleep 0.5
find_window
start_x=$WIN_X start_y=$WIN_Y
wait_for_log 'playing at [0-9]+ ms' 20

# The picture, negated, saved in place; timed from the save to the screen.
convert "$skin/back.bmp" -negate "BMP3:$E2E_TMP/back.bmp"
expected=$(pixel_of "$E2E_TMP/back.bmp" $BACK_X $BACK_Y)
saved=$(date +%s%N)
cp "$E2E_TMP/back.bmp" "$skin/back.bmp"
shown=""
for _ in $(seq 40); do
  screenshot "$E2E_TMP/now.png"
  [ "$(window_pixel "$E2E_TMP/now.png" $BACK_X $BACK_Y)" = "$expected" ] && { shown=$(date +%s%N); break; }
done
[ -n "$shown" ] || fail "the saved back.bmp never showed"
took=$(((shown - saved) / 1000000))
[ "$took" -le 1000 ] || fail "the saved back.bmp showed $took ms after the save"
find_window
[ "$WIN_X,$WIN_Y" = "$start_x,$start_y" ] ||
  fail "the reloaded window is at $WIN_X,$WIN_Y, not $start_x,$start_y"
wait_for_log 'what plays goes on at' 10
grep -q 'saved: Skins/default/back.bmp' "$E2E_LOG" || fail "the save was not named"
pass "a saved back.bmp shows in $took ms at the same place and the movie goes on"

# A new tooltip in the language shown, on the next hover of btnPlay.
sed -i 's/^tipPlay=.*/tipPlay=Play it again/' "$disc/Language/english.lng"
wait_for_reload 2
move_to 200 200
move_to ${PLAY% *} ${PLAY#* }
wait_for_log 'tooltip shown: Play it again' 10
pass "a saved tooltip shows on the next hover"

# vistrel.ini without btnInstallCodec: the background shows where the button was.
sed -i 's/^ShowInstallCodec=1/ShowInstallCodec=0/' "$disc/vistrel.ini"
wait_for_reload 3
screenshot "$E2E_TMP/no-codec.png"
[ "$(window_pixel "$E2E_TMP/no-codec.png" $CODEC)" = "$(pixel_of "$skin/back.bmp" $CODEC)" ] ||
  fail "btnInstallCodec still shows after vistrel.ini took it away"
pass "a saved vistrel.ini takes a button away"

# A picture written in two steps: one reload, once it is whole.
head -c 2000 "$E2E_TMP/back.bmp" >"$skin/back.bmp"
sleep 1
convert "$E2E_TMP/back.bmp" -flop "BMP3:$skin/back.bmp"
wait_for_reload 4
sleep 1
kill -0 "$E2E_LAST_PID" 2>/dev/null || fail "a half-written picture ended the program"
[ "$(reloads)" = 4 ] || fail "$(reloads) reloads where the half-written picture should make one"
! grep -q 'kept the last window' "$E2E_LOG" || fail "the half-written picture was loaded"
pass "a half-written picture is waited for"

# The skin folder taken away: the last window stays, and the terminal says why and what the
# check now finds.
mv "$disc/Skins" "$disc/Skins.away"
wait_for_log 'kept the last window: no skin folder' 10
wait_for_log '^new: error: Skins: there is no skin folder' 10
kill -0 "$E2E_LAST_PID" 2>/dev/null || fail "a missing skin folder ended the program"
[ "$(visible_window_count)" = 1 ] || fail "the last window did not stay"
pass "a missing skin folder keeps the last window and says why, in the check's words too"
