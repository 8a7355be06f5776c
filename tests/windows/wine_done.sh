# Waits for the tests' Wine server to end by itself (a few seconds after the
# last program), so nothing of the prefix outlives the X display.
source "$(dirname "$0")/wine_lib.sh"
timeout 60 "$(dirname "$WINE")/wineserver" -w 2>/dev/null || true
