# Every stored value at once at an extreme - INT_MIN, INT_MAX, 0, a string
# instead of a DWORD, a DWORD of eight bytes - and the full-screen run still
# starts, shows the flight and ends cleanly on a key press.
source "$(dirname "$0")/wine_lib.sh"
need_display
log=$QV_WINE_TMP/registry_extremes.log
source "$(dirname "$0")/saver_lib.sh"
need_flight_archive

readonly NAMES=(ShowClock Hrs12 EnableMusic UseDesktop ShowFlame DefGamma Width Height Depth Volume Gamma
                TimeScale Galaxy ShowFPS VSync MouseExit WideScreen FrameLimit)
# import_all DATA: every name set to DATA in one registry import.
import_all() {
  local file=$QV_WINE_TMP/registry_extremes.reg name
  { printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quorvan 3D Screensaver]\r\n'
    for name in "${NAMES[@]}"; do printf '"%s"=%s\r\n' "$name" "$1"; done; } >"$file"
  reg_clear
  wine_run 30 regedit /s "$(winepath -w "$file" 2>/dev/null)" >/dev/null 2>&1 || fail "registry import of $1 failed"
}

for data in dword:80000000 dword:7fffffff dword:00000000 '"abc"' 'hex(4):01,02,03,04,05,06,07,08'; do
  import_all "$data"
  start_saver /s
  wait_for_flight
  wait_for_picture "$QV_WINE_TMP/registry_extremes.png" 20
  press_keys "$flight" Escape
  ended_cleanly
  echo "all stored values $data: ok"
done
reg_clear
echo "registry extremes: ok"
