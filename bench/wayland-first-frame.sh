#!/usr/bin/env bash
# The movie on a Wayland session, on one compositor and one film, every set of runs interleaved:
# the program as a native Wayland client (the window draws the frames), the same program through
# XWayland (X11, the video by GStreamer's X sink), and GStreamer's own player with its Wayland
# sink (gst-play-1.0, waylandsink) as the reference. The compositor is weston with the pixman
# renderer, on its X11 backend inside a private X server, so that bench/screenwatch.cpp can watch
# its output: the first moment the film's flat colour covers part of it, then the CPU over 10 s
# of playing, the program's own and the compositor's (and XWayland's) beside it.
# Usage: bench/wayland-first-frame.sh [build dir] [runs]   (needs weston, xwayland, gstreamer1.0-tools)
set -euo pipefail
build=${1:-build}
runs=${2:-9}
watch=$(readlink -f "$build/bench/vistrel_screenwatch")
[ -x "$watch" ] && [ -x "$build/disc/vistrel" ] || { echo "build $build first" >&2; exit 2; }
for tool in weston Xwayland gst-play-1.0 Xvfb; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
done

tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT
colour=30c0a0
ffmpeg -hide_banner -loglevel error -y -f lavfi -i "color=c=0x$colour:s=640x480:r=25:d=30" \
  -f lavfi -i sine=frequency=330:duration=30 -c:v mpeg4 -vtag XVID -q:v 4 -c:a libmp3lame \
  -b:a 64k -ac 1 -shortest "$tmp/movie.avi"
# The sample disc (links) with this film.
mkdir -p "$tmp/disc"
for entry in "$build/disc"/*; do
  case $(basename "$entry") in movie.avi) ;; *) ln -s "$(readlink -f "$entry")" "$tmp/disc/" ;; esac
done
cp "$tmp/movie.avi" "$tmp/disc/movie.avi"

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")"
export XDG_RUNTIME_DIR=$tmp/runtime XDG_CONFIG_HOME=$tmp/config QT_LOGGING_RULES='*=false'
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --width=1280 --height=800 --idle-time=0 --xwayland \
  --socket=vistrel-bench >"$tmp/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do grep -q 'xserver listening on display' "$tmp/weston.log" && break; sleep 0.1; done
xwayland_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$tmp/weston.log")
[ -n "$xwayland_display" ] || { echo "weston did not start XWayland" >&2; exit 1; }
export WAYLAND_DISPLAY=vistrel-bench VISTREL_WATCH_NESTED=1

native=(env QT_QPA_PLATFORM=wayland "$build/disc/vistrel" "$tmp/disc")
xwayland=(env QT_QPA_PLATFORM=xcb DISPLAY="$xwayland_display" "$build/disc/vistrel" "$tmp/disc")
reference=(gst-play-1.0 --no-interactive -q --videosink=waylandsink "$tmp/movie.avi")
names=(reference native xwayland)

# Each run starts on an output the last one's film has left (screenwatch allows 40 of 255 a channel).
film_gone() {
  local shown
  for _ in $(seq 50); do
    import -window root "$tmp/now.png"
    shown=$(convert "$tmp/now.png" -fuzz 16% -fill black +opaque "#$colour" -fill white \
      -opaque "#$colour" -format '%[fx:int(mean*w*h)]' info:)
    [ "${shown:-0}" -lt 1000 ] && return 0
    sleep 0.2
  done
}
first_frame() {
  film_gone
  "$watch" colour $colour 50000 20000 -- "$@" 2>/dev/null | awk '{print $1}'
}
# CPU seconds of the compositor and of XWayland together (XWayland starts with its first client).
server_cpu() {
  local pid total=0
  for pid in $weston_pid $(pgrep -x Xwayland || true); do
    total=$((total + $(awk '{print $14 + $15}' "/proc/$pid/stat")))
  done
  echo "$total"
}
run() {
  case $1 in native) "${@:2}" "${native[@]}" ;; xwayland) "${@:2}" "${xwayland[@]}" ;;
    reference) "${@:2}" "${reference[@]}" ;; esac
}

# One start of each first: XWayland, the plugin registry and the fonts are then as a session has them.
for name in "${names[@]}"; do run "$name" first_frame >/dev/null || true; sleep 1; done
for _ in $(seq "$runs"); do
  for name in "${names[@]}"; do
    echo "$(run "$name" first_frame)" >>"$tmp/first-$name"
    sleep 1
  done
done
ticks=$(getconf CLK_TCK)
for name in "${names[@]}"; do
  before=$(server_cpu)
  own=$(run "$name" "$watch" usage 1 10 -- 2>/dev/null | awk '{print $1}')
  after=$(server_cpu)
  echo "$own $(echo "($after - $before) / $ticks" | bc -l)" >"$tmp/cpu-$name"
  sleep 1
done

median() { sort -n | awk 'NF {a[++n]=$1} END {print (n % 2) ? a[(n+1)/2] : (a[n/2] + a[n/2+1]) / 2}'; }
ref_first=$(median <"$tmp/first-reference")
read -r ref_own ref_server <"$tmp/cpu-reference"
for name in "${names[@]}"; do
  first=$(median <"$tmp/first-$name")
  read -r own server <"$tmp/cpu-$name"
  printf '%-9s first video frame %5.0f ms (%.2f of the reference), CPU over 10 s %.2f s + %.2f s by the display servers (%.2f of the reference)\n' \
    "$name" "$first" "$(echo "$first / $ref_first" | bc -l)" "$own" "$server" \
    "$(echo "($own + $server) / ($ref_own + $ref_server)" | bc -l)"
done
echo "(medians of $runs runs each; targets: native <= 1.3 of the reference in both)"
