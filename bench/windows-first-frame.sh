#!/usr/bin/env bash
# The Windows program's first video frame under Wine against the Linux program's, on the same
# film on the same machine, every pair of runs interleaved: a movie of one flat colour, and the
# moment it covers part of the screen (bench/screenwatch.cpp polls the X screen). The Windows
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
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")"
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
export XDG_CONFIG_HOME=$tmp/config QT_LOGGING_RULES='*=false'

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
cp "$tmp/movie.avi" "$tmp/windows/movie.avi"

wineserver -p
wine reg add 'HKCU\Environment' /v QT_LOGGING_RULES /t REG_SZ /d '*=false' /f >/dev/null 2>&1
# One start sets up what Wine keeps for a program (its registry, fonts).
"$watch" colour $colour 50000 30000 -- wine "$tmp/windows/vistrel.exe" >/dev/null || true
wine_first_frame() {
  "$watch" colour $colour 50000 20000 -- wine "$tmp/windows/vistrel.exe"
  # Killing Wine's launcher leaves the Windows process; it would turn the next start away.
  wine taskkill /f /im vistrel.exe >/dev/null 2>&1 || true
  sleep 0.5
}
for _ in $(seq "$runs"); do
  w=$(wine_first_frame)
  l=$("$watch" colour $colour 50000 20000 -- "$build/disc/vistrel" "$tmp/linux")
  echo "${w%% *} ${l%% *}" >>"$tmp/pairs"
done

awk -v runs="$runs" '
  function sort(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
  }
  function median(a, n) { sort(a, n); return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
  $1 > 0 && $2 > 0 { n++; w[n] = $1; l[n] = $2; q[n] = $1 / $2 }
  END {
    if (n == 0) { print "no measurement"; exit 1 }
    mw = median(w, n); ml = median(l, n); mq = median(q, n)
    printf "first video frame: vistrel.exe under Wine %.0f ms, Linux program %.0f ms, ratio %.2f (%.2f-%.2f, %d of %d pairs)  target <= 2.0\n",
      mw, ml, mq, q[1], q[n], n, runs
  }' "$tmp/pairs"
