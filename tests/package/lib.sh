# Shared helpers of the package tests: a minimal Debian root with only what any desktop has
# (made once with debootstrap, kept in the build folder), fresh copies of it, the program run in
# one as an ordinary viewer, and the Debian package installed in one. Source it after
# tests/e2e/lib.sh.
: "${VISTREL_BUILD_DIR:?run through ctest}" "${VISTREL_PROGRAM:?}" "${VISTREL_SOURCE_DIR:?}"
[ "$(id -u)" = 0 ] || fail "needs root, for debootstrap and chroot"
# shellcheck source=../../scripts/lib/debian-sources.sh
source "$VISTREL_SOURCE_DIR/scripts/lib/debian-sources.sh"

cache=$VISTREL_BUILD_DIR/package-roots
# The archive this machine's own apt sources name, unless VISTREL_DEBIAN_MIRROR names another;
# with neither, debootstrap's own default.
mirror=${VISTREL_DEBIAN_MIRROR:-$(debian_mirror bookworm)}
# What every desktop has, and all the roots get: X11's and Wayland's client libraries, OpenGL,
# fonts and their configuration, the keyboard descriptions, the sound client libraries and D-Bus's.
desktop_packages=(libx11-6 libx11-xcb1 libxcb1 libxext6 libxrender1 libxfixes3 libwayland-client0 libgl1 libegl1
  libopengl0 libgl1-mesa-dri libfontconfig1 libfreetype6 fonts-dejavu-core xkb-data libasound2 libpulse0
  libdbus-1-3)

# The desktop root as a tar file: debootstrap's minimal Debian plus the packages above (a new
# list makes a new root).
desktop_tar=$cache/desktop-root-$(echo "${desktop_packages[*]}" | sha256sum | cut -c1-8).tar
desktop_root() {
  local tar=$desktop_tar root=$cache/making
  [ -f "$tar" ] && return 0
  rm -rf "$root"
  mkdir -p "$cache"
  echo "making the desktop root (once)"
  # shellcheck disable=SC2086
  debootstrap --variant=minbase bookworm "$root" $mirror >"$cache/debootstrap.log" 2>&1 ||
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
  tar -C "$1" -xf "$desktop_tar"
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

# Makes the Debian package with cpack (into $E2E_TMP/deb; sets deb) and installs it with
# apt-get, its recommendations too, in a fresh root $1. Downloaded packages are kept between runs.
install_package_root() {
  local root=$1
  (cd "$VISTREL_BUILD_DIR" && cpack -G DEB -B "$E2E_TMP/deb" >"$E2E_TMP/cpack.log" 2>&1) ||
    { cat "$E2E_TMP/cpack.log"; fail "cpack failed"; }
  deb=$(ls "$E2E_TMP"/deb/vistrel_*.deb)
  fresh_root "$root"
  cp "$deb" "$root/tmp/"
  mkdir -p "$cache/apt-archives" "$root/var/cache/apt/archives"
  cp -n "$cache"/apt-archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
  install_deb() {
    chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "/tmp/$(basename "$deb")"
  }
  { install_deb || { chroot "$root" apt-get update -q && install_deb; }; } >"$E2E_TMP/apt.log" 2>&1 ||
    { tail -n 30 "$E2E_TMP/apt.log"; fail "the package did not install"; }
  cp -n "$root"/var/cache/apt/archives/*.deb "$cache/apt-archives/" 2>/dev/null || true
}
