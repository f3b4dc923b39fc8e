# shellcheck shell=bash
# The Windows program's part of a disc, as make-disc lays it out and the Windows tests run it:
# vistrel.exe at the root, a launcher that needs only Windows' own DLLs; the program's library
# with the Qt and FFmpeg DLLs, the Qt player and the Qt plugins in the hidden .vistrel/windows/;
# the licences of what the DLLs hold in .vistrel/licences/. Sourced.

# Copies the Windows program of the build folder $1 (build-windows/disc) onto the disc $2.
copy_windows_part() {
  local from=$1 out=$2
  cp "$from/vistrel.exe" "$out/"
  mkdir -p "$out/.vistrel/licences"
  cp -R "$from/.vistrel/windows" "$out/.vistrel/"
  local licence
  for licence in "$from"/.vistrel/licences/*; do
    [ -e "$licence" ] || continue
    cp "$licence" "$out/.vistrel/licences/windows-$(basename "$licence")"
  done
  # Without symbols: a viewer has no use for them (about a third of the size).
  if command -v x86_64-w64-mingw32-strip >/dev/null; then
    find "$out/vistrel.exe" "$out/.vistrel/windows" -type f \
      \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
  fi
}

# The Windows part's size in MB on the disc $1.
windows_part_size() {
  du -cm "$1/vistrel.exe" "$1/.vistrel/windows" | tail -n1 | cut -f1
}
