# shellcheck shell=bash
# Whether a library may go on a disc that a disc author hands out with programs of their own:
# the licence of a Debian package's copyright file, read the way Debian writes it (the
# machine-readable format's "Files: *" paragraph, else the text itself). Sourced.

# Prints why the package whose copyright file is $1 may not be redistributed on such a disc,
# and nothing when it may: a licence of the GPL family without a lesser or permissive choice
# beside it (it would bind the author's own programs), or anything marked non-free.
licence_refusal() {
  local file=$1 licence
  [ -r "$file" ] || { echo "it has no copyright file"; return; }
  if grep -qi -E '^License:.*(non-?free|proprietary)' "$file"; then
    echo "part of it is not free software"
    return
  fi
  if grep -q '^Format: .*copyright-format' "$file"; then
    licence=$(awk '
      /^Files:[ \t]*\*[ \t]*$/ { inside = 1; next }
      inside && /^License:/ { sub(/^License:[ \t]*/, ""); print; exit }
      /^[ \t]*$/ { inside = 0 }' "$file")
  else
    # The older free-form files: the GPL named without the lesser one is the GPL.
    if grep -qi -E 'GNU (Lesser|Library) General Public' "$file"; then
      licence=LGPL
    elif grep -qi -E 'GNU General Public License' "$file"; then
      licence=GPL
    else
      licence=other
    fi
  fi
  [ -n "$licence" ] || licence=unknown
  # "GPL-2+", "GPL-2 with font exception", but not "LGPL-2.1+" nor "GPL-2+ or LGPL-3+" nor
  # "BSD-3-clause or GPL-2".
  if grep -q -E '(^|[^L])GPL' <<<"$licence" && ! grep -q -E ' or ' <<<"$licence"; then
    echo "its licence is $licence"
  fi
}
