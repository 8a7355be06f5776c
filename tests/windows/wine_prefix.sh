# Makes the private Wine prefix of the Windows tests once (about 10 s).
source "$(dirname "$0")/wine_lib.sh"
need_display
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  rm -rf "$WINEPREFIX"
  wine_run 150 wineboot -i >"$QV_WINE_TMP/wineboot.log" 2>&1 || fail "wineboot: $(cat "$QV_WINE_TMP/wineboot.log")"
  timeout 60 "$(dirname "$WINE")/wineserver" -w 2>/dev/null || true
fi
[ -f "$WINEPREFIX/system.reg" ] || fail "no prefix made at $WINEPREFIX"
