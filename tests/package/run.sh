#!/usr/bin/env bash
# The shipped forms of Vistrel on a Debian machine that has no Qt and no GStreamer, only what any
# desktop has: a disc made by scripts/make-disc, started through its autorun.sh from a read-only
# folder whose name has spaces and quotes, shows its window, plays the movie, switches language
# and passes --check; the Debian package installs with apt-get and its program starts on the
# sample disc. The minimal root is made once with debootstrap and kept in the build folder.
source "$(dirname "$0")/../e2e/lib.sh"
: "${VISTREL_BUILD_DIR:?run through ctest}" "${VISTREL_PROGRAM:?}" "${VISTREL_SOURCE_DIR:?}"
[ "$(id -u)" = 0 ] || fail "needs root, for debootstrap and chroot"

cache=$VISTREL_BUILD_DIR/package-roots
mirror=${VISTREL_DEBIAN_MIRROR:-http://deb.debian.org/debian}
# What every desktop has, and all the roots get: X11 client libraries, OpenGL, fonts and their
# configuration, the keyboard descriptions, and the sound client libraries.
desktop_packages=(libx11-6 libx11-xcb1 libxcb1 libxext6 libxrender1 libxfixes3 libgl1 libegl1
  libopengl0 libgl1-mesa-dri libfontconfig1 libfreetype6 fonts-dejavu-core xkb-data libasound2 libpulse0)

# The desktop root as a tar file: debootstrap's minimal Debian plus the packages above.
desktop_root() {
  local tar=$cache/desktop-root.tar root=$cache/making
  [ -f "$tar" ] && return 0
  rm -rf "$root"
  mkdir -p "$cache"
  echo "making the desktop root (once)"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
    { tail -n 20 "$cache/debootstrap.log"; fail "debootstrap failed"; }
  chroot "$root" apt-get install -y -q --no-install-recommends "${desktop_packages[@]}" \
    >"$cache/desktop.log" 2>&1 || { tail -n 20 "$cache/desktop.log"; fail "desktop packages"; }
  chroot "$root" apt-get clean
  mkdir -p "$root/home/viewer" "$root/media"
  chown 1000:1000 "$root/home/viewer"
  tar -C "$root" -cf "$tar.part" . && mv "$tar.part" "$tar"
  rm -rf "$root"
}

# A fresh copy of the desktop root, with /proc as on any running system (the loader finds a
# program's own folder through it).
mounted=()
unmount_all() {
  local point
  for point in "${mounted[@]}"; do umount -l "$point" 2>/dev/null || true; done
  e2e_cleanup
}
trap unmount_all EXIT
fresh_root() {
  umount -l "$1/proc" 2>/dev/null || true
  rm -rf "$1"
  mkdir -p "$1"
  tar -C "$1" -xf "$cache/desktop-root.tar"
  ! ls "$1"/usr/lib/*/libQt6Core.so* "$1"/usr/lib/*/libgstreamer-1.0.so* >/dev/null 2>&1 ||
    fail "the desktop root has Qt or GStreamer of its own"
  mount -t proc proc "$1/proc" || fail "cannot mount /proc in the root"
  mounted+=("$1/proc")
}

# The start of a command run in a root as an ordinary viewer (so a read-only folder is really
# read-only), with nothing of this machine's environment but the display. An array rather than a
# function, so that a command started in the background is the program itself and can be ended.
as_viewer() {
  viewer=(chroot --userspec=1000:1000 "$1" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/home/viewer
    DISPLAY="$DISPLAY" QT_LOGGING_RULES="vistrel.*=true")
}

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
pass "make-disc refuses a folder that is taken and a source that is no disc"

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
grep -E '^Bundle: ' "$E2E_TMP/make-disc.log"
[ -f "$disc/movie.avi" ] && [ -f "$disc/Skins/default/back.bmp" ] || fail "the author's files are missing"
cmp -s "$VISTREL_DISC_DIR/vistrel.ini" "$disc/vistrel.ini" || fail "vistrel.ini was changed"
grep -q '^open=vistrel.exe' "$disc/autorun.inf" || fail "no autorun.inf for Windows"
xorriso -indev "$E2E_TMP/disc.iso" -lsl /autorun.sh 2>/dev/null | grep -q '^-r-xr-xr-x' ||
  fail "the image lost autorun.sh's execute bits"
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

# --- The Debian package -----------------------------------------------------------------------
(cd "$VISTREL_BUILD_DIR" && cpack -G DEB -B "$E2E_TMP/deb" >"$E2E_TMP/cpack.log" 2>&1) ||
  { cat "$E2E_TMP/cpack.log"; fail "cpack failed"; }
deb=$(ls "$E2E_TMP"/deb/vistrel_*.deb)
lintian --fail-on error "$deb" >&2 || fail "lintian finds errors in the package"
root=$cache/deb-root
fresh_root "$root"
cp "$deb" "$root/tmp/"
# Downloaded packages are kept between runs.
mkdir -p "$cache/apt-archives" "$root/var/cache/apt/archives"
cp -n "$cache"/apt-archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
install_deb() {
  chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "/tmp/$(basename "$deb")"
}
{ install_deb || { chroot "$root" apt-get update -q && install_deb; }; } >"$E2E_TMP/apt.log" 2>&1 ||
  { tail -n 30 "$E2E_TMP/apt.log"; fail "the package did not install"; }
cp -n "$root"/var/cache/apt/archives/*.deb "$cache/apt-archives/" 2>/dev/null || true
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
