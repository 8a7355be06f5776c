# The full-screen run (/s, /t) under Wine: the loading screen, then the
# flight; it ends with exit code 0 on a key press, on a left click, and -
# with MouseExit set - on a mouse move of 24 pixels but not of 23; the
# temporary audio library file is gone afterwards. (Wine here has no sound
# device, so the audio library's Init fails and the run stays silent.)
source "$(dirname "$0")/wine_lib.sh"
need_display
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

# start_saver SWITCH: starts the run and waits for its window.
start_saver() {
  wine_start 120 "$log" "$QV_SCR" "$1"
  flight=$(wait_window "$FLIGHT" 30)
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
[ -z "$(audio_files)" ] || fail "stale audio library files: $(audio_files)"

# --- Loading screen, flight, a key press ---
start_saver /s
sleep 1.5
screenshot "$QV_WINE_TMP/saver_loading.png"
a_picture "$QV_WINE_TMP/saver_loading.png" || fail "no loading screen (see saver_loading.png)"
[ -n "$(audio_files)" ] || fail "no temporary audio library while the music plays"
sleep 11  # past the loading and the six-second intro
screenshot "$QV_WINE_TMP/saver_flight.png"
a_picture "$QV_WINE_TMP/saver_flight.png" || fail "no flight on the screen (see saver_flight.png)"
still_running 0
press_keys "$flight" Escape
ended_cleanly
[ -z "$(audio_files)" ] || fail "the temporary audio library is left behind: $(audio_files)"

# --- A left click ends the test run, which is the same run ---
start_saver /t
still_running 9
xdotool mousemove --window "$flight" 300 300 click 1
ended_cleanly

# --- Mouse moves: without MouseExit nothing; with it 24 pixels but not 23 ---
reg_set EnableMusic 0
start_saver /s
still_running 9
xdotool mousemove_relative -- 40 0
still_running 2
press_keys "$flight" Escape
ended_cleanly
reg_set MouseExit 1
start_saver /s
still_running 9
xdotool mousemove_relative -- 23 0
still_running 2.5  # the travel is forgotten once a second
xdotool mousemove_relative -- 24 0
ended_cleanly
[ -z "$(audio_files)" ] || fail "music off, yet an audio library file: $(audio_files)"
reg_clear
echo "full-screen run: ok"
