#!/usr/bin/env bash
# The disc actions on the real program: btnInfo shows the information document in place of the
# movie, a second click brings the media back, and Stop then leaves the logo; a document that
# references a web server makes no connection; its links to a file of the disc and to nothing;
# btnExplore opens the disc's folder; the installers start.
source "$(dirname "$0")/lib.sh"
e2e_start

# Window coordinates: a point on the document's own background (right of its picture, inside
# the video area), and the centres of the action buttons.
PAGE_X=480 PAGE_Y=150
PAGE_BACKGROUND="244,246,250"
INFO="613 222" EXPLORE="613 358" CODEC="613 142" PLAYER="613 182" PLAY="51 413" STOP="95 413"

# The desktop's folder opener: a stand-in that notes the folder, or fails as one does on a
# desktop without a file manager once told to.
mkdir -p "$E2E_TMP/bin"
cat >"$E2E_TMP/bin/xdg-open" <<'EOF'
#!/bin/sh
if [ -e "$0.fail" ]; then echo "xdg-open: no method available for opening '$1'" >&2; exit 3; fi
echo "$1" >>"$0.opened"
EOF
chmod +x "$E2E_TMP/bin/xdg-open"
export PATH="$E2E_TMP/bin:$PATH" DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus"

e2e_run
wait_for_log 'window shown' 30
find_window
sleep 2
screenshot "$E2E_TMP/media.png"
[ "$(window_pixel "$E2E_TMP/media.png" $PAGE_X $PAGE_Y)" != "$PAGE_BACKGROUND" ] ||
  fail "the document shows before btnInfo was clicked"

# First click: the document in the video area, the movie stopped behind it.
click_at $INFO
wait_for_log "document: $VISTREL_DISC_DIR/Info/index.html" 10
sleep 1
screenshot "$E2E_TMP/info.png"
[ "$(window_pixel "$E2E_TMP/info.png" $PAGE_X $PAGE_Y)" = "$PAGE_BACKGROUND" ] ||
  fail "the document is not shown in the video area"
diff=$(region_difference "$E2E_TMP/media.png" "$E2E_TMP/info.png" 13 24 517 378)
[ "${diff%.*}" -gt 0 ] || fail "the video area did not change (difference $diff)"
pass "btnInfo shows the document in place of the movie"

# Second click: the media again.
click_at $INFO
wait_for_log 'info closed: media shown' 10
sleep 1
screenshot "$E2E_TMP/back.png"
[ "$(window_pixel "$E2E_TMP/back.png" $PAGE_X $PAGE_Y)" != "$PAGE_BACKGROUND" ] ||
  fail "the document still shows after the second click"
[ "$(log_count 'document: ')" = 1 ] || fail "the second click loaded the document again"
pass "a second click brings the media back"

# Play, then Stop: the logo, not the page that the video covered meanwhile.
click_at $PLAY
wait_for_log 'btnPlay' 10
sleep 1
click_at $STOP
wait_for_log 'btnStop' 10
sleep 1
screenshot "$E2E_TMP/stopped.png"
convert "$E2E_TMP/stopped.png" -crop "517x378+$((WIN_X + 13))+$((WIN_Y + 24))" +repage \
  "$E2E_TMP/area.png"
diff=$(compare -metric MAE "$E2E_TMP/area.png" "$VISTREL_DISC_DIR/Skins/default/logo.bmp" \
  null: 2>&1 | sed 's/ .*//' || true)
[ "${diff%.*}" -lt 1000 ] || fail "after Stop the video area does not show the logo ($diff)"
pass "Stop after the document leaves the logo"

# btnExplore: the disc's folder, by its place on disk, handed to the desktop's opener.
click_at $EXPLORE
wait_for_log "open folder: $VISTREL_DISC_DIR/Extras\$" 10
for _ in $(seq 50); do [ -s "$E2E_TMP/bin/xdg-open.opened" ] && break; sleep 0.1; done
[ "$(cat "$E2E_TMP/bin/xdg-open.opened" 2>/dev/null)" = "$VISTREL_DISC_DIR/Extras" ] ||
  fail "the opener was not given the Extras folder"
pass "btnExplore opens the disc's Extras folder"

