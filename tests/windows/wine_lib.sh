# Shared pieces of the Wine tests (sourced). The environment comes from
# ctest: QV_WINE_PREFIX, QV_WINE_TMP, QV_SCR and the helper programs.
set -Eeuo pipefail
# A command that fails outside a test's own checks ends the script too: say which.
trap 'echo "FAIL (${0##*/} line $LINENO): \"$BASH_COMMAND\" failed" >&2' ERR
export LC_ALL=C

export WINEPREFIX=$QV_WINE_PREFIX WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer dialogs.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64; else WINE=$(command -v wine64 || command -v wine); fi
readonly QV_KEY='HKCU\Software\Quorvan 3D Screensaver'
readonly QV_TITLE='Quorvan 3D Screensaver Configuration'
mkdir -p "$QV_WINE_TMP"

# fail MESSAGE: ends the test, naming the test script's line that failed.
fail() {
  echo "FAIL (${BASH_SOURCE[-1]##*/} line ${BASH_LINENO[-2]}): $*" >&2
  exit 1
}

need_display() {
  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    echo "no X display: skipped"
    exit 77
  fi
}

# wine_run SECONDS PROGRAM ARGS...: runs a Windows program, killed after
# SECONDS; its status is the program's (124 after the time-out).
wine_run() {
  local seconds=$1
  shift
  timeout -k 5 "$seconds" "$WINE" "$@"
}

# Background programs started by a test; the exit trap ends what is left
# (their time-out process, which passes the signal on to the program).
started=()
cleanup() {
  local log
  for log in "${started[@]}"; do
    [ -s "$log.status" ] || kill "$(cat "$log.pid" 2>/dev/null)" 2>/dev/null || true
  done
}
trap cleanup EXIT

# wine_start SECONDS LOG PROGRAM ARGS...: starts a program in the
# background; its exit status goes to LOG.status when it ends.
wine_start() {
  local seconds=$1 log=$2
  shift 2
  rm -f "$log.status" "$log.pid"
  : >"$log"
  (
    timeout -k 5 "$seconds" "$WINE" "$@" >"$log" 2>&1 &
    echo $! >"$log.pid"
    status=0
    wait $! || status=$?
    echo "$status" >"$log.status"
  ) &
  started+=("$log")
  until [ -s "$log.pid" ]; do sleep 0.05; done
}

# wait_status LOG SECONDS: waits for the program of wine_start to end and
# prints its status ("running" when it did not end in time).
wait_status() {
  local log=$1 tries=$(($2 * 10))
  while [ ! -s "$log.status" ] && [ "$tries" -gt 0 ]; do
    sleep 0.1
    tries=$((tries - 1))
  done
  if [ -s "$log.status" ]; then cat "$log.status"; else echo running; fi
}

# wait_window TITLE SECONDS: prints the X window id of the first window
# with exactly this title once it is mapped; fails when none comes.
wait_window() {
  local title=$1 tries=$(($2 * 10)) id
  while [ "$tries" -gt 0 ]; do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
    tries=$((tries - 1))
  done
  fail "no window \"$title\" within $2 s"
}

# wait_no_window TITLE SECONDS
wait_no_window() {
  local title=$1 tries=$(($2 * 10))
  while xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
    [ "$tries" -gt 0 ] || fail "window \"$title\" still open after $2 s"
    sleep 0.1
    tries=$((tries - 1))
  done
}

# press_keys WINDOW KEY...: real key presses on the X side, to the window.
press_keys() {
  local window=$1
  shift
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
  sleep 0.3
  xdotool key "$@"
}

screenshot() { import -window root "$1"; }

# unique_colours SHOT W H X Y: the number of distinct colours in a region.
unique_colours() {
  convert "$1" -crop "$2x$3+$4+$5" +repage -format %k info:
}

# pixel SHOT X Y: the colour at one point as "R,G,B" (0..255).
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

probe() { wine_run 20 "$QV_DIALOG_PROBE" "$@" | tr -d '\r'; }

reg_clear() { wine_run 30 reg delete "$QV_KEY" /f >/dev/null 2>&1 || true; }

reg_set() { wine_run 30 reg add "$QV_KEY" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null; }

# reg_values: "Name decimal-value" for every REG_DWORD under the key.
reg_values() {
  local name type value
  wine_run 30 reg query "$QV_KEY" 2>/dev/null | tr -d '\r' | while read -r name type value; do
    if [ "$type" = REG_DWORD ]; then echo "$name $((value))"; fi
  done | sort
}

# expect_line TEXT LINE: TEXT holds LINE exactly.
expect_line() {
  grep -qxF -- "$2" <<<"$1" || fail "expected the line \"$2\" in:
$1"
}
