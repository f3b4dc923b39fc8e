#!/usr/bin/env bash
# The format table, played by vistrel.exe under Wine with nothing but what a made disc holds: the
# Windows part that make-disc lays out (the program, its DLLs with FFmpeg's, its plugins) on a
# copy of the sample disc, and a short file of each kind (made with the system's ffmpeg) as its
# movie. Each must open without error and play (for video the picture changes, for music the
# position moves), Forward must take it to its end at its length, Back and Play to its start. The
# bad files, and a disc whose FFmpeg DLLs were deleted, each get the program's message once and
# the window stays; nothing is written to a disc.
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

# A copy of the made disc (its files linked) whose movie is $1, named $2 (by default the file's).
disc_for() {
  local file=$1 copy=$E2E_TMP/discs/${2:-$1}
  mkdir -p "$copy"
  cp -al "$made/." "$copy/"
  cp "$media/$file" "$copy/"
  sed "s|^Movie=.*|Movie=$file|" "$VISTREL_DISC_DIR/vistrel.ini" >"$copy/vistrel.ini"
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

# Forward takes the playing film $2 to its end, at the length it reported on opening (the table's
# files last 6 s, not 0); Back and Play start it over. Prints where.
to_the_end_and_back() {
  local length reported
  length=$(sed -n "s/.*open: .*$2 error: 0 duration: \([0-9.]*\)$/\1/p" "$E2E_LOG" |
    awk '{ printf "%d", $1 * 1000 + 0.5 }')
  [ "${length:-0}" -gt 5000 ] || fail "$1: its length is ${length:-0} ms"
  find_window
  click_at 117 413
  wait_for_log "position: $length ms" 5
  wait_for_log "at the end: $length ms" 10
  click_at 29 413
  reported=$(log_count 'playing at')
  click_at 52 413
  wait_for_count 'playing at' $((reported + 1)) 5
  [ "$(last_position)" -lt 4000 ] || fail "$1: Back and Play did not start over ($(last_position) ms)"
  echo "Forward: at the end at $length ms; Back and Play: at $(last_position) ms"
}

e2e_start
wine_start

# Every file as the disc's movie: Forward and Back move music only there (with music proper they
# step the pictures).
for entry in "${video_formats[@]/%/|video}" "${music_formats[@]/%/|music}"; do
  IFS='|' read -r name file _ kind <<<"$entry"
  start_on "$(disc_for "$file")"
  plays "$name" "$file"
  if [ "$kind" = video ]; then
    seen="its picture changes (difference $(picture_changes "$name"))"
  else
    seen="its position moves ($(position_moves "$name"))"
  fi
  moved=$(to_the_end_and_back "$name" "$file")
  pass "$name ($file) plays, $seen; $moved"
done

# A disc whose FFmpeg DLLs were deleted: no backend of Qt Multimedia loads.
no_ffmpeg=$(disc_for h264.mp4 without-ffmpeg)
rm "$no_ffmpeg"/.vistrel/windows/av*.dll "$no_ffmpeg"/.vistrel/windows/sw*.dll
for entry in "${bad_formats[@]}" "without-ffmpeg|$cannot_play"; do
  IFS='|' read -r file said <<<"$entry"
  disc=$no_ffmpeg
  [ "$file" = without-ffmpeg ] || disc=$(disc_for "$file")
  start_on "$disc"
  wait_for_log 'window shown' 90
  wait_for_log 'message: ' 30
  sleep 2
  [ "$(log_count 'message: ')" = 1 ] || fail "$file: not one message ($(grep 'message: ' "$E2E_LOG"))"
  grep -qE "message: .*$said" "$E2E_LOG" || fail "$file: not told it $said ($(grep 'message: ' "$E2E_LOG"))"
  xdotool key Return
  sleep 0.5
  find_window
  kill -0 "$E2E_LAST_PID" 2>/dev/null || fail "$file: the program ended"
  pass "$file: told once it $said, and the window stays"
done

# One vistrel.ini names an installer for each system: Windows starts its own, the .cmd.
installers=$(disc_for h264.mp4 installers)
ran=$E2E_TMP/installer-ran
rm "$installers"/Setup/install-player.*
printf '@echo off\r\necho windows>"Z:%s"\r\n' "${ran//\//\\}" >"$installers/Setup/install-player.cmd"
printf '#!/bin/sh\necho linux >"%s"\n' "$ran" >"$installers/Setup/install-player.sh"
chmod +x "$installers/Setup/install-player.sh"
start_on "$installers"
wait_for_log 'window shown' 90
find_window
click_at 613 182
for _ in $(seq 300); do [ -s "$ran" ] && break; sleep 0.1; done
[ "$(tr -d '\r ' <"$ran" 2>/dev/null)" = windows ] || fail "the player installer did not run as Windows'"
pass "btnInstallPlayer starts the disc's Windows installer"
wine_stop
disc_unchanged
pass "nothing was written to the discs"
