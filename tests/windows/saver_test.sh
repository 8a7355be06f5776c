# The full-screen run (/s, /t) under Wine: the loading screen, then the
# flight; it ends with exit code 0 on a key press, on a left click, and -
# with MouseExit set - on a mouse move of 24 pixels but not of 23; the
# temporary audio library file is gone afterwards. (Wine here has no sound
# device, so the audio library's Init fails and the run stays silent.)
source "$(dirname "$0")/wine_lib.sh"
need_display
# Without its world list and scene scripts the run stops at its first scene.
if ! "$QV_QVTOOL" archive list "$QV_ARCHIVE" | cut -f1 | grep -qx worlds.txt; then
  echo "the archive holds no world list and scene scripts yet: skipped"
  exit 77
fi
log=$QV_WINE_TMP/saver.log
readonly FLIGHT='Quorvan 3D ScreenSaver'

audio_files() { find "$WINEPREFIX/drive_c/users" -ipath '*temp*' -iname 'bas*.tmp' 2>/dev/null || true; }

# a_picture SHOT: the middle of the screen shows a picture, not black.
a_picture() {
  local w h colours brightness
  read -r w h < <(identify -format '%w %h' "$1")
  colours=$(unique_colours "$1" $((w * 3 / 5)) $((h * 3 / 5)) $((w / 5)) $((h / 5)))
  brightness=$(convert "$1" -crop "$((w * 3 / 5))x$((h * 3 / 5))+$((w / 5))+$((h / 5))" -colorspace Gray \
    -format '%[fx:int(1000*mean)]' info:)
  [ "$colours" -gt 2000 ] && [ "$brightness" -gt 5 ]
}

# wait_for_picture SHOT SECONDS: waits until the screen shows a picture (the
# scenes fade in from black), keeping the last screenshot in SHOT.
wait_for_picture() {
  local tries=$2
  until screenshot "$1" && a_picture "$1"; do
    [ "$tries" -gt 0 ] || fail "no picture on the screen within $2 s (see $1)"
    sleep 1
    tries=$((tries - 1))
  done
}

# start_saver SWITCH: starts the run and waits for its window. The pointer
# waits one pixel right of the screen's centre, where the frame loop's first
# centring visibly moves it (the flight window covers the screen). It must be
# that close: Wine keeps the position of the move that the window's
# appearance under the pointer causes, and the first frames count it.
start_saver() {
  local width height
  read -r width height < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) pixels.*/\1 \2/p')
  xdotool mousemove $((width / 2 + 1)) $((height / 2))
  wine_start 180 "$log" "$QV_SCR" "$1"
  flight=$(wait_window "$FLIGHT" 30)
}

# wait_for_flight: waits until the frame loop runs, which it starts by
# putting the pointer in the middle of the flight window, then a little
# more, so that the first second's mouse travel is forgotten.
wait_for_flight() {
  local tries=1200 X Y WIDTH HEIGHT centre
  eval "$(xdotool getwindowgeometry --shell "$flight")"
  centre="$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
  until [ "$(xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/')" = "$centre" ]; do
    [ "$tries" -gt 0 ] || fail "the frame loop never started (pointer not at $centre)"
    [ ! -s "$log.status" ] || fail "the run ended before its frame loop (status $(cat "$log.status"))"
    sleep 0.1
    tries=$((tries - 1))
  done
  sleep 1.5
}

# still_running SECONDS: the run has not ended within SECONDS.
still_running() {
  sleep "$1"
  [ ! -s "$log.status" ] || fail "the run ended by itself (status $(cat "$log.status"))"
}

# ended_cleanly: the run ends within 15 s with status 0 and its windows gone.
ended_cleanly() {
  local status
  status=$(wait_status "$log" 15)
  [ "$status" = 0 ] || fail "the run ended with $status"
  wait_no_window "$FLIGHT" 10
}

reg_clear
audio_files | xargs -r rm -f  # left by a run that was killed

# --- Loading screen, flight, a key press ---
start_saver /s
wait_for_picture "$QV_WINE_TMP/saver_loading.png" 10
wait_for_flight
[ -n "$(audio_files)" ] || fail "no temporary audio library while the music plays"
wait_for_picture "$QV_WINE_TMP/saver_flight.png" 20
press_keys "$flight" Escape
ended_cleanly
[ -z "$(audio_files)" ] || fail "the temporary audio library is left behind: $(audio_files)"

# --- A left click ends the test run, which is the same run ---
start_saver /t
wait_for_flight
xdotool mousemove --window "$flight" 300 300 click 1
ended_cleanly

# --- Mouse moves: without MouseExit nothing; with it 24 pixels but not 23 ---
reg_set EnableMusic 0
start_saver /s
wait_for_flight
xdotool mousemove_relative -- 40 0
still_running 2
press_keys "$flight" Escape
ended_cleanly
reg_set MouseExit 1
start_saver /s
wait_for_flight
xdotool mousemove_relative -- 23 0
still_running 2.5  # the travel is forgotten once a second
xdotool mousemove_relative -- 24 0
ended_cleanly
[ -z "$(audio_files)" ] || fail "music off, yet an audio library file: $(audio_files)"
reg_clear
echo "full-screen run: ok"
