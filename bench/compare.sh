#!/usr/bin/env bash
# Vistrel side by side with the programs a user compares it with, in one run under Xvfb and
# openbox, every pair of runs interleaved. Each figure is seen from outside: on the screen itself
# (bench/screenwatch.cpp polls the screen; nothing is started while it polls) or from /proc.
#   first skinned frame    the sample disc, and the slideshow disc, against a bare Qt window
#                          showing the skin's 699 x 432 picture; the resident memory one second
#                          later on a disc with nothing to play, against the same bare window
#   first video frame      a movie of one flat colour against gst-play-1.0 with the same sink
#   playback               CPU time and largest resident memory over 10 s of the sample movie
#                          against gst-play-1.0 with the same sink on the same file
#   GUI-thread holds       bench_playerstall: 50 presses of Play, Stop and full screen
#   the made disc          scripts/make-disc's bundle for the sample disc: its size, the files
#                          and bytes it opens on the disc up to the first video frame, the
#                          first skinned frame of a viewer's first start (no plugin registry in
#                          the cache) against a later start's, and its first video frame against
#                          gst-play-1.0 with the system's plugins on the same file
#   the installed program  cmake --install of the build: the first skinned frame of a viewer's
#                          first start (no plugin registry) against a later start's
# Prints each figure, its reference, the median of the ratios of the pairs and their spread; the
# first frames also with VISTREL_MEDIA=qt, the Qt Multimedia player, as it was before.
# Usage: bench/compare.sh [build dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
disc=$build/disc
watch=$build/bench/vistrel_screenwatch
picture=$disc/Skins/default/back.bmp
for program in "$disc/vistrel" "$watch" "$build/bench/bench_bare_window" \
  "$build/bench/bench_playerstall"; do
  [ -x "$program" ] || { echo "build first: cmake --build $build ($program)" >&2; exit 2; }
