# shellcheck shell=bash
# Shared by the benchmarks that run the Windows program under Wine: a scratch folder $tmp, a Wine
# prefix of its own whose server stays up between runs (as a Windows session would be there
# already), a private X server with openbox (paint-lib.sh), and what compares the pairs of runs.
# Source it after setting $watch (bench/screenwatch.cpp) and $runs; then call start_wine.
tmp=$(mktemp -d)
export WINEPREFIX=$tmp/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT
# shellcheck source=paint-lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/paint-lib.sh"
export QT_LOGGING_RULES='*=false'

start_wine() {
  mkdir -p "$WINEPREFIX"
  wineserver -p
  wine reg add 'HKCU\Environment' /v QT_LOGGING_RULES /t REG_SZ /d '*=false' /f >/dev/null 2>&1
}

# Usage: watch_on_wine <screenwatch's four arguments> PROGRAM [ARGUMENTS]: runs the Windows
# program under screenwatch and prints its figures.
watch_on_wine() {
  "$watch" "${@:1:4}" -- wine "${@:5}"
  # Killing Wine's launcher leaves the Windows process; it would turn the next start away.
  wine taskkill /f /im "$(basename "$5")" >/dev/null 2>&1 || true
  sleep 0.5
}

# Usage: pair_report NAME FILE FIRST SECOND TARGET: the medians of FILE's two columns of
# milliseconds (FIRST's and SECOND's runs, in pairs), the median of the pairs' ratios and their
# spread.
pair_report() {
  awk -v name="$1" -v first="$3" -v second="$4" -v target="$5" -v runs="$runs" '
  function sort(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
  }
  function median(a, n) { sort(a, n); return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
  $1 > 0 && $2 > 0 { n++; f[n] = $1; s[n] = $2; q[n] = $1 / $2 }
  END {
    if (n == 0) { print "no measurement"; exit 1 }
    mf = median(f, n); ms = median(s, n); mq = median(q, n)
    printf "%s: %s %.0f ms, %s %.0f ms, ratio %.2f (%.2f-%.2f, %d of %d pairs)%s\n",
      name, first, mf, second, ms, mq, q[1], q[n], n, runs, target
  }' "$2"
}
