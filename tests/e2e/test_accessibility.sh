#!/usr/bin/env bash
# What a screen reader finds over AT-SPI, on a private session bus with the accessibility
# registry: the window named by its title, every offered button a push button named by its
# tooltip, the video, picture and document named; the names in the other language right after
# it is chosen; and a button pressed through its accessible action does what a click does.
source "$(dirname "$0")/lib.sh"
atspi() { /usr/bin/python3 "$(dirname "$0")/atspi.py" "$@"; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || fail "at-spi2-core is not installed"
e2e_start

# A session bus of our own, and the accessibility bus with its registry on it.
dbus-daemon --session --nofork --print-address=3 3>"$E2E_TMP/bus" >/dev/null 2>&1 &
E2E_PIDS+=($!)
for _ in $(seq 50); do [ -s "$E2E_TMP/bus" ] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_TMP/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
E2E_PIDS+=($!)
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

e2e_run
wait_for_log 'window shown' 30
find_window
wait_for_log 'vistrel.media: play$' 20
sleep 1

tree=$E2E_TMP/tree-english.txt
atspi tree >"$tree" || fail "the accessible tree could not be read"
cat "$tree"
has() { grep -qxE -- " *$2" "$1" || fail "no '$2' in the accessible tree"; }
has "$tree" 'frame\|Vistrel\|enabled\|showing'
for name in 'Install the codec \(needed to show the video\)' 'Install the video player \(recommended\)' \
  'More information\.\.\.' 'More content on this disc\.\.\.' 'Close Vistrel' 'Back' 'Play' 'Pause' \
  'Stop' 'Forward' 'Menu' 'Minimise' 'Full screen' 'Close'; do
  has "$tree" "push button\|$name\|enabled\|showing"
done
has "$tree" '[a-z ]+\|Picture\|.*'
has "$tree" '[a-z ]+\|Information\|.*'
has "$tree" '[a-z ]+\|Video\|.*'
pass "the tree names the window, every button, the video, the picture and the document"

atspi press 'More information...' || fail "btnInfo has no press action"
wait_for_log 'accessible press on btnInfo' 10
wait_for_log 'document: ' 10
xdotool key Escape
wait_for_log 'info closed' 5
pass "btnInfo pressed through its accessible action shows the document"


# The other language, chosen from the menu opened by Shift+F10 on its first entry.
xdotool key shift+F10
wait_for_log 'menu: open' 10
sleep 0.5
# Into the language list.
xdotool key Right
sleep 0.5
# english and german, in that order: the second one.
xdotool key Down
sleep 0.3
xdotool key Return
wait_for_log 'language: german' 10
sleep 0.5
tree=$E2E_TMP/tree-german.txt
atspi tree >"$tree" || fail "the accessible tree could not be read after the switch"
has "$tree" 'push button\|Weitere Informationen\.\.\.\|enabled\|showing'
has "$tree" 'push button\|Vistrel schließen\|enabled\|showing'
grep -q 'push button|More information' "$tree" && fail "an English name is left after the switch"
pass "the names follow the language at once"

