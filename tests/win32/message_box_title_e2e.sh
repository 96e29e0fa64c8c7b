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
root=$(cd "$here/../.." && pwd)
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

# A configuration of openbox's own, so that nothing of the machine's is read.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done

box_window() { xdotool search --onlyvisible --name '^Tarvolin_11$' 2>/dev/null | head -n 1 || true; }

# Writes the title bar of window $1 into $2: the strip of openbox's frame above the client area.
title_bar() {
  local x y width left right top
  x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  width=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
  read -r left right top _ < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  sleep 0.3  # drawn
  import -window root -crop "$((width + left + right))x${top}+$((x - left))+$((y - top))" +repage "$2"
}

# Writes the ink of window $1's title $2 into $3.
title_ink() {
  xdotool set_window --name "$2" "$1"
  title_bar "$1" "$work/titled.png"
  xdotool set_window --name " " "$1"  # an empty name would show as "Unnamed Window"
  title_bar "$1" "$work/blank.png"
  local bounds
  bounds=$(convert "$work/titled.png" "$work/blank.png" -compose difference -composite -threshold 8% -trim -format '%wx%h%O' info:)
  convert "$work/titled.png" -crop "$bounds" +repage "$3"
}

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
    shown=$(identify -format '%wx%h' "$work/box.png")
    whole=$(identify -format '%wx%h' "$work/reference.png")
    if [ "$shown" != "$whole" ]; then
      fail "at $dpi dpi the box's title shows $shown pixels of ink, the whole title $whole"
    else
      differing=$(compare -fuzz 15% -metric AE "$work/box.png" "$work/reference.png" null: 2>&1 || true)
      [ "$differing" = 0 ] || fail "at $dpi dpi $differing pixels of the box's title differ from the whole title"
    fi
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
