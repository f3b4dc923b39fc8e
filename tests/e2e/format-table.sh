# The format table as short files, made with the system's ffmpeg at test time: shared by the tests
# that play every format (the Linux disc and package, the Windows program). Source it.

# Name, file, ffmpeg's options for it. Pictures move (testsrc2) and sound is a tone. FFmpeg has
# no WMV 9 encoder: WMV 7 and 8 stand for the family (WMV 9 is the VC-1 decoder, in the table).
video_formats=(
  "MPEG-1|mpeg1.mpg|-c:v mpeg1video -b:v 1M -c:a mp2 -f mpeg"
  "MPEG-1 Video CD|avseq01.dat|-c:v mpeg1video -b:v 1M -c:a mp2 -f mpeg"
  "MPEG-2 with MP2|mpeg2.mpg|-c:v mpeg2video -b:v 2M -c:a mp2 -f vob"
  "MPEG-2 with AC-3|vts_01_1.vob|-c:v mpeg2video -b:v 2M -c:a ac3 -f vob"
  "Xvid with MP3|xvid.avi|-c:v mpeg4 -vtag XVID -c:a libmp3lame"
  "DivX 5 with MP3|divx5.avi|-c:v mpeg4 -vtag DX50 -c:a libmp3lame"
  "DivX 3|divx3.avi|-c:v msmpeg4 -vtag DIV3 -c:a libmp3lame"
  "WMV 7 with WMA|wmv7.wmv|-c:v wmv1 -c:a wmav1"
  "WMV 8 with WMA|wmv8.asf|-c:v wmv2 -c:a wmav2"
  "H.264 with AAC|h264.mp4|-c:v libx264 -pix_fmt yuv420p -c:a aac"
  "HEVC|hevc.mp4|-c:v libx265 -tag:v hvc1 -pix_fmt yuv420p -x265-params log-level=error -c:a aac"
  "VP8 with Vorbis|vp8.webm|-c:v libvpx -b:v 1M -c:a libvorbis"
  "VP9 with Opus, Matroska|vp9.mkv|-c:v libvpx-vp9 -b:v 1M -c:a libopus"
  "VP9 with Opus, WebM|vp9.webm|-c:v libvpx-vp9 -b:v 1M -c:a libopus"
  "Theora with Vorbis|theora.ogv|-c:v libtheora -q:v 6 -c:a libvorbis"
  "AV1 in MP4|av1.mp4|-c:v libaom-av1 -cpu-used 8 -row-mt 1 -b:v 500k -c:a aac"
  "AV1 in WebM|av1.webm|-c:v libaom-av1 -cpu-used 8 -row-mt 1 -b:v 500k -c:a libopus"
  "Motion-JPEG with PCM|mjpeg.avi|-c:v mjpeg -q:v 5 -pix_fmt yuvj420p -c:a pcm_s16le"
)
music_formats=(
  "MP3|music.mp3|-c:a libmp3lame"
  "WMA|music.wma|-c:a wmav2"
  "Ogg Vorbis|music.ogg|-c:a libvorbis"
  "Opus|music.opus|-c:a libopus"
  "FLAC|music.flac|-c:a flac"
  "WAV|music.wav|-c:a pcm_s16le"
  "AAC in M4A|music.m4a|-c:a aac"
)
# Bad input, with what the viewer is told: a film cut short (no index) and a text file named as a
# film cannot be played; one whose video no decoder takes (a made-up codec tag) wants the codec.
# The message as the sample disc says it in English or German (the Windows program's default).
cannot_play='(cannot be played|kann nicht abgespielt)'
bad_formats=("cut.mp4|$cannot_play" "notes.avi|$cannot_play" "unknown.avi|(is not installed|ist nicht installiert)")

# Makes every file of the table, and the bad ones, in the folder $1.
make_format_files() {
  local folder=$1 entry file options
  mkdir -p "$folder"
  for entry in "${video_formats[@]}"; do
    IFS='|' read -r _ file options <<<"$entry"
    make_format_file "$folder" video "$file" "$options"
  done
  for entry in "${music_formats[@]}"; do
    IFS='|' read -r _ file options <<<"$entry"
    make_format_file "$folder" music "$file" "$options"
  done
  head -c 4096 "$folder/h264.mp4" >"$folder/cut.mp4"
  perl -pe 's/XVID/QQQQ/g; s/xvid/qqqq/g' "$folder/xvid.avi" >"$folder/unknown.avi"
  seq 1 5000 >"$folder/notes.avi"
}

make_format_file() {
  local folder=$1 kind=$2 file=$3 options=$4 inputs=()
  [ "$kind" = music ] || inputs=(-f lavfi -i "testsrc2=s=320x240:r=25:d=6")
  # shellcheck disable=SC2086
  ffmpeg -nostdin -hide_banner -loglevel error -y "${inputs[@]}" \
    -f lavfi -i "sine=frequency=440:duration=6" -ac 2 -ar 48000 $options "$folder/$file" ||
    fail "ffmpeg could not make $file"
}

# Opened without error, playing, and no decoder missing or error after the start. The program's
# window may take FORMATS_START_SECONDS to show (default 30).
plays() {
  local name=$1 file=$2
  wait_for_log 'window shown' "${FORMATS_START_SECONDS:-30}"
  wait_for_log "open: .*$file error: " 30
  grep -qE "open: .*$file error: 0" "$E2E_LOG" || fail "$name: $file did not open ($(grep 'open:' "$E2E_LOG"))"
  wait_for_log 'vistrel.media: play$' 10
  sleep 1.5
  ! grep -E 'no decoder for|player error|open failed late|playback stalled' "$E2E_LOG" ||
    fail "$name: $file does not play"
}

# The playing video's picture changes within a second; prints the difference.
picture_changes() {
  find_window
  movie_moves "$1" "$1: the picture does not change"
}
