# The control panel's preview (/p HANDLE) under Wine.
# The real .scr in the host's window: its child fills the preview area and
# the screensaver ends with the host's window. Wine does not draw a child
# window whose parent belongs to another process, so the picture itself is
# checked with the same preview code run inside a host process of its own:
# the still bitmap 118 unscaled at the top-left, black beyond it, cut where
# the area is smaller. Without a usable handle the .scr says it cannot
# create its window.
source "$(dirname "$0")/wine_lib.sh"
need_display
log=$QV_WINE_TMP/preview.log

# wait_line TEXT SECONDS: waits until the host's log holds a line starting so.
wait_line() {
  local tries=$(($2 * 10))
  until grep -q "^$1" "$log" 2>/dev/null; do
    [ "$tries" -gt 0 ] || fail "the preview host never said \"$1\":
$(cat "$log" 2>/dev/null)"
    sleep 0.1
    tries=$((tries - 1))
  done
}

host_says() { expect_line "$(tr -d '\r' <"$log")" "$1"; }

# --- The .scr inside another program's window ---
for area in "200 150" "152 112"; do
  wine_start 60 "$log" "$QV_PREVIEW_HOST" "$QV_SCR" $area 1
  wait_line exit 40
  host_says "child $area"
  host_says "exit 0"
done

# --- The picture: check_picture W H ---
check_picture() {
  local width=$1 height=$2 shot=$QV_WINE_TMP/preview_$1x$2.png
  wine_start 60 "$log" "$QV_PREVIEW_HOST" --here "$width" "$height" 2
  wait_line ready 30
  screenshot "$shot"
  read -r _ x y _ < <(grep '^area' "$log")
  local w=$((width < 155 ? width : 155)) h=$((height < 115 ? height : 115)) differing
  convert "$shot" -crop "${w}x$h+$x+$y" +repage "$QV_WINE_TMP/preview_seen.png"
  convert "$QV_PREVIEW_BMP" -crop "${w}x$h+0+0" +repage "$QV_WINE_TMP/preview_bitmap.png"
  differing=$(compare -metric AE "$QV_WINE_TMP/preview_seen.png" "$QV_WINE_TMP/preview_bitmap.png" null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "${width}x$height: $differing pixels differ from the bitmap (see $shot)"
  if [ "$width" -gt 155 ]; then
    [ "$(pixel "$shot" $((x + width - 5)) $((y + height - 5)))" = "0,0,0" ] || fail "no black beyond the bitmap"
  fi
  host_says "child $width $height"
  wait_line preview 20
  host_says "preview 1"
}
check_picture 200 150
check_picture 152 112

# --- No handle: the message box; the program ends once it is answered ---
wine_start 60 "$log" "$QV_SCR" /p
box=$(wait_window ERROR 30)
expect_line "$(probe state ERROR)" "text 65535 enabled=1 Cannot creat window!"
press_keys "$box" Return
[ "$(wait_status "$log" 15)" = 0 ] || fail "/p without a window did not end cleanly"
echo "preview: ok"
