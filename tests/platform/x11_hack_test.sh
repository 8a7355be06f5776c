#!/usr/bin/env bash
# quorvan3d as an X11 screensaver hack, against a window another program
# owns: it draws there (given by --window-id, by XSCREENSAVER_WINDOW, or the
# root window), leaves the pointer, the cursor and the gamma ramp alone,
# ignores input, and ends with code 0 within a second of SIGTERM or SIGINT,
# or when the window is destroyed, leaving no window behind.
# usage: x11_hack_test.sh QUORVAN3D X11_WINDOW_OWNER
set -uo pipefail
hack=$1 owner=$2
[ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 || { echo "no X display: skipped"; exit 77; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
scratch=$(mktemp -d)
owner_pid=
cleanup() {
  [ -z "$owner_pid" ] || kill "$owner_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# Settings that would change the gamma ramp in a full-screen run.
export XDG_CONFIG_HOME=$scratch/config
mkdir -p "$XDG_CONFIG_HOME/quorvan3d"
printf 'DefGamma=0\nGamma=10\nEnableMusic=0\nShowClock=1\n' >"$XDG_CONFIG_HOME/quorvan3d/settings.conf"

start_owner() {  # a 320x240 magenta window; sets window and owner_pid
  # Removed first: the previous owner's id must not be read before this one truncates the file.
  rm -f "$scratch/window"
  "$owner" window 320x240 >"$scratch/window" &
  owner_pid=$!
  window=
  for _ in $(seq 1 50); do
    read -r window 2>/dev/null <"$scratch/window" && break
    sleep 0.1
  done
  [ -n "$window" ] || { fail "the window owner did not start"; exit 1; }
}
stop_owner() { kill "$owner_pid" 2>/dev/null; wait "$owner_pid" 2>/dev/null; owner_pid=; }

# Mean red of a window's picture: 1 while the owner's magenta shows.
red_of() { import -window "$1" png:- 2>/dev/null | convert - -format '%[fx:mean.r]' info: 2>/dev/null; }
drawn_within() {  # WINDOW SECONDS: true once the picture is no longer magenta
  for _ in $(seq 1 $(($2 * 4))); do
    local red; red=$(red_of "$1")
    [ -n "$red" ] && awk -v r="$red" 'BEGIN { exit !(r < 0.5) }' && return 0
    sleep 0.25
  done
  return 1
}
ended_within_a_second() {  # PID NAME: waits up to 1 s for PID; its exit code must be 0
  for _ in $(seq 1 20); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"; local code=$?
      [ $code -eq 0 ] || fail "$2: exit code $code"
      return
    fi
    sleep 0.05
  done
  fail "$2: still running a second later"
  kill -KILL "$1" 2>/dev/null
}
gamma() { xrandr --verbose 2>/dev/null | awk '/Gamma:/ { print $2; exit }'; }
top_windows() { xwininfo -root -children | awk '/child(ren)?[.:]$/ { print $1 }'; }
# Xvfb keeps its ramp fixed; the gamma check means something only where it can change.
gamma_settable() {
  local before; before=$(gamma)
  xrandr --output "$(xrandr | awk '/ connected/ { print $1; exit }')" --gamma 0.9:0.9:0.9 2>/dev/null
  local after; after=$(gamma)
  xrandr --output "$(xrandr | awk '/ connected/ { print $1; exit }')" --gamma 1:1:1 2>/dev/null
  [ -n "$before" ] && [ "$before" != "$after" ]
}

windows_before=$(top_windows)

# --window-id, decimal: the picture, input, the pointer, the cursor, the
# gamma, a new size, SIGTERM. Input given while the flight loads would end a full-screen
# run in its first frames, and the frame loop would pull the pointer to the
# window's centre; 15 s see the flight start here.
start_owner
xdotool mousemove 100 100
gamma_checked=0
gamma_settable && gamma_checked=1  # leaves the ramp at 1:1:1
gamma_before=$(gamma)
started=$SECONDS
"$hack" --window-id "$window" --fps --letterbox &
hack_pid=$!
drawn_within "$window" 20 || fail "--window-id: nothing drawn into the window"
xdotool mousemove 180 160 key a click 1 click 3 mousemove 100 100
sleep $((15 - (SECONDS - started)))
kill -0 $hack_pid 2>/dev/null || fail "input ended the hack"
[ "$(xdotool getmouselocation | cut -d' ' -f1-2)" = "x:100 y:100" ] || fail "the pointer was moved"
"$owner" cursor || fail "the cursor was hidden"
if [ $gamma_checked -eq 1 ]; then
  gamma_now=$(gamma)
  [ "$gamma_now" = "$gamma_before" ] || fail "the gamma ramp was changed: $gamma_before, then $gamma_now"
else
  echo "note: this X server's gamma cannot change; not checked"
fi
# The picture follows the window: once grown to 480x360, the clock sits in
# the new bottom-right corner, in the letterbox band, right of the old width.
xdotool windowsize "$window" 480 360
clock_shown=0
for _ in $(seq 1 40); do
  bright=$(import -window "$window" png:- 2>/dev/null | convert - -crop 140x34+336+324 -format '%[fx:maxima]' info:)
  awk -v b="${bright:-0}" 'BEGIN { exit !(b > 0.5) }' && { clock_shown=1; break; }
  sleep 0.5
done
[ $clock_shown -eq 1 ] || fail "the picture did not follow the window's new size"
kill -TERM $hack_pid
ended_within_a_second $hack_pid "SIGTERM"
stop_owner

# XSCREENSAVER_WINDOW in hexadecimal, no option; the window destroyed under it.
start_owner
XSCREENSAVER_WINDOW=$(printf '0x%x' "$window") "$hack" &
hack_pid=$!
drawn_within "$window" 20 || fail "XSCREENSAVER_WINDOW: nothing drawn into the window"
kill -USR1 "$owner_pid"
ended_within_a_second $hack_pid "window destroyed"
stop_owner

# --root: the root window, ended by SIGINT.
xsetroot -solid magenta
"$hack" --root --no-clock &
hack_pid=$!
drawn_within root 20 || fail "--root: nothing drawn on the root window"
kill -INT $hack_pid
ended_within_a_second $hack_pid "SIGINT"
xsetroot -def

# A window id that names nothing: a clear message, code 1.
message=$("$hack" --window-id 0x7ffffff 2>&1 >/dev/null)
code=$?
[ $code -eq 1 ] || fail "a missing window gave exit code $code"
echo "$message" | grep -q "no window 0x7ffffff" || fail "a missing window gave the message '$message'"

windows_after=$(top_windows)
[ "$windows_after" = "$windows_before" ] || fail "windows were left behind: $windows_after"
[ $failures -eq 0 ] && echo "all X11 hack cases passed"
exit $((failures > 0))
