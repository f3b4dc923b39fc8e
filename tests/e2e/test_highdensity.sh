#!/usr/bin/env bash
# The window on a high-density screen, at device pixel ratio 2 by QT_SCALE_FACTOR and by a
# 192 dpi X screen, and at 1.5: it doubles with its outline (the mask's cut corners checked
# pixel by pixel), a doubled picture beside a skin picture is used and one of the wrong size is
# not, and the drag, the menu's place and full screen work. Screenshots are kept in the build.
E2E_SCREEN=2560x1600x24 E2E_XVFB_ARGS="-dpi 192"
source "$(dirname "$0")/lib.sh"
e2e_start
shots=$VISTREL_BUILD_DIR/e2e-screenshots
mkdir -p "$shots"
root=32,32,32

# The sample disc with a doubled background that carries a red square the 1x one lacks, and a
# doubled logo of the wrong size.
disc=$E2E_TMP/disc
mkdir -p "$disc"
(cd "$VISTREL_DISC_DIR" && cp -r Language Skins Info Extras Setup Player movie.avi vistrel.ini "$disc/")
skin=$disc/Skins/default
convert "$skin/back.bmp" -filter point -resize 200% -fill red -draw 'rectangle 600,816 639,855' \
  -type truecolor "BMP3:$skin/back@2x.bmp"
convert "$skin/logo.bmp" -resize 150% -type truecolor "BMP3:$skin/logo@2x.bmp"

# Pixels along each cut corner's diagonal: where the mask is black the screen shows the root,
# elsewhere the window, at the scaled place.
check_outline() {
  local ratio=$1 shot=$2 mx my dx dy i x y inside sx sy got
  for corner in "0 0 1 1" "698 0 -1 1" "0 431 1 -1" "698 431 -1 -1"; do
    read -r mx my dx dy <<<"$corner"
    for i in 0 1 2 3 4 5 6 8 12; do
      x=$((mx + i * dx)) y=$((my + i * dy))
      inside=$(convert "$skin/transp.bmp" -format "%[fx:p{$x,$y}.r+p{$x,$y}.g+p{$x,$y}.b>0?1:0]" info:)
      # The middle of the mask pixel's place on the screen.
      sx=$(awk -v v="$x" -v r="$ratio" 'BEGIN { printf "%d", (v + 0.5) * r }')
      sy=$(awk -v v="$y" -v r="$ratio" 'BEGIN { printf "%d", (v + 0.5) * r }')
      got=$(window_pixel "$shot" "$sx" "$sy")
      if [ "$inside" = 1 ]; then
        [ "$got" != "$root" ] || fail "ratio $ratio: mask pixel $x,$y is inside, the screen shows the root at $sx,$sy"
      else
        [ "$got" = "$root" ] || fail "ratio $ratio: mask pixel $x,$y is cut, the screen shows $got at $sx,$sy"
      fi
    done
  done
}

# Starts the program with the environment given, checks size, outline and the doubled picture.
start_at() {
  local ratio=$1 width=$2 height=$3 name=$4
  shift 4
  : >"$E2E_LOG"
  env "$@" "$VISTREL_DISC_DIR/vistrel" "$disc" >>"$E2E_LOG" 2>&1 &
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
  wait_for_log 'first frame painted' 30
  sleep 0.5
  local id
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name '^Vistrel$' 2>/dev/null | head -n1)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || fail "no window at ratio $ratio"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  WIN_ID=$id WIN_X=$X WIN_Y=$Y
  # A fractional size may round either way.
  [[ ${WIDTH}x${HEIGHT} =~ ^${width}x${height}$ ]] || fail "ratio $ratio: the window is ${WIDTH}x${HEIGHT}"
  screenshot "$shots/ratio-$name.png"
  check_outline "$ratio" "$shots/ratio-$name.png"
  grep -q 'high-density picture not used: .*logo@2x.bmp' "$E2E_LOG" ||
    fail "ratio $ratio: the wrong-sized logo@2x.bmp was not reported"
  grep -q 'high-density picture used: .*back@2x.bmp' "$E2E_LOG" ||
    fail "ratio $ratio: the use of back@2x.bmp was not logged"
  # The red square of back@2x.bmp, below the video at 300..319, 408..427 in the window's pixels.
  local red
  red=$(window_pixel "$shots/ratio-$name.png" "$(awk -v r="$ratio" 'BEGIN { printf "%d", 310 * r }')" \
    "$(awk -v r="$ratio" 'BEGIN { printf "%d", 417 * r }')")
  [ "$red" = 255,0,0 ] || fail "ratio $ratio: back@2x.bmp is not shown (pixel $red)"
  pass "ratio $ratio ($name): ${WIDTH}x${HEIGHT}, the outline follows the mask, back@2x.bmp is used"
}

