# shellcheck shell=bash
# The Debian archive this machine already uses, for the scripts that need more of it: source
# packages (apt-get source) and a minimal root (debootstrap). Sourced; $sudo is "" or "sudo".

# Adds deb-src entries for the archive the machine's own sources name, unless the source package
# $1 is already known.
add_deb_src() {
  apt-cache showsrc "$1" 2>/dev/null | grep -q "^Package: $1\$" && return
  local file=/etc/apt/sources.list.d/debian.sources
  if [ -f "$file" ]; then
    sed -e 's/^Types:.*/Types: deb-src/' "$file" |
      ${sudo:-} tee /etc/apt/sources.list.d/vistrel-deb-src.sources >/dev/null
  else
    grep -h '^deb .*debian' /etc/apt/sources.list 2>/dev/null | sed 's/^deb /deb-src /' |
      ${sudo:-} tee /etc/apt/sources.list.d/vistrel-deb-src.list >/dev/null
  fi
  ${sudo:-} apt-get update -qq
}

# The first archive address the machine's sources give for Debian's main suite $1 (deb822
# .sources files or one-line lists); nothing when they name none.
debian_mirror() {
  local suite=$1
  {
    awk -v suite="$suite" '
      function stanza_ends() {
        if (!found && types ~ /(^| )deb( |$)/ && suites ~ "(^| )" suite "( |$)") { print uris; found = 1 }
        types = suites = uris = ""
      }
      FNR == 1 { stanza_ends() }
      /^[ \t]*$/ { stanza_ends(); next }
      /^Types:/ { sub(/^Types:[ \t]*/, ""); types = $0 }
      /^Suites:/ { sub(/^Suites:[ \t]*/, ""); suites = $0 }
      /^URIs:/ { sub(/^URIs:[ \t]*/, ""); split($0, u, " "); uris = u[1] }
      END { stanza_ends() }
    ' /etc/apt/sources.list.d/*.sources 2>/dev/null || true
    awk -v suite="$suite" '$1 == "deb" && $0 !~ /\[/ && $3 == suite { print $2 }
      $1 == "deb" && $2 ~ /^\[/ && $4 == suite { print $3 }' /etc/apt/sources.list 2>/dev/null ||
      true
  } | head -n1
}
