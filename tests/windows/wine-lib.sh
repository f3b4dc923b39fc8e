# Shared helpers of the tests that run vistrel.exe under Wine and Xvfb: source it after
# ../e2e/lib.sh, then call wine_start after e2e_start. The Wine server ends with the test.
: "${WINEPREFIX:?run through ctest}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH QT_PLUGIN_PATH

# A Windows program outlives the launcher that Wine gives it only with the Wine server: that
# server ends with the test.
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT

wine_start() {
  # A Wine server left from an earlier test shows windows on that test's display.
  wineserver -k 2>/dev/null || true
  # Wine passes no QT_* variable of Linux to Windows programs: the log's rules go through the
  # environment that Windows keeps in the registry.
  wine reg add 'HKCU\Environment' /v QT_LOGGING_RULES /t REG_SZ /d "$QT_LOGGING_RULES" /f \
    >/dev/null 2>&1
  # The log's lines as the tests read them, whatever was set in the prefix by hand.
  wine reg delete 'HKCU\Environment' /v QT_MESSAGE_PATTERN /f >/dev/null 2>&1 || true
}

# Starts vistrel.exe from the disc folder $1 (default: the sample disc), or the sample disc's
# program on a disc folder without one of its own, with any further options; its log goes to
# E2E_LOG.
e2e_run() {
  local disc=${1:-$VISTREL_DISC_DIR} command
  command=("$disc/vistrel.exe" "${@:2}")
  [ -f "$disc/vistrel.exe" ] || command=("$VISTREL_DISC_DIR/vistrel.exe" "${@:2}" "Z:$disc")
  # A Windows program ends its lines with CR LF; the log is read as Linux text.
  wine "${command[@]}" > >(sed -u 's/\r$//' >>"$E2E_LOG") 2>&1 &
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
}

# Ends every Windows program of the test, and waits until the server has gone.
wine_stop() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