stop_program() {
  kill "$E2E_LAST_PID" 2>/dev/null || true
  wait_for_exit "$E2E_LAST_PID" 10
}

start_at 2 1398 864 scale-factor QT_SCALE_FACTOR=2 QT_ENABLE_HIGHDPI_SCALING=1

# The menu at btnMenu's point, twice as far on the screen.
xdotool windowactivate --sync "$WIN_ID" 2>/dev/null || true
screenshot "$E2E_TMP/closed.png"
xdotool key shift+F10
wait_for_log 'menu: open' 5
sleep 0.5
screenshot "$E2E_TMP/open.png"
box=$(convert "$E2E_TMP/closed.png" "$E2E_TMP/open.png" -compose difference -composite \
  -crop "300x300+$((WIN_X + 40))+$WIN_Y" +repage -colorspace gray -threshold 3% -format '%@' info:)
[[ $box =~ ^[0-9]+x[0-9]+\+[0-9]+\+([0-9]+)$ ]] || fail "no menu appeared ($box)"
[ "${BASH_REMATCH[1]}" = 28 ] || fail "the menu's top is at ${BASH_REMATCH[1]} on the screen, not 28"
xdotool key Escape
sleep 0.3
pass "ratio 2: the menu opens at btnMenu"

# The drag strip moves the window by the pointer's travel.
xdotool mousemove "$((WIN_X + 400))" "$((WIN_Y + 16))" mousedown 1
sleep 0.2
xdotool mousemove "$((WIN_X + 450))" "$((WIN_Y + 56))"
sleep 0.2
xdotool mousemove "$((WIN_X + 500))" "$((WIN_Y + 96))" mouseup 1
sleep 0.8
eval "$(xdotool getwindowgeometry --shell "$WIN_ID")"
[ "$X" != "$WIN_X" ] && [ "$Y" != "$WIN_Y" ] || fail "ratio 2: the drag did not move the window"
WIN_X=$X WIN_Y=$Y
pass "ratio 2: the drag moves the window"

# Full screen by btnMaximize (668,0 16x16 in the window's pixels) and back.
xdotool mousemove "$((WIN_X + 2 * 676))" "$((WIN_Y + 2 * 8))" click 1
wait_for_log 'movie full screen' 10
sleep 1
screenshot "$E2E_TMP/full.png"
xdotool key Escape
wait_for_log 'back in the window' 10
pass "ratio 2: full screen and back"
stop_program

# A 192 dpi X screen: the desktop's own setting, no variable.
echo 'Xft.dpi: 192' | xrdb -merge
start_at 2 1398 864 dpi-192 QT_ENABLE_HIGHDPI_SCALING=1
stop_program
echo 'Xft.dpi: 96' | xrdb -merge

# A fractional ratio takes the nearer picture, scaled smoothly.
start_at 1.5 "104[89]" 648 scale-1.5 QT_SCALE_FACTOR=1.5 QT_SCALE_FACTOR_ROUNDING_POLICY=PassThrough
stop_program
