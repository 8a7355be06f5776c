# with_display CMD...: runs CMD with an X display; starts a private Xvfb when
# there is none, and stops it afterwards.
with_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    "$@"
    return
  fi
  local n=$((90 + RANDOM % 800)) status=0 log
  log=$(mktemp)
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$log" 2>&1 &
  local pid=$!
  for _ in $(seq 1 50); do
    DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  DISPLAY=":$n" "$@" || status=$?
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$log"
  return $status
}
