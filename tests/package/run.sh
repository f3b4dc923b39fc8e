#!/usr/bin/env bash
# The shipped forms of Vistrel on a Debian machine that has no Qt and no GStreamer, only what any
# desktop has: a disc made by scripts/make-disc, started through its autorun.sh from a read-only
# folder whose name has spaces and quotes, shows its window, plays the movie, switches language
# and passes --check (make-disc's own check passes it, and stops a disc with errors); the Debian
# package installs with apt-get and its program starts on the sample disc. The minimal root is
# made once with debootstrap and kept in the build folder.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"

# A listing of every file under a folder with its size and time, to see that nothing changed.
listing() { (cd "$1" && find . -printf '%p %s %T@ %m\n' | sort); }

# make-disc never writes into a folder that holds something, nor takes a folder for a disc that
# is none.
mkdir -p "$E2E_TMP/taken"
echo keep >"$E2E_TMP/taken/notes.txt"
! "$VISTREL_SOURCE_DIR/scripts/make-disc" --program "$VISTREL_PROGRAM" "$VISTREL_DISC_DIR" \
  "$E2E_TMP/taken" 2>/dev/null || fail "make-disc wrote into a folder that was not empty"
[ "$(ls -A "$E2E_TMP/taken")" = notes.txt ] || fail "make-disc changed a folder that was not empty"
! "$VISTREL_SOURCE_DIR/scripts/make-disc" --program "$VISTREL_PROGRAM" "$E2E_TMP/taken" \
  "$E2E_TMP/new" 2>/dev/null || fail "make-disc took a folder without vistrel.ini for a disc"

