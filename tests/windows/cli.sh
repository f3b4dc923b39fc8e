#!/usr/bin/env bash
# vistrel.exe's answers in text under Wine, as an author on Windows gets them on the console the
# command was started from: --check on the sample disc (0, a clean summary), on a faulty disc (1,
# its errors), a wrong option (2), --help and --version; each within a minute, never waiting on a
# window. A launcher whose hidden folder is missing says so instead of starting nothing.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/wine-lib.sh"
e2e_start
QT_LOGGING_RULES='*=false'
wine_start

faulty=$E2E_TMP/faulty
cp -a "$VISTREL_DISC_DIR" "$faulty"
rm "$faulty/Skins/default/back.bmp"
lonely=$E2E_TMP/lonely
mkdir -p "$lonely"
cp "$VISTREL_DISC_DIR/vistrel.exe" "$lonely/"

# Each row: the exit code, what the output must hold, the program, then its arguments.
while IFS='|' read -r code expected program args; do
  [ -n "$code" ] || continue
  # shellcheck disable=SC2086
  timeout 60 wine "$program" $args >"$E2E_TMP/output" 2>&1 && status=0 || status=$?
  output=$(sed 's/\r$//' "$E2E_TMP/output")
  [ "$status" != 124 ] || fail "vistrel.exe $args did not answer within a minute"
  [ "$status" = "$code" ] || fail "vistrel.exe $args exited with $status, not $code: $output"
  grep -qE -- "$expected" <<<"$output" || fail "vistrel.exe $args did not say '$expected': $output"
  pass "vistrel.exe $args: $code, '$expected'"
done <<ROWS
0|^0 errors, 0 warnings, [0-9]+ notes?\$|$VISTREL_DISC_DIR/vistrel.exe|--check Z:$VISTREL_DISC_DIR
1|^error: .*back\.bmp|$VISTREL_DISC_DIR/vistrel.exe|--check Z:$faulty
1|"errors": [1-9]|$VISTREL_DISC_DIR/vistrel.exe|--check --json Z:$faulty
2|Unknown option 'no-such-option'|$VISTREL_DISC_DIR/vistrel.exe|--no-such-option
0|--check +List every problem of the disc|$VISTREL_DISC_DIR/vistrel.exe|--help
0|^vistrel [0-9]+\.[0-9]+\.[0-9]+\$|$VISTREL_DISC_DIR/vistrel.exe|--version
1|vistrel.dll is missing.*hidden folder \.vistrel|$lonely/vistrel.exe|--check
ROWS
