# The full-screen run (/s, /t) under Wine: the loading screen, then the
# flight; it ends with exit code 0 on a key press, on a left click, and -
# with MouseExit set - on a mouse move of 24 pixels but not of 23; the
# temporary audio library file is gone afterwards. (Wine here has no sound
# device, so the audio library's Init fails and the run stays silent.)
source "$(dirname "$0")/wine_lib.sh"
need_display
log=$QV_WINE_TMP/saver.log
source "$(dirname "$0")/saver_lib.sh"
need_flight_archive

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
