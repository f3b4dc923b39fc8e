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

# shellcheck source=wine-bench-lib.sh
source "$(dirname "$0")/wine-bench-lib.sh"

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

start_wine
on_wine() { watch_on_wine "$@" "$tmp/windows/vistrel.exe"; }
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

report() { pair_report "$1" "$2" "vistrel.exe under Wine" "Linux program" "$3"; }
report "first video frame" "$tmp/video" "  target <= 2.0"
report "first skinned frame, nothing to play" "$tmp/skin" ""
