#!/usr/bin/env bash
# make-disc's licence rule: which Debian copyright files let a library go on a disc that carries
# the author's own programs too. Written DEP-5 files, an old free-form one, and the machine's own.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/licences.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0

dep5() { printf 'Format: (the machine-readable copyright-format 1.0)\n\nFiles: *\nCopyright: someone\nLicense: %s\n\nFiles: debian/*\nLicense: %s\n' "$1" "${2:-GPL-2+}"; }
expect() {
  local verdict=$1 name=$2 file=$3 reason
  reason=$(licence_refusal "$file")
  if { [ "$verdict" = refused ] && [ -z "$reason" ]; } || { [ "$verdict" = allowed ] && [ -n "$reason" ]; }; then
    echo "FAIL: $name: expected $verdict, got '${reason:-allowed}'"
    failed=1
  else
    echo "ok: $name: ${reason:-allowed}"
  fi
}

dep5 LGPL-2.1+ >"$tmp/lgpl"; expect allowed "LGPL, a GPL packaging paragraph beside it" "$tmp/lgpl"
dep5 GPL-2+ >"$tmp/gpl"; expect refused "GPL for the files" "$tmp/gpl"
dep5 "GPL-3+ with Bison exception" >"$tmp/gpl-exc"; expect refused "GPL with an exception" "$tmp/gpl-exc"
dep5 "LGPL-3+ or GPL-2+" >"$tmp/dual"; expect allowed "LGPL or GPL" "$tmp/dual"
dep5 "BSD-3-clause or GPL-2" >"$tmp/bsd-or"; expect allowed "BSD or GPL" "$tmp/bsd-or"
dep5 Expat non-free >"$tmp/nonfree"; expect refused "a non-free part" "$tmp/nonfree"
printf 'This library is under the GNU General Public License, version 2.\n' >"$tmp/old-gpl"
expect refused "free-form GPL" "$tmp/old-gpl"
printf 'This library is under the GNU Lesser General Public License.\n' >"$tmp/old-lgpl"
expect allowed "free-form LGPL" "$tmp/old-lgpl"
expect refused "no copyright file" "$tmp/none"
[ ! -f /usr/share/doc/libqt6core6/copyright ] ||
  expect allowed "Debian's Qt Core" /usr/share/doc/libqt6core6/copyright
[ ! -f /usr/share/doc/bash/copyright ] || expect refused "Debian's bash" /usr/share/doc/bash/copyright
exit "$failed"
