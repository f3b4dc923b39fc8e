# shellcheck shell=bash
# The Windows program's part of a disc, as make-disc lays it out and the Windows tests run it:
# vistrel.exe at the root with its DLLs beside it (Windows finds DLLs only there) and qt.conf,
# the Qt plugins out of sight in .vistrel/windows-plugins/, the licences of what the DLLs hold in
# .vistrel/licences/. Sourced.

# Copies the Windows program of the build folder $1 (build-windows/disc) onto the disc $2.
copy_windows_part() {
  local from=$1 out=$2
  cp "$from/vistrel.exe" "$from/qt.conf" "$from"/*.dll "$out/"
  mkdir -p "$out/.vistrel/licences"
  cp -R "$from/.vistrel/windows-plugins" "$out/.vistrel/"
  local licence
  for licence in "$from"/.vistrel/licences/*; do
    [ -e "$licence" ] || continue
    cp "$licence" "$out/.vistrel/licences/windows-$(basename "$licence")"
  done
  # Without symbols: a viewer has no use for them (about a third of the size).
  if command -v x86_64-w64-mingw32-strip >/dev/null; then
    find "$out/vistrel.exe" "$out"/*.dll "$out/.vistrel/windows-plugins" -type f \
      \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
  fi
}

# The Windows part's size in MB on the disc $1.
windows_part_size() {
  du -cm "$1/vistrel.exe" "$1"/*.dll "$1/.vistrel/windows-plugins" | tail -n1 | cut -f1
}
