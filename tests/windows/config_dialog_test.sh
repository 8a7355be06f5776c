# The configuration dialog (/c) under Wine: it shows the settings, edits
# them as the user clicks, writes every value on OK and none on Cancel,
# brings the defaults back, and opens the About box.
source "$(dirname "$0")/wine_lib.sh"
need_display
log=$QV_WINE_TMP/config.log

# open_dialog [ARGS...]: starts /c (or the given switch) and waits for the dialog.
open_dialog() {
  wine_start 120 "$log" "$QV_SCR" "${@:-/c}"
  dialog=$(wait_window "$QV_TITLE" 30)
  sleep 0.5
}

# closed_with STATUS: the dialog has gone and the process ended with STATUS.
closed_with() {
  wait_no_window "$QV_TITLE" 15
  local status
  status=$(wait_status "$log" 15)
  [ "$status" = "$1" ] || fail "the screensaver ended with $status, expected $1"
}

state() { probe state "$QV_TITLE"; }

# --- The shipped defaults on screen, with a picture of the dialog ---
reg_clear
open_dialog /c:4242  # an owner that is no window: the dialog still opens
shot=$QV_WINE_TMP/config_dialog.png
screenshot "$shot"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
[ "$WIDTH" -gt 500 ] && [ "$HEIGHT" -gt 250 ] || fail "dialog of only ${WIDTH}x$HEIGHT"
colours=$(unique_colours "$shot" "$WIDTH" "$HEIGHT" "$X" "$Y")
[ "$colours" -gt 200 ] || fail "the dialog shows only $colours colours: no picture, no texts?"

s=$(state)
expect_line "$s" "title $QV_TITLE"
for on in 1001 1003 1004 1023 1032 1036 1037; do expect_line "$s" "check $on enabled=1 checked=1"; done
for off in 1011 1027 1028; do expect_line "$s" "check $off enabled=1 checked=0"; done
expect_line "$s" "check 1038 enabled=1 checked=0"
expect_line "$s" "track 1026 enabled=1 pos=75 min=1 max=100 page=10"
expect_line "$s" "track 1029 enabled=0 pos=50 min=0 max=100 page=10"  # DefGamma: brightness off
expect_line "$s" "text 1017 enabled=1 Volume (75%)"
expect_line "$s" "text 1030 enabled=0 Brightness (100%)"
expect_line "$s" "text 1035 enabled=1 Visit our official web-site for more great 3D screensavers"
expect_line "$s" "text 1008 enabled=1 About..."
expect_line "$s" "combo 1033 enabled=1 count=3 sel=Normal"
desktop=$(sed -n 's/^combo 1000 enabled=0 count=[0-9]* sel=//p' <<<"$s")
[[ "$desktop" =~ ^[0-9]+\ x\ [0-9]+\ (16|24|32)\ bits$ ]] || fail "UseDesktop: no desktop mode selected in a disabled list:
$s"

modes=$(probe modes "$QV_TITLE")
[ -n "$modes" ] || fail "empty video mode list"
[ "$(sort <<<"$modes" | uniq -d)" = "" ] || fail "a mode is listed twice:
$modes"
while read -r width x height bits rest; do
  [ "$width" -ge 640 ] && [ "$height" -ge 480 ] && [ "$bits" -ge 16 ] || fail "mode $width x $height $bits listed"
done <<<"$modes"
expect_line "$modes" "$desktop"

# Clearing Use Desktop Settings enables the list and keeps its selection.
probe click "$QV_TITLE" 1001
sleep 0.3
s=$(state)
expect_line "$s" "check 1001 enabled=1 checked=0"
expect_line "$s" "combo 1000 enabled=1 count=$(wc -l <<<"$modes") sel=$desktop"

# --- The About box ---
probe click "$QV_TITLE" 1008
wait_window About 10 >/dev/null
a=$(probe state About)
expect_line "$a" "text 1049 enabled=1 Quorvan 3D Screensaver"
expect_line "$a" "text 1050 enabled=1 "
expect_line "$a" "text 1055 enabled=1 Thank you for watching!"
probe click About 1
wait_no_window About 10

# --- Cancel (the Escape key) writes nothing, whatever was changed ---
probe click "$QV_TITLE" 1003
probe click "$QV_TITLE" 1027
sleep 0.3
press_keys "$dialog" Escape
closed_with 0
[ -z "$(reg_values)" ] || fail "Cancel wrote settings:
$(reg_values)"

# --- OK (the Return key) writes all 17 values as shown ---
open_dialog
probe click "$QV_TITLE" 1027                 # Show FPS on
probe click "$QV_TITLE" 1004                 # Show Time off: the clock style is greyed
probe click "$QV_TITLE" 1032                 # own brightness: the track bar comes on
probe key "$QV_TITLE" 1026 39                # volume one step right with the arrow key
probe key "$QV_TITLE" 1029 37                # brightness one step left
sleep 0.5
s=$(state)
expect_line "$s" "check 1037 enabled=0 checked=1"
expect_line "$s" "track 1029 enabled=1 pos=49 min=0 max=100 page=10"
expect_line "$s" "text 1017 enabled=1 Volume (76%)"
expect_line "$s" "text 1030 enabled=1 Brightness (99%)"
read -r width height depth < <(sed 's/ x / /; s/ bits//' <<<"$desktop")
press_keys "$dialog" Return
closed_with 0
expected="Depth $depth
DefGamma 0
EnableMusic 1
FrameLimit 0
Galaxy 1
Gamma 49
Height $height
Hrs12 1
MouseExit 0
ShowClock 0
ShowFPS 1
ShowFlame 0
TimeScale 0
UseDesktop 1
VSync 0
Volume 76
WideScreen 1
Width $width"
expected=$(sort <<<"$expected")
values=$(reg_values)
[ "$values" = "$expected" ] || fail "OK stored:
$values
expected:
$expected"

# --- Stored values come back; Restore Defaults shows the shipped ones ---
reg_set TimeScale 2
reg_set MouseExit 1
open_dialog
s=$(state)
expect_line "$s" "combo 1033 enabled=1 count=3 sel=Fastest"
expect_line "$s" "check 1011 enabled=1 checked=1"
expect_line "$s" "check 1027 enabled=1 checked=1"
expect_line "$s" "track 1026 enabled=1 pos=76 min=1 max=100 page=10"
probe click "$QV_TITLE" 1006
sleep 0.5
s=$(state)
for off in 1011 1027 1028; do expect_line "$s" "check $off enabled=1 checked=0"; done
expect_line "$s" "check 1004 enabled=1 checked=1"
expect_line "$s" "check 1037 enabled=1 checked=1"
expect_line "$s" "track 1026 enabled=1 pos=75 min=1 max=100 page=10"
expect_line "$s" "track 1029 enabled=0 pos=50 min=0 max=100 page=10"
expect_line "$s" "text 1017 enabled=1 Volume (75%)"
expect_line "$s" "text 1030 enabled=0 Brightness (100%)"
expect_line "$s" "combo 1033 enabled=1 count=3 sel=Normal"
expect_line "$s" "combo 1000 enabled=0 count=$(wc -l <<<"$modes") sel=$desktop"
probe click "$QV_TITLE" 2
closed_with 0
[ "$(reg_values | grep TimeScale)" = "TimeScale 2" ] || fail "Cancel after Restore Defaults changed the store"
reg_clear
echo "configuration dialog: ok"
