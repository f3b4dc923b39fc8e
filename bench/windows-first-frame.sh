#!/usr/bin/env bash
# The Windows program's first video frame under Wine against the Linux program's, on the same
# film on the same machine, every pair of runs interleaved: a movie of one flat colour, and the
# moment it covers part of the screen (bench/screenwatch.cpp polls the X screen). Beside it the
# first skinned frame on a disc with nothing to play, the same way: what Wine's start costs
# before any playing, the floor of the first figure. The Windows
# program runs from a copy of its disc folder with only what the disc holds, in a Wine prefix of
# its own that one start has set up and whose server stays up between runs, as a Windows session
# would be there already; Wine's own start of each process is in the figure.
# Prints the medians, the median ratio of the pairs and their spread.
# Usage: bench/windows-first-frame.sh [Linux build dir] [Windows build dir] [runs]
set -euo pipefail
build=${1:-build}
windows=${2:-build-windows}
runs=${3:-9}
watch=$build/bench/vistrel_screenwatch
for program in "$build/disc/vistrel" "$watch" "$windows/disc/vistrel.exe"; do
  [ -e "$program" ] || { echo "build first: $program is missing" >&2; exit 2; }
done

tmp=$(mktemp -d)
export WINEPREFIX=$tmp/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT
# shellcheck source=paint-lib.sh
source "$(dirname "$0")/paint-lib.sh"
export QT_LOGGING_RULES='*=false'

colour=30c0a0
ffmpeg -hide_banner -loglevel error -y -f lavfi -i "color=c=0x$colour:s=640x480:r=25:d=12" \
  -f lavfi -i sine=frequency=330:duration=12 -c:v mpeg4 -vtag XVID -q:v 4 -c:a libmp3lame \
  -b:a 64k -ac 1 -shortest "$tmp/movie.avi"
# The Linux program on a copy of the sample disc (links), the Windows one on a copy of its own.
mkdir -p "$tmp/linux" "$tmp/windows"
for entry in "$build/disc"/*; do
  case $(basename "$entry") in movie.avi) ;; *) ln -s "$(readlink -f "$entry")" "$tmp/linux/" ;; esac
done
cp -a "$windows/disc/." "$tmp/windows/"
cp "$tmp/movie.avi" "$tmp/linux/movie.avi"
# Discs with nothing to play: the configuration without its movie.
mkdir -p "$tmp/idle"
for entry in "$tmp/linux"/*; do
  case $(basename "$entry") in movie.avi | vistrel.ini) ;; *) cp -P "$entry" "$tmp/idle/" ;; esac
done
grep -v '^Movie=' "$build/disc/vistrel.ini" >"$tmp/idle/vistrel.ini"
cp "$tmp/windows/vistrel.ini" "$tmp/windows-movie.ini"
grep -v '^Movie=' "$windows/disc/vistrel.ini" >"$tmp/windows-idle.ini"
cp "$tmp/movie.avi" "$tmp/windows/movie.avi"

mkdir -p "$WINEPREFIX"
wineserver -p
wine reg add 'HKCU\Environment' /v QT_LOGGING_RULES /t REG_SZ /d '*=false' /f >/dev/null 2>&1
# Usage: on_wine screenwatch's arguments before its "--"; runs the Windows program under it.
on_wine() {
  "$watch" "$@" -- wine "$tmp/windows/vistrel.exe"
  # Killing Wine's launcher leaves the Windows process; it would turn the next start away.
  wine taskkill /f /im vistrel.exe >/dev/null 2>&1 || true
  sleep 0.5
}
# One start sets up what Wine keeps for a program (its registry, fonts).
on_wine colour $colour 50000 30000 >/dev/null || true
picture=$build/disc/Skins/default/back.bmp
for _ in $(seq "$runs"); do
  w=$(on_wine colour $colour 50000 20000)
  l=$("$watch" colour $colour 50000 20000 -- "$build/disc/vistrel" "$tmp/linux")
  echo "${w%% *} ${l%% *}" >>"$tmp/video"
  cp "$tmp/windows-idle.ini" "$tmp/windows/vistrel.ini"
  w=$(on_wine skin "$picture" 0.2 20000)
  l=$("$watch" skin "$picture" 0.2 20000 -- "$build/disc/vistrel" "$tmp/idle")
  cp "$tmp/windows-movie.ini" "$tmp/windows/vistrel.ini"
  echo "${w%% *} ${l%% *}" >>"$tmp/skin"
done

report() {
  awk -v name="$1" -v runs="$runs" -v target="$3" '
  function sort(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
  }
  function median(a, n) { sort(a, n); return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
  $1 > 0 && $2 > 0 { n++; w[n] = $1; l[n] = $2; q[n] = $1 / $2 }
  END {
    if (n == 0) { print "no measurement"; exit 1 }
    mw = median(w, n); ml = median(l, n); mq = median(q, n)
    printf "%s: vistrel.exe under Wine %.0f ms, Linux program %.0f ms, ratio %.2f (%.2f-%.2f, %d of %d pairs)%s\n",
      name, mw, ml, mq, q[1], q[n], n, runs, target
  }' "$2"
}
report "first video frame" "$tmp/video" "  target <= 2.0"
report "first skinned frame, nothing to play" "$tmp/skin" ""
