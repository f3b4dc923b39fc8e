#!/bin/sh
# Runs a Qt Test program under Wine (the command given) with its report written to a file, then
# shows the report: what Qt Test writes to standard output does not come through Wine.
report=$(mktemp)
"$@" -o "Z:$report,txt"
status=$?
cat "$report"
rm -f "$report"
exit "$status"
