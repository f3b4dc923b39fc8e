#!/usr/bin/env bash
# Start-up on real disc folders: a wrong version shows its message and ends once confirmed; a disc
# without languages ends silently; the remembered language is used at the next start.
source "$(dirname "$0")/lib.sh"
e2e_start

disc=$E2E_TMP/disc
mkdir -p "$disc"
cp -r "$VISTREL_DISC_DIR/Language" "$VISTREL_DISC_DIR/Skins" "$disc/"

# A configuration of another version: the message in the chosen language, then the end.
printf '[Main]\r\nVersion=2.0\r\nDefaultLanguage=german\r\n' >"$disc/vistrel.ini"
e2e_run "$disc"
pid=$E2E_LAST_PID
wait_for_log 'message: Vistrel: ' 20
grep -q "message: Vistrel: .*$disc/vistrel.ini" "$E2E_LOG" || fail "the version message does not name the configuration"
sleep 0.5
[ "$(visible_window_count)" = 0 ] || fail "the main window showed before the version check"
xdotool key Return
wait_for_exit "$pid" 10
grep -q 'exit: configuration version 2.0' "$E2E_LOG" || fail "no end after the version message"
pass "wrong version: message, then the end"

# No language file: the program ends without a word.
rm -rf "$disc/Language"
: >"$E2E_LOG"
e2e_run "$disc"
wait_for_exit "$E2E_LAST_PID" 20
grep -q 'exit: no language file' "$E2E_LOG" || fail "no silent end without languages"
! grep -q 'message:' "$E2E_LOG" || fail "a message was shown without languages"
pass "no language: silent end"

# The language loaded is remembered for the user and wins over the configured default next time.
cp -r "$VISTREL_DISC_DIR/Language" "$disc/"
printf '[Main]\nDefaultLanguage=german\n' >"$disc/vistrel.ini"
: >"$E2E_LOG"
e2e_run "$disc"
wait_for_log 'window shown' 30
grep -q 'language: german' "$E2E_LOG" || fail "the configured default language was not loaded"
kill -9 "$E2E_LAST_PID"
wait_for_exit "$E2E_LAST_PID" 5
printf '[Main]\nDefaultLanguage=english\n' >"$disc/vistrel.ini"
: >"$E2E_LOG"
e2e_run "$disc"
wait_for_log 'window shown' 30
grep -q 'language chosen: german' "$E2E_LOG" || fail "the remembered language was not used"
pass "remembered language used at the next start"