# An opener that fails: the viewer is told, and the log says why.
touch "$E2E_TMP/bin/xdg-open.fail"
click_at $EXPLORE
wait_for_log "folder not opened: $VISTREL_DISC_DIR/Extras - .*no method available" 10
wait_for_log "message: Vistrel: The folder $VISTREL_DISC_DIR/Extras could not be opened\\. Please open it by hand\\." 10
xdotool key Return
sleep 0.5
pass "a desktop that cannot open the folder is said, with where the folder is"

# The installers: each started by its path, with no arguments. Last, because a sample
# installer puts up a message of its own.
click_at $CODEC
wait_for_log "start: $VISTREL_DISC_DIR/Setup/install-codec.sh \$" 10
click_at $PLAYER
wait_for_log "start: $VISTREL_DISC_DIR/Setup/install-player.sh \$" 10
! grep -q 'start failed' "$E2E_LOG" || fail "an installer of the sample disc did not start"
pass "both installers started"
kill -9 "$E2E_LAST_PID"
wait_for_exit "$E2E_LAST_PID" 5

# A document whose pictures, style sheets and frames lie on a web server: a listener counts
# every connection made to it while the document is shown.
port_file=$E2E_TMP/port connections=$E2E_TMP/connections
python3 - "$port_file" "$connections" <<'EOF' &
import socket, sys
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(16)
open(sys.argv[1], "w").write(str(server.getsockname()[1]))
while True:
    connection, _ = server.accept()
    open(sys.argv[2], "a").write("connection\n")
    connection.close()
EOF
E2E_PIDS+=($!)
for _ in $(seq 50); do [ -s "$port_file" ] && break; sleep 0.1; done
[ -s "$port_file" ] || fail "the listener did not start"
web="http://127.0.0.1:$(cat "$port_file")"

disc=$E2E_TMP/disc
mkdir -p "$disc/Info"
cp -r "$VISTREL_DISC_DIR/Language" "$VISTREL_DISC_DIR/Skins" "$disc/"
printf '[Main]\nVersion=1.0\nShowInstallPlayer=1\nInfoPath=Info\\remote.html\n' >"$disc/vistrel.ini"
cat >"$disc/Info/remote.html" <<EOF
<html><head><link rel="stylesheet" type="text/css" href="$web/style.css">
<style>@import url($web/import.css); body { background-image: url($web/back.png) }</style>
</head><body background="$web/body.png"><p>Pictures from a web server</p>
<img src="$web/picture.png"><img src="//127.0.0.1:$(cat "$port_file")/other.png">
<iframe src="$web/frame.html"></iframe><frameset><frame src="$web/frame2.html"></frameset>
</body></html>
EOF
: >"$E2E_LOG"
e2e_run "$disc"
wait_for_log 'window shown' 30
find_window
click_at $INFO
wait_for_log "document: $disc/Info/remote.html" 10
sleep 2
screenshot "$E2E_TMP/remote.png"
[ ! -s "$connections" ] || fail "the document view connected to the web server"
pass "a document referencing a web server makes no connection"
kill -9 "$E2E_LAST_PID"
wait_for_exit "$E2E_LAST_PID" 5

# The document's links, as two pictures one over the other: a worksheet of the disc goes to the
# desktop's opener (one that finds no program for it), a link to nothing gives the file-not-found
# message.
mkdir -p "$disc/Extras"
printf '%%PDF-1.4\n' >"$disc/Extras/work sheet.pdf"
convert -size 500x150 xc:'#3060c0' "$disc/Info/link.png"
printf '[Main]\nVersion=1.0\nShowInstallPlayer=1\nInfoPath=Info\\links.html\n' >"$disc/vistrel.ini"
cat >"$disc/Info/links.html" <<'EOF2'
<p style="margin: 0"><a href="../extras/work%20sheet.pdf"><img src="link.png"></a><br>
<a href="gone.html#top"><img src="link.png"></a></p>
EOF2
: >"$E2E_LOG"
e2e_run "$disc"
wait_for_log 'window shown' 30
find_window
click_at $INFO
wait_for_log "document: $disc/Info/links.html" 10
sleep 1
click_at 113 104
wait_for_log "link handed to the system: $disc/Extras/work sheet.pdf" 10
wait_for_log "message: Vistrel: The file $disc/Extras/work sheet.pdf could not be opened\\." 10
xdotool key Return
sleep 0.5
pass "a link to a file of the disc no program opens says so, with where the file is"
click_at 113 254
wait_for_log "message: Vistrel: The file gone\\.html was not found\\." 10
xdotool key Return
pass "a link to nothing gives the file-not-found message"
