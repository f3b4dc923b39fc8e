#!/usr/bin/env bash
# autorun.inf as make-disc writes it, one folder per label of the table below with the label that
# Windows must read beside it (label.txt, UTF-8), for tst_profileoracle to read back as Windows
# does. A plain ASCII label leaves a plain file; any other is written as UTF-16 with its mark.
# Usage: autorun-inf.sh FOLDER
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/autorun-inf.sh"
out=${1:?folder}
rm -rf "$out"
n=0
# The label given, the label read, the file's first two bytes.
while IFS='|' read -r given read first; do
  n=$((n + 1))
  mkdir -p "$out/$n"
  write_autorun_inf "$out/$n/autorun.inf" vistrel.exe "$(printf '%b' "$given")"
  printf '%s' "$read" >"$out/$n/label.txt"
  bytes=$(head -c2 "$out/$n/autorun.inf" | od -An -tx1 | tr -d ' ')
  [ "$bytes" = "$first" ] || { echo "FAIL: '$given' begins with $bytes, not $first"; exit 1; }
done <<'EOF'
My Film (2024)|My Film (2024)|5b61
Leçons d'été|Leçons d'été|fffe
Ελληνικά 日本語 🎬|Ελληνικά 日本語 🎬|fffe
Two\nlines\r\tand a tab|Twolinesand a tab|5b61
EOF
echo "ok: $n autorun.inf files written"
