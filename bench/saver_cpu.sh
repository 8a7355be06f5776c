#!/bin/bash
# CPU use of the Linux program in a small window under a virtual X server:
# starts BINARY --window 160x120 with its own settings file (FrameLimit as
# given, everything else the defaults), lets the loading and the intro pass,
# then reads the process's user and system time from /proc/PID/stat over the
# measured seconds and prints them as a percentage of one core.
# usage: bench/saver_cpu.sh BINARY QVTOOL [FRAME_LIMIT [SETTLE_S [MEASURE_S]]]
set -eu
binary=$1 qvtool=$2 limit=${3:-0} settle=${4:-15} measure=${5:-10}
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/lib/display.sh"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config
"$qvtool" settings set FrameLimit "$limit" >/dev/null
for setting in ${QV_SETTINGS:-}; do "$qvtool" settings set "${setting%%=*}" "${setting#*=}" >/dev/null; done

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

measure() {
  "$binary" --window 160x120 >/dev/null 2>&1 &
  local pid=$!
  sleep "$settle"
  local before after
  before=$(cpu_ticks "$pid")
  sleep "$measure"
  after=$(cpu_ticks "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  local hz
  hz=$(getconf CLK_TCK)
  awk -v t=$((after - before)) -v hz="$hz" -v s="$measure" -v l="$limit" \
    'BEGIN { printf "FrameLimit=%s: %.2f s of CPU in %s s: %.1f %% of one core\n", l, t / hz, s, 100 * t / hz / s }'
}
with_display measure
