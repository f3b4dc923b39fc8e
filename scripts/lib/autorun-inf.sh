# shellcheck shell=bash
# autorun.inf as Windows reads it: in the system's ANSI code page, unless it begins with UTF-16's
# byte-order mark. Plain ASCII reads the same in every code page, so such a file stays plain;
# anything else is written as UTF-16 (little-endian, FF FE first), which every Windows reads
# alike. Sourced by make-disc and the Windows tests.

# Writes the file $1 that starts the program $2 (a path on the disc) under the label $3, both
# UTF-8 text; its lines end in CR LF. Fails when they are not UTF-8.
write_autorun_inf() {
  local file=$1 program=$2 label
  # A line break or another control character would end the label's line early.
  label=$(printf '%s' "$3" | tr -d '\000-\037\177')
  if LC_ALL=C grep -q '[^ -~]' <<<"$program$label"; then
    { printf '\xff\xfe' && autorun_lines "$program" "$label" | iconv -f UTF-8 -t UTF-16LE; } \
      >"$file" 2>/dev/null || { rm -f "$file"; return 1; }
  else
    autorun_lines "$program" "$label" >"$file"
  fi
}

autorun_lines() {
  printf '[autorun]\r\nopen=%s\r\nicon=%s\r\nlabel=%s\r\n' "$1" "$1" "$2"
}
