# quorvan3d refuses what it cannot show, at once and with a reason: no
# display at all (exit 1), and - on a display - a --window larger than it
# (exit 2). $1 is the program.
set -euo pipefail
program=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 10 "$program" >"$out" 2>&1 || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: without a display the exit status is $status, not 1" >&2; cat "$out" >&2; exit 1; }
grep -q "no display could be opened" "$out" || { echo "FAIL: no message without a display" >&2; cat "$out" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  status=0
  timeout 10 "$program" --window 16384x16384 >"$out" 2>&1 || status=$?
  [ "$status" -eq 2 ] || { echo "FAIL: a window beyond the display gives $status, not 2" >&2; cat "$out" >&2; exit 1; }
  grep -q "larger than the display" "$out" || { echo "FAIL: no message for the oversized window" >&2; exit 1; }
fi
echo "quorvan3d display checks: ok"
