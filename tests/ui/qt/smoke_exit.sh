#!/usr/bin/env bash
# The real program from start to exit:
# - with no display, it says so in one line on standard error and exits with status 1; with a
#   platform chosen by QT_QPA_PLATFORM it starts;
# - on a virtual display, its window's WM_CLASS class is the desktop entry's StartupWMClass, which
#   X11 docks match to tie the window to its launcher and icon;
# - a real mouse click on Exit ends it with status 0.
# The time limits only catch a hang: a busy machine must not fail this test.
#   smoke_exit.sh PATH_TO_TARVOLIN PATH_TO_DESKTOP_ENTRY
set -euo pipefail
source "$(dirname "$0")/window.sh"
program=$1
desktop_entry=$2
if [ -z "${DISPLAY:-}" ]; then
  status=0
  stderr=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 1 ] || { echo "FAIL: with no display the exit status is $status, not 1"; exit 1; }
  [ "$(wc -l <<<"$stderr")" -eq 1 ] && grep -q 'no display' <<<"$stderr" ||
    { echo "FAIL: with no display it said: $stderr"; exit 1; }
  echo "PASS: with no display: \"$stderr\", status 1"
  # A platform chosen by name needs no display: the program starts.
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$program" 2>/dev/null &
  offscreen=$!
  sleep 1
  kill -0 "$offscreen" 2>/dev/null || { echo "FAIL: with QT_QPA_PLATFORM=offscreen the program did not start"; exit 1; }
  kill "$offscreen"
  exec "$(dirname "$0")/xvfb_run.sh" "$0" "$@"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(wait_for_window) || { echo "FAIL: the window did not appear"; exit 1; }

# WM_CLASS(STRING) = "instance", "class"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
[ -n "$class" ] && [ "$class" = "$expected" ] ||
  { echo "FAIL: the window's class is \"$class\", the desktop entry's StartupWMClass \"$expected\""; exit 1; }
echo "PASS: WM_CLASS class \"$class\" is the desktop entry's StartupWMClass"

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