done
command -v gst-play-1.0 >/dev/null || { echo "gst-play-1.0 missing (gstreamer1.0-tools)" >&2; exit 2; }
[ -f "$disc/movie.avi" ] || { echo "the sample disc has no movie" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")"
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
export XDG_CONFIG_HOME=$tmp/config QT_LOGGING_RULES='*=false'
# The sink the player picks, and gst-play is told to take: XVideo where the server offers it.
sink=ximagesink
xvinfo 2>/dev/null | grep -q 'Adaptor #' && sink=xvimagesink

# Copies of the sample disc (links) with a flat-coloured movie, and with nothing to play.
make_disc() {
  mkdir -p "$1"
  for entry in "$disc"/*; do
    case $(basename "$entry") in vistrel | vistrel.ini | movie.avi) ;; *) ln -s "$(readlink -f "$entry")" "$1/" ;; esac
  done
}
colour=30c0a0
make_disc "$tmp/colour"
cp "$disc/vistrel.ini" "$tmp/colour/"
ffmpeg -hide_banner -loglevel error -y -f lavfi -i "color=c=0x$colour:s=640x480:r=25:d=12" \
  -f lavfi -i sine=frequency=330:duration=12 -c:v mpeg4 -vtag XVID -q:v 4 -c:a libmp3lame \
  -b:a 64k -ac 1 -shortest "$tmp/colour/movie.avi"
make_disc "$tmp/idle"
grep -v '^Movie=' "$disc/vistrel.ini" >"$tmp/idle/vistrel.ini"
# The made disc, with the flat-coloured movie in place of the sample's.
"$(dirname "$0")/../scripts/make-disc" --program "$disc/vistrel" "$tmp/colour" "$tmp/made" \
  >"$tmp/make-disc.log" 2>&1 || { cat "$tmp/make-disc.log" >&2; exit 1; }
# The made disc's later starts find their plugin registry in the cache: one start writes it.
XDG_CACHE_HOME=$tmp/cache "$watch" colour $colour 50000 8000 -- sh "$tmp/made/autorun.sh" >/dev/null
# The installed program, its later starts with the system's plugin registry in their cache.
cmake --install "$build" --prefix "$tmp/installed" >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log" >&2; exit 1; }
XDG_CACHE_HOME=$tmp/installed-cache "$watch" colour $colour 50000 8000 -- \
  "$tmp/installed/bin/vistrel" "$tmp/colour" >/dev/null

# Lines "figure reference" in $1; prints the medians, the median ratio and the ratios' spread.
report() {
  local name=$1 file=$2 unit=$3 target=$4
  awk -v name="$name" -v unit="$unit" -v target="$target" '
    function sort(a, n,   i, j, t) {
      for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    }
    function median(a, n) { sort(a, n); return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
    $1 > 0 && $2 > 0 { n++; v[n] = $1; r[n] = $2; q[n] = $1 / $2 }
    END {
      if (n == 0) { printf "%-34s no measurement\n", name; exit }
      mv = median(v, n); mr = median(r, n); mq = median(q, n)
      printf "%-34s %8.1f %s  ref %8.1f %s  ratio %5.2f (%.2f-%.2f, %d pairs)  target %s\n",
        name, mv, unit, mr, unit, mq, q[1], q[n], n, target
    }' "$file"
}

bare() { "$watch" skin "$picture" 0.2 5000 -- "$build/bench/bench_bare_window" "$picture"; }
skinned() { "$watch" skin "$picture" 0.2 5000 -- "$disc/vistrel" "$@"; }
for _ in $(seq "$runs"); do
  b=$(bare); v=$(skinned)
  echo "${v%% *} ${b%% *}" >>"$tmp/skin"
  b=$(bare); v=$(VISTREL_MEDIA=qt skinned || true)
  echo "${v%% *} ${b%% *}" >>"$tmp/skin-qt"
  b=$(bare); v=$(skinned "$(readlink -f "$build/disc-slideshow")")
  echo "${v%% *} ${b%% *}" >>"$tmp/slides"
  b=$(bare); v=$(skinned "$tmp/idle")
  echo "$(echo "$v" | cut -d' ' -f2) $(echo "$b" | cut -d' ' -f2)" >>"$tmp/idle-memory"
  g=$("$watch" colour $colour 50000 5000 -- gst-play-1.0 --no-interactive -q --videosink=$sink "$tmp/colour/movie.avi" 2>/dev/null)
  v=$("$watch" colour $colour 50000 5000 -- "$disc/vistrel" "$tmp/colour")
  echo "$v $g" >>"$tmp/video"
  # Qt's own GStreamer backend now and then never shows a frame (its renderer waits in vain for
  # the GUI thread): a reference row, so a start without a picture is left out, not fatal.
  v=$(VISTREL_MEDIA=qt "$watch" colour $colour 50000 5000 -- "$disc/vistrel" "$tmp/colour" || true)
  echo "$v $g" >>"$tmp/video-qt"
  # A viewer's first start (an empty cache, so no plugin registry) against a later one.
  rm -rf "$tmp/cold-cache"
  c=$(XDG_CACHE_HOME=$tmp/cold-cache "$watch" skin "$picture" 0.2 5000 -- sh "$tmp/made/autorun.sh")
  w=$(XDG_CACHE_HOME=$tmp/cache "$watch" skin "$picture" 0.2 5000 -- sh "$tmp/made/autorun.sh")
  echo "${c%% *} ${w%% *}" >>"$tmp/first-start"
  rm -rf "$tmp/cold-cache"
  c=$(XDG_CACHE_HOME=$tmp/cold-cache "$watch" skin "$picture" 0.2 5000 -- "$tmp/installed/bin/vistrel" "$disc")
  w=$(XDG_CACHE_HOME=$tmp/installed-cache "$watch" skin "$picture" 0.2 5000 -- "$tmp/installed/bin/vistrel" "$disc")
  echo "${c%% *} ${w%% *}" >>"$tmp/installed-first-start"
  g=$("$watch" colour $colour 50000 5000 -- gst-play-1.0 --no-interactive -q --videosink=$sink "$tmp/colour/movie.avi" 2>/dev/null)
  v=$(XDG_CACHE_HOME=$tmp/cache "$watch" colour $colour 50000 5000 -- sh "$tmp/made/autorun.sh")
  echo "$v $g" >>"$tmp/disc-video"
done
# What the made disc's program opens on the disc up to its first video frame (the registry
# already in the cache, as on every start but the first).
XDG_CACHE_HOME=$tmp/cache "$watch" colour $colour 50000 8000 -- strace -f -qq -e trace=openat \
  -o "$tmp/opened" sh "$tmp/made/autorun.sh" >/dev/null
# A traced program outlives its killed tracer; as the one instance, it would turn later starts
# away.
pkill -f "$tmp/made/.vistrel/bin/vistrel" || true
sleep 0.5
# Each file once, however its path was spelt (the libraries are found through bin/../lib).
disc_files=$(grep -v ' = -1 ' "$tmp/opened" | grep -o "\"$tmp/made/[^\"]*\"" | tr -d '"' |
  while read -r file; do [ -f "$file" ] && readlink -f "$file"; done | sort -u)
disc_bytes=$(echo "$disc_files" | xargs -r stat -L -c %s | awk '{ s += $1 } END { print s + 0 }')
for _ in $(seq 3); do
  g=$("$watch" usage 1 10 -- gst-play-1.0 --no-interactive -q --videosink=$sink "$(readlink -f "$disc/movie.avi")" 2>/dev/null)
  v=$("$watch" usage 1 10 -- "$disc/vistrel")
  echo "${v%% *} ${g%% *}" >>"$tmp/cpu"
  echo "${v##* } ${g##* }" >>"$tmp/memory"
done

echo "Vistrel against its yardsticks ($sink, $runs interleaved pairs; playback 3 pairs)"
report "first skinned frame, sample disc" "$tmp/skin" ms "<= 1.3 x bare window"
report "  with VISTREL_MEDIA=qt" "$tmp/skin-qt" ms "(the Qt Multimedia player)"
report "first skinned frame, slideshow" "$tmp/slides" ms "<= 1.3 x bare window"
report "idle memory, skin shown" "$tmp/idle-memory" MB "<= 1.3 x bare window"
report "first video frame" "$tmp/video" ms "<= 1.2 x gst-play"
report "  with VISTREL_MEDIA=qt" "$tmp/video-qt" ms "(the Qt Multimedia player)"
report "CPU over 10 s of playback" "$tmp/cpu" s "<= 1.2 x gst-play"
report "memory while playing" "$tmp/memory" MB "<= 1.3 x gst-play"
report "first skinned frame, first start" "$tmp/first-start" ms "<= 1.5 x a later start (made disc)"
report "  the installed program" "$tmp/installed-first-start" ms "<= 1.5 x a later start (installed)"
report "first video frame, made disc" "$tmp/disc-video" ms "<= 1.0 x gst-play, system plugins"
echo "made disc: bundle $(du -sm --exclude=windows-plugins "$tmp/made/.vistrel" | cut -f1) MB," \
  "$(find "$tmp/made/.vistrel/lib" -name '*.so*' | wc -l) libraries (target <= 50 MB);" \
  "up to the first video frame it opens $(echo "$disc_files" | grep -c . ) files on the disc" \
  "($(echo "$disc_files" | grep -c '/\.vistrel/') of them the program's)," \
  "$((disc_bytes / 1048576)) MB (target <= 60 files, <= 30 MB)"
VISTREL_DISC_DIR=$disc "$build/bench/bench_playerstall" "$disc/movie.avi" 50 2>/dev/null |
  sed 's/^/  /'
echo "  target: every press of the GStreamer control under 20 ms"
