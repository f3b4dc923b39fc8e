#!/usr/bin/env bash
# The Windows program's first skinned frame under Wine against a bare Qt window cross-built with
# the same Qt (bench_bare_window.exe, beside the same Qt DLLs in a folder of its own, as a plain Qt
# program is laid out) that shows the same picture, every pair of runs interleaved, under openbox:
# how much the program's own start costs beyond Qt's under Wine. The program runs from a copy of
# its disc folder with nothing to play, in a Wine prefix of its own whose server stays up between
# runs (as a Windows session would be there already). bench/screenwatch.cpp polls the X screen.
# Prints the medians, the median ratio of the pairs and their spread.
# Usage: bench/windows-startup.sh [Linux build dir] [Windows build dir] [runs]
set -euo pipefail
build=${1:-build}
windows=${2:-build-windows}
runs=${3:-9}
watch=$build/bench/vistrel_screenwatch
bare=$windows/bench/bench_bare_window.exe
for program in "$watch" "$windows/disc/vistrel.exe" "$bare"; do
  [ -e "$program" ] || { echo "build first: $program is missing" >&2; exit 2; }
done

tmp=$(mktemp -d)
export WINEPREFIX=$tmp/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT
# shellcheck source=paint-lib.sh
source "$(dirname "$0")/paint-lib.sh"

# The program's disc without its movie; the bare window beside the Qt DLLs it imports, with the
# Windows platform and style plugins.
mkdir -p "$tmp/disc"
cp -a "$windows/disc/." "$tmp/disc/"
sed -i '/^Movie=/d' "$tmp/disc/vistrel.ini"
# The DLLs lie in the hidden folder; a build from before the launcher had them at the root.
qt=$tmp/disc/.vistrel/windows plugins=$tmp/disc/.vistrel/windows/plugins
[ -d "$qt" ] || qt=$tmp/disc plugins=$tmp/disc/.vistrel/windows-plugins
mkdir -p "$tmp/bare/plugins"
cp "$bare" "$tmp/bare/"
cp "$qt"/Qt6Core.dll "$qt"/Qt6Gui.dll "$qt"/Qt6Widgets.dll "$qt"/lib*.dll "$tmp/bare/"
cp -R "$plugins/platforms" "$plugins/styles" "$tmp/bare/plugins/"
printf '[Paths]\nPlugins = plugins\n' >"$tmp/bare/qt.conf"
picture=$build/disc/Skins/default/back.bmp
cp "$picture" "$tmp/back.bmp"

mkdir -p "$WINEPREFIX"
wineserver -p
wine reg add 'HKCU\Environment' /v QT_LOGGING_RULES /t REG_SZ /d '*=false' /f >/dev/null 2>&1
# Usage: on_wine screenwatch's arguments before its "--", then the Windows program and its
# arguments.
on_wine() {
  local args=("${@:1:4}") program=${*:5:1}
  "$watch" "${args[@]}" -- wine "${@:5}"
  # Killing Wine's launcher leaves the Windows process; it would turn the next start away.
  wine taskkill /f /im "$(basename "$program")" >/dev/null 2>&1 || true
  sleep 0.5
}
# One start of each sets up what Wine keeps for a program (its registry, fonts).
on_wine skin "$picture" 0.2 30000 "$tmp/disc/vistrel.exe" >/dev/null || true
on_wine skin "$picture" 0.2 30000 "$tmp/bare/bench_bare_window.exe" 'Z:'"$tmp/back.bmp" >/dev/null || true
for _ in $(seq "$runs"); do
  p=$(on_wine skin "$picture" 0.2 20000 "$tmp/disc/vistrel.exe")
  b=$(on_wine skin "$picture" 0.2 20000 "$tmp/bare/bench_bare_window.exe" 'Z:'"$tmp/back.bmp")
  echo "${p%% *} ${b%% *}" >>"$tmp/skin"
done

awk -v runs="$runs" '
  function sort(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
  }
  function median(a, n) { sort(a, n); return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
  $1 > 0 && $2 > 0 { n++; p[n] = $1; b[n] = $2; q[n] = $1 / $2 }
  END {
    if (n == 0) { print "no measurement"; exit 1 }
    mp = median(p, n); mb = median(b, n); mq = median(q, n)
    printf "first skinned frame under Wine: vistrel.exe %.0f ms, bare Qt window %.0f ms, ratio %.2f (%.2f-%.2f, %d of %d pairs)  target <= 1.1\n",
      mp, mb, mq, q[1], q[n], n, runs
  }' "$tmp/skin"
