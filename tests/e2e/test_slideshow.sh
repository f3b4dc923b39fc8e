#!/usr/bin/env bash
# The music-and-slideshow disc: the pictures change by themselves at the configured interval,
# Forward and Backward step and stop the timer, Play steps once and starts it again.
source "$(dirname "$0")/lib.sh"
e2e_start
disc=${VISTREL_DISC_DIR%/disc}/disc-slideshow
e2e_run "$disc"
wait_for_log 'slideshow started: 12 slots, 0 missing, interval 2500 ms' 30
find_window
sleep 0.5
screenshot "$E2E_TMP/first.png"
wait_for_log 'slide shown: 1 ' 6
sleep 0.5
screenshot "$E2E_TMP/second.png"
changed=$(region_difference "$E2E_TMP/first.png" "$E2E_TMP/second.png" 13 24 517 378)
[ "${changed%.*}" -gt 0 ] || fail "the picture did not change (difference $changed)"
pass "the pictures change by themselves (difference $changed)"
drag_strip_by "music playing" 80 -50
pass "a drag by the title strip moves the window by the pointer's travel while music plays"

# Forward steps at once and stops the timer: no further step comes by itself.
shown=$(log_count 'slide shown: ')
click_at 117 413
wait_for_log 'slide shown: 2 ' 3
sleep 3
[ "$(log_count 'slide shown: ')" = $((shown + 1)) ] || fail "the timer kept stepping after Forward"
pass "Forward steps and stops the timer"

click_at 29 413
wait_for_log 'slide shown: 1 .*' 3
[ "$(log_count 'slide shown: 1 ')" = 2 ] || fail "Backward did not step back to slot 1"
pass "Backward steps back"

# Play while the timer is off steps once at once, then the timer runs again.
click_at 51 413
wait_for_log 'slide shown: 2 .*' 3
[ "$(log_count 'slide shown: 2 ')" = 2 ] || fail "Play did not step at once"
wait_for_log 'slide shown: 3 ' 6
pass "Play steps at once and starts the timer again"

# A double click on Forward is one click and a double click: one step, not two.
click_at 73 413
shown=$(log_count 'slide shown: ')
double_click_at 117 413
sleep 1
steps=$(($(log_count 'slide shown: ') - shown))
[ "$steps" = 1 ] || fail "a double click on Forward stepped $steps times"
pass "a double click on a playback button acts once"
