#!/usr/bin/env bash
# The format table, played for real on a minimal Debian root that has no GStreamer of its own:
# a short file of each kind is made with the system's ffmpeg, put on a copy of the sample disc as
# its movie (or its music), and the program must open it without error and play it, and for video
# show a picture that changes. Usage: formats.sh disc (the disc made by scripts/make-disc,
# started through its autorun.sh) or formats.sh installed (the Debian package, installed with
# its recommendations).
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
mode=${1:?disc or installed}

source "$(dirname "$0")/../e2e/format-table.sh"

media=$E2E_TMP/media
make_format_files "$media"
pass "ffmpeg made $((${#video_formats[@]} + ${#music_formats[@]})) files"

desktop_root
e2e_start
xsetroot -solid '#202020'

# The root, and in it the disc the copies are made from: the made disc or the sample disc.
case $mode in
  disc)
    root=$cache/formats-disc-root
    fresh_root "$root"
    "$VISTREL_SOURCE_DIR/scripts/make-disc" --program "$VISTREL_PROGRAM" "$VISTREL_DISC_DIR" \
      "$root/media/made" >"$E2E_TMP/make-disc.log" 2>&1 ||
      { cat "$E2E_TMP/make-disc.log"; fail "make-disc failed"; }
    base=$root/media/made ;;
  installed)
    root=$cache/formats-deb-root
    install_package_root "$root"
    base=$root/media/sample
    cp -r "$VISTREL_DISC_DIR" "$base"
    rm -f "$base"/vistrel "$base"/vistrel-codectest "$base"/libvistrel-media-*.so ;;
  *) fail "mode is disc or installed" ;;
esac
as_viewer "$root"

# A copy of the disc (the bundle linked, not copied) whose configuration plays $2 as $1.
disc_for() {
  local kind=$1 file=$2 copy=$root/media/$file.disc
  mkdir -p "$copy"
  (cd "$base" && find . -mindepth 1 -maxdepth 1 ! -name vistrel.ini ! -name movie.avi \
    -exec cp -al {} "$copy/" \;)
  cp "$media/$file" "$copy/"
  if [ "$kind" = movie ]; then
    sed "s|^Movie=.*|Movie=$file|" "$base/vistrel.ini" >"$copy/vistrel.ini"
  else
    sed -e '/^Movie=/d' -e "s|^\[Main\]|[Main]\nMusic=$file|" "$base/vistrel.ini" >"$copy/vistrel.ini"
  fi
  chmod -R a-w "$copy"
  echo "${copy#"$root"}"
}

# Starts the program on a disc inside the root, in the background; sets pid.
start_on() {
  : >"$E2E_LOG"
  if [ "$mode" = disc ]; then
    "${viewer[@]}" /bin/sh "$1/autorun.sh" >>"$E2E_LOG" 2>&1 &
  else
    "${viewer[@]}" vistrel "$1" >>"$E2E_LOG" 2>&1 &
  fi
  pid=$!
  E2E_PIDS+=("$pid")
}
stop_it() {
  kill "$pid" 2>/dev/null || true
  wait_for_exit "$pid" 10
}

for entry in "${video_formats[@]}"; do
  IFS='|' read -r name file _ <<<"$entry"
  start_on "$(disc_for movie "$file")"
  plays "$name" "$file"
  moving=$(picture_changes "$name")
  stop_it
  pass "$mode: $name ($file) plays, its picture changes (difference $moving)"
done
for entry in "${music_formats[@]}"; do
  IFS='|' read -r name file _ <<<"$entry"
  start_on "$(disc_for music "$file")"
  plays "$name" "$file"
  stop_it
  pass "$mode: $name ($file) plays"
done

# GStreamer now and then neither prerolls nor refuses the cut file: the open wait and then the
# watchdog's bound on a start give it up, some 18 s on.
for entry in "${bad_formats[@]}"; do
  IFS='|' read -r file said <<<"$entry"
  start_on "$(disc_for movie "$file")"
  wait_for_log 'window shown' 30
  wait_for_log 'message: ' 30
  sleep 2
  [ "$(log_count 'message: ')" = 1 ] || fail "$file: not one message ($(grep 'message: ' "$E2E_LOG"))"
  grep -qE "message: .*$said" "$E2E_LOG" || fail "$file: not told it $said ($(grep 'message: ' "$E2E_LOG"))"
  xdotool key Return
  sleep 0.5
  find_window
  kill -0 "$pid" 2>/dev/null || fail "$file: the program ended"
  stop_it
  pass "$mode: $file is told once it $said, and the window stays"
done
