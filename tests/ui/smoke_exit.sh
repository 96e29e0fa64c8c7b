#!/usr/bin/env bash
# Starts the real program on a virtual display, waits for its window, presses Exit with a real
# mouse click and checks that the program ended with status 0. The time limits only catch a hang:
# a busy machine must not fail this test.
#   smoke_exit.sh PATH_TO_TARVOLIN
set -euo pipefail
program=$1
if [ -z "${DISPLAY:-}" ]; then exec "$(dirname "$0")/xvfb_run.sh" "$0" "$@"; fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 400); do
  window=$(xdotool search --onlyvisible --name '^Tarvolin utility 1.1 - QZ9XQW$' 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && break
  sleep 0.05
done
[ -n "$window" ] || { echo "FAIL: the window did not appear"; exit 1; }

# Exit is 97 x 25 pixels at (344, 200) of the client area; click its middle.
xdotool mousemove --window "$window" 392 212 click 1
for _ in $(seq 200); do
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
    echo "PASS: Exit ended the program with status 0"
    exit 0
  fi
  sleep 0.05
done
echo "FAIL: still running ten seconds after Exit"
exit 1
