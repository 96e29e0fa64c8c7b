#!/usr/bin/env bash
# The over-length message box of tarvolin.exe under Wine with a real window manager (openbox) on
# a virtual display, as a user sees it, at each DPI given: its title "Tarvolin_11", which is all
# the box says, shows whole in the title bar that openbox draws. The title's ink is cut out of
# the bar (the bar with the title against the same bar with a blank title) and compared with the
# same title drawn by openbox in the bar of the wide main window: an elided "Tar...11" or a cut
# title differs. The tests/ui/qt/message_box_title_e2e.sh of the Qt program, for Windows.
#   message_box_title_e2e.sh PREFIX TARVOLIN.exe SHOTS_DIR DPI...
# PREFIX is a Wine prefix of its own, whose windows openbox manages; the screenshots of the bars
# stay in SHOTS_DIR.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
source "$root/tests/ui/qt/window.sh"
if [ -z "${DISPLAY:-}" ]; then exec "$root/tests/ui/qt/xvfb_run.sh" "$0" "$@"; fi
export TARVOLIN_WINEPREFIX=$1
program=$2 shots=$3
shift 3
wine_run=$root/scripts/wine-run
mkdir -p "$shots"
work=$(mktemp -d)
pids=()
finish() {
  kill "${pids[@]}" 2>/dev/null || true
  WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

start_openbox "$work"
pids+=("$openbox_pid")

box_window() { xdotool search --onlyvisible --name '^Tarvolin_11$' 2>/dev/null | head -n 1 || true; }

for dpi in "$@"; do
  "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -w
  "$wine_run" "$program" &
  pid=$!
  pids+=("$pid")
  main=$(wait_for_window 30) || { fail "the window did not appear at $dpi dpi"; continue; }
  xdotool windowactivate --sync "$main"
  sleep 0.5
  # From the compass: the bearing, the first locator (seven characters), the second (six: Enter
  # is Calculate from then on).
  xdotool key Tab Tab End shift+Home
  xdotool type --delay 30 FN31PRX
  xdotool key Tab
  xdotool type --delay 30 IO91WM
  xdotool key Return
  box=""
  for _ in $(seq 200); do box=$(box_window); [ -n "$box" ] && break; sleep 0.05; done
  if [ -z "$box" ]; then
    fail "no message box at $dpi dpi"
  else
    title_bar "$box" "$shots/box-title-${dpi}dpi.png"
    title_ink "$box" Tarvolin_11 "$work/box.png"
    xdotool windowactivate --sync "$box" key Return
    for _ in $(seq 100); do [ -z "$(box_window)" ] && break; sleep 0.05; done
    xdotool windowactivate --sync "$main"
    title_ink "$main" Tarvolin_11 "$work/reference.png"
    why=$(same_ink "$work/box.png" "$work/reference.png") || fail "at $dpi dpi in the message box $why"
  fi
  xdotool windowactivate --sync "$main" key Escape
  for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "Escape did not close the window at $dpi dpi"
    kill "$pid"
    WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -k
  fi
  WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -w
done
[ "$failed" -eq 0 ] && echo "PASS: the message box shows its whole title under openbox at $* dpi"
exit "$failed"