# A disc whose movie is an empty file: make-disc's check of the made disc finds the error, and
# make-disc says so, fails and makes no image.
mkdir -p "$E2E_TMP/faulty" && ln -s "$VISTREL_DISC_DIR"/* "$E2E_TMP/faulty/"
rm "$E2E_TMP/faulty/movie.avi" && : >"$E2E_TMP/faulty/movie.avi"
! "$VISTREL_SOURCE_DIR/scripts/make-disc" --program "$VISTREL_PROGRAM" --iso "$E2E_TMP/faulty.iso" \
  "$E2E_TMP/faulty" "$E2E_TMP/faulty-made" >"$E2E_TMP/faulty.log" 2>&1 && [ ! -e "$E2E_TMP/faulty.iso" ] &&
  grep -q '^make-disc: the made disc has 1 error; see above' "$E2E_TMP/faulty.log" ||
  { cat "$E2E_TMP/faulty.log"; fail "make-disc passed a faulty disc"; }
pass "make-disc refuses a folder that is taken, a source that is no disc and a disc with errors"

desktop_root
e2e_start
xsetroot -solid '#202020'

# --- The self-contained disc --------------------------------------------------------------------
root=$cache/disc-root
fresh_root "$root"
disc_inside="/media/Film's \"Best\" Disc"
disc=$root$disc_inside
"$VISTREL_SOURCE_DIR/scripts/make-disc" --program "$VISTREL_PROGRAM" --iso "$E2E_TMP/disc.iso" \
  --label "Vistrel Sample" "$VISTREL_DISC_DIR" "$disc" >"$E2E_TMP/make-disc.log" 2>&1 ||
  { cat "$E2E_TMP/make-disc.log"; fail "make-disc failed"; }
grep -E '^(Bundle|Check): ' "$E2E_TMP/make-disc.log"
grep -q '^Check: 0 errors' "$E2E_TMP/make-disc.log" || fail "make-disc did not check the disc"
[ -f "$disc/movie.avi" ] && [ -f "$disc/Skins/default/back.bmp" ] || fail "the author's files are missing"
cmp -s "$VISTREL_DISC_DIR/vistrel.ini" "$disc/vistrel.ini" || fail "vistrel.ini was changed"
if [ -f "$disc/vistrel.exe" ]; then
  grep -q '^open=vistrel.exe' "$disc/autorun.inf" || fail "no autorun.inf for Windows"
else
  [ ! -e "$disc/autorun.inf" ] || fail "autorun.inf names a Windows program the disc does not have"
fi
# Every bundled library's licence is on the disc; no library is on it that nothing reaches.
for library in "$disc"/.vistrel/lib/*.so*; do
  name=$(basename "$library")
  grep -q "lib/$name " "$E2E_TMP/make-disc.log" || fail "make-disc does not say why $name is on the disc"
done
[ -f "$disc/.vistrel/licences/ffmpeg-decoders" ] && [ -f "$disc/.vistrel/licences/libqt6core6" ] ||
  fail "the licences are not on the disc"
xorriso -indev "$E2E_TMP/disc.iso" -lsl /autorun.sh 2>/dev/null | grep -q '^-r-xr-xr-x' ||
  fail "the image lost autorun.sh's execute bits"
# At the image's root only .vistrel has the hidden attribute for Windows (its record's flags 03),
# in the ISO 9660 tree (read with its Rock Ridge names) and in the Joliet tree.
for tree in -R -J; do
  hidden=$(isoinfo "$tree" -l -i "$E2E_TMP/disc.iso" | sed -n '/^Directory listing of \/$/,/^$/s/.* 0[13]\]  \(.*\) $/\1/p')
  [ "$hidden" = .vistrel ] || fail "hidden at the image's root ($tree): ${hidden:-nothing}"
done
pass "make-disc wrote the disc and its image"

chmod -R a-w "$disc"
listing "$disc" >"$E2E_TMP/before"

# Started from another working folder, as a desktop would, through sh.
as_viewer "$root"
"${viewer[@]}" /bin/sh -c 'cd /tmp && exec sh "$1"' sh "$disc_inside/autorun.sh" >>"$E2E_LOG" 2>&1 &
disc_pid=$!
E2E_PIDS+=("$disc_pid")
wait_for_log 'window shown' 30
find_window
screenshot "$E2E_TMP/window.png"
# The skin's background, not the dark root, inside the window; the root outside its outline.
[ "$(window_pixel "$E2E_TMP/window.png" 600 200)" != "32,32,32" ] || fail "the window shows no skin"
[ "$(window_pixel "$E2E_TMP/window.png" 0 431)" = "32,32,32" ] || fail "the window is not shaped"
pass "the disc's window shows, skinned and shaped"

wait_for_log 'open: .*movie.avi error: 0' 20
wait_for_log 'vistrel.media: play$' 10
sleep 1.5
screenshot "$E2E_TMP/movie-a.png"
sleep 1
screenshot "$E2E_TMP/movie-b.png"
moving=$(region_difference "$E2E_TMP/movie-a.png" "$E2E_TMP/movie-b.png" 60 60 400 280)
[ "${moving%.*}" -gt 200 ] || fail "the movie does not move (difference $moving)"
pass "the bundled media framework plays the movie (difference ${moving%.*})"

click_at 8 8
wait_for_log 'menu: open' 5
sleep 0.5
for key in Down Right Down Return; do xdotool key "$key"; sleep 0.25; done
wait_for_log 'language: german' 10
pass "the language menu switches to german"

# The disc names an installer for each system; Linux starts its own, the .sh (it says so).
click_at 613 182
wait_for_log 'would now install the Vistrel Sample Player' 10
grep -q 'install-player\.sh' "$E2E_LOG" || fail "the player installer was not the Linux one"
pass "btnInstallPlayer starts the disc's Linux installer"

"${viewer[@]}" "$disc_inside/autorun.sh" --check >"$E2E_TMP/check.log" 2>&1 ||
  { cat "$E2E_TMP/check.log"; fail "--check failed on the sample disc"; }
pass "autorun.sh --check passes: $(tail -n1 "$E2E_TMP/check.log")"

kill "$disc_pid" 2>/dev/null || true
wait_for_exit "$disc_pid" 10
listing "$disc" >"$E2E_TMP/after"
diff "$E2E_TMP/before" "$E2E_TMP/after" >&2 || fail "something was written to the disc"
ls "$root/home/viewer/.cache/vistrel/"gstreamer-registry-*.bin >/dev/null 2>&1 ||
  fail "GStreamer's registry is not in the viewer's cache"
pass "nothing was written to the disc; the registry went to the viewer's cache"

# The same disc on a Wayland session with no X server: weston's headless output, its socket in
# the root's /tmp where the viewer's program reaches it.
runtime=$root/tmp/wayland
mkdir -p "$runtime" && chown 1000:1000 "$runtime" && chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --idle-time=0 \
  --socket=wayland-0 >"$E2E_TMP/weston.log" 2>&1 &
E2E_PIDS+=($!)
for _ in $(seq 100); do [ -S "$runtime/wayland-0" ] && break; sleep 0.1; done
[ -S "$runtime/wayland-0" ] || fail "weston did not start: $(tail -n5 "$E2E_TMP/weston.log")"
chown 1000:1000 "$runtime/wayland-0"
: >"$E2E_LOG"
chroot --userspec=1000:1000 "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/home/viewer \
  XDG_RUNTIME_DIR=/tmp/wayland WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland \
  QT_LOGGING_RULES="vistrel.*=true" sh "$disc_inside/autorun.sh" >>"$E2E_LOG" 2>&1 &
E2E_PIDS+=($!)
wait_for_log 'window shown' 30
wait_for_log 'video sink: drawn by the window' 20
wait_for_log 'vistrel.media: play$' 10
pass "on a Wayland session without X the disc's window shows natively and draws the movie"

# --- The Debian package -----------------------------------------------------------------------
root=$cache/deb-root
install_package_root "$root"
lintian --fail-on error "$deb" >&2 || fail "lintian finds errors in the package"
[ -x "$root/usr/bin/vistrel" ] && [ -f "$root/usr/share/applications/vistrel.desktop" ] ||
  fail "the package did not install the program and its desktop entry"
pass "the package installs with apt-get"

cp -r "$VISTREL_DISC_DIR" "$root/media/disc"
rm -f "$root/media/disc/vistrel"
: >"$E2E_LOG"
as_viewer "$root"
"${viewer[@]}" vistrel /media/disc >>"$E2E_LOG" 2>&1 &
E2E_PIDS+=($!)
wait_for_log 'window shown' 30
wait_for_log 'vistrel.media: play$' 20
find_window
pass "the installed program starts on the sample disc and plays its movie"
"${viewer[@]}" vistrel --check /media/disc >"$E2E_TMP/check.log" 2>&1 ||
  { cat "$E2E_TMP/check.log"; fail "the installed program's --check failed"; }
pass "the installed program's --check passes"
