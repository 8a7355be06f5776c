# The full-screen run's steps, shared by the Wine tests that start it
# (sourced after wine_lib.sh; the caller sets log).
readonly FLIGHT='Quorvan 3D ScreenSaver'

# need_flight_archive: skips the test (77) until the built-in archive holds
# its world list and scene scripts, without which the run stops at its first
# scene.
need_flight_archive() {
  if ! "$QV_QVTOOL" archive list "$QV_ARCHIVE" | cut -f1 | grep -x worlds.txt >/dev/null; then
    echo "the archive holds no world list and scene scripts yet: skipped"
    exit 77
  fi
}

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

# start_saver SWITCH: starts the run and waits for its window, the pointer
# one pixel right of the screen's centre (the flight window covers the
# screen).
start_saver() {
  local width height
  read -r width height < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) pixels.*/\1 \2/p')
  # A wine server left from the previous run still believes the pointer is
  # where that run centred it, and skips a SetCursorPos to the same place.
  wineserver -k 2>/dev/null || true
  xdotool mousemove $((width / 2 + 1)) $((height / 2))
  wine_start 180 "$log" "$QV_SCR" "$1"
  flight=$(wait_window "$FLIGHT" 30)
}

# wait_for_flight: waits until the frame loop runs: it pulls the pointer
# back to the middle of the flight window after every move, so the pointer
# is nudged one pixel to either side in turn until it comes back. Then a little more, so that
# the nudges' mouse travel is forgotten (it is cleared once a second).
wait_for_flight() {
  local tries=400 X Y WIDTH HEIGHT cx cy
  eval "$(xdotool getwindowgeometry --shell "$flight")"
  cx=$((X + WIDTH / 2))
  cy=$((Y + HEIGHT / 2))
  local side=1
  while :; do
    xdotool mousemove $((cx + side)) "$cy"
    side=$((-side))
    sleep 0.3
    [ "$(xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/')" = "$cx $cy" ] && break
    [ "$tries" -gt 0 ] || fail "the frame loop never started (pointer not pulled back to $cx $cy)"
    [ ! -s "$log.status" ] || fail "the run ended before its frame loop (status $(cat "$log.status"))"
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

