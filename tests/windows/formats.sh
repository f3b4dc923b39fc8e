#!/usr/bin/env bash
# The format table, played by vistrel.exe under Wine with nothing but what a made disc holds: the
# Windows part that make-disc lays out (the program, its DLLs with FFmpeg's, its plugins) on a
# copy of the sample disc, and a short file of each kind (made with the system's ffmpeg) as its
# movie or music. Each must open without error and play: for video the picture changes, for music
# the position moves. The bad files, and a disc whose FFmpeg DLLs were deleted, each get the
# program's message once and the window stays; nothing is written to a disc.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/wine-lib.sh"
source "$(dirname "$0")/../e2e/format-table.sh"
source "$VISTREL_SOURCE_DIR/scripts/lib/windows-part.sh"
# Wine's start takes longer than a program's.
FORMATS_START_SECONDS=90

media=$E2E_TMP/media
make_format_files "$media"
pass "ffmpeg made $((${#video_formats[@]} + ${#music_formats[@]})) files"

# The made disc: the sample disc's own files, and the Windows part as make-disc copies it.
made=$E2E_TMP/made
mkdir -p "$made"
(cd "$VISTREL_DISC_DIR" && find . -mindepth 1 -maxdepth 1 ! -name '*.exe' ! -name '*.dll' \
  ! -name qt.conf ! -name .vistrel ! -name movie.avi ! -name vistrel.ini -exec cp -R {} "$made/" \;)
copy_windows_part "$VISTREL_DISC_DIR" "$made"

# A copy of the made disc (its files linked) whose configuration plays $2 as $1 (movie or music),
# named $3 (by default the file's name).
disc_for() {
  local kind=$1 file=$2 copy=$E2E_TMP/discs/${3:-$2}
  mkdir -p "$copy"
  cp -al "$made/." "$copy/"
  cp "$media/$file" "$copy/"
  if [ "$kind" = movie ]; then
    sed "s|^Movie=.*|Movie=$file|" "$VISTREL_DISC_DIR/vistrel.ini" >"$copy/vistrel.ini"
  else
    sed -e '/^Movie=/d' -e "s|^\[Main\]|[Main]\nMusic=$file|" "$VISTREL_DISC_DIR/vistrel.ini" \
      >"$copy/vistrel.ini"
  fi
  echo "$copy"
}

# Starts the program on the disc $1; the disc it ran on before must be as it was.
started_on=""
start_on() {
  wine_stop
  disc_unchanged
  : >"$E2E_LOG"
  touch "$E2E_TMP/started"
  started_on=$1
  e2e_run "$1"
}
disc_unchanged() {
  [ -z "$started_on" ] && return 0
  local changed
  changed=$(find "$started_on" -newer "$E2E_TMP/started" | head -n 3)
  [ -z "$changed" ] || fail "the program wrote to the disc: $changed"
}

e2e_start
wine_start

for entry in "${video_formats[@]}"; do
  IFS='|' read -r name file _ <<<"$entry"
  start_on "$(disc_for movie "$file")"
  plays "$name" "$file"
  moving=$(picture_changes "$name")
  pass "$name ($file) plays, its picture changes (difference $moving)"
done

for entry in "${music_formats[@]}"; do
  IFS='|' read -r name file _ <<<"$entry"
  start_on "$(disc_for music "$file")"
  plays "$name" "$file"
  moved=$(position_moves "$name")
  pass "$name ($file) plays, its position moves ($moved)"
done

# A disc whose FFmpeg DLLs were deleted: no backend of Qt Multimedia loads.
no_ffmpeg=$(disc_for movie h264.mp4 without-ffmpeg)
rm "$no_ffmpeg"/.vistrel/windows/av*.dll "$no_ffmpeg"/.vistrel/windows/sw*.dll
for file in "${bad_formats[@]}" without-ffmpeg; do
  disc=$no_ffmpeg
  [ "$file" = without-ffmpeg ] || disc=$(disc_for movie "$file")
  start_on "$disc"
  wait_for_log 'window shown' 90
  wait_for_log 'message: ' 30
  sleep 2
  [ "$(log_count 'message: ')" = 1 ] || fail "$file: not one message ($(grep 'message: ' "$E2E_LOG"))"
  xdotool key Return
  sleep 0.5
  find_window
  kill -0 "$E2E_LAST_PID" 2>/dev/null || fail "$file: the program ended"
  pass "$file gets the program's message once, and the window stays"
done
wine_stop
disc_unchanged
pass "nothing was written to the discs"
