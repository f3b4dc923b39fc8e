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

# shellcheck source=wine-bench-lib.sh
source "$(dirname "$0")/wine-bench-lib.sh"

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

start_wine
on_wine() { watch_on_wine skin "$picture" 0.2 "$@"; }
# One start of each sets up what Wine keeps for a program (its registry, fonts).
on_wine 30000 "$tmp/disc/vistrel.exe" >/dev/null || true
on_wine 30000 "$tmp/bare/bench_bare_window.exe" 'Z:'"$tmp/back.bmp" >/dev/null || true
for _ in $(seq "$runs"); do
  p=$(on_wine 20000 "$tmp/disc/vistrel.exe")
  b=$(on_wine 20000 "$tmp/bare/bench_bare_window.exe" 'Z:'"$tmp/back.bmp")
  echo "${p%% *} ${b%% *}" >>"$tmp/skin"
done

pair_report "first skinned frame under Wine" "$tmp/skin" vistrel.exe "bare Qt window" "  target <= 1.1"
