#!/usr/bin/env bash
# The over-length message box under a real window manager (openbox) on a virtual display: its
# title "Tarvolin_11", which is all the box says, shows whole in the title bar. The title's ink is
# cut out of the bar (the bar with the title against the same bar with a blank title) and
# compared with the same title drawn by the window manager in the bar of the wide main window: an
# elided "..." or a cut title differs.
#   message_box_title_e2e.sh PATH_TO_TARVOLIN
set -euo pipefail
source "$(dirname "$0")/window.sh"
program=$1
if [ -z "${DISPLAY:-}" ]; then exec "$(dirname "$0")/xvfb_run.sh" "$0" "$@"; fi
work=${KEEP:-$(mktemp -d)}
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

# A configuration of openbox's own, so that nothing of the machine's is read.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done

"$program" >/dev/null 2>&1 &
pids+=($!)
main=$(wait_for_window) || { echo "FAIL: the window did not appear"; exit 1; }
xdotool windowactivate --sync "$main"
# Text3 at (336, 24), Text5 at (336, 56), Calculate at (232, 200): all 25 pixels high.
xdotool mousemove --window "$main" 376 36 click 1 key ctrl+a type FN31PRX
xdotool mousemove --window "$main" 376 68 click 1 type IO91WM
xdotool mousemove --window "$main" 284 212 click 1
box=""
for _ in $(seq 200); do
  box=$(xdotool search --onlyvisible --name '^Tarvolin_11$' 2>/dev/null | head -n 1) || true
  [ -n "$box" ] && break
  sleep 0.05
done
[ -n "$box" ] || { echo "FAIL: the message box did not appear"; exit 1; }

# Writes the title bar of window $1 into $2: the strip of the frame above the client area.
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

title_ink "$box" Tarvolin_11 "$work/box.png"
xdotool windowactivate --sync "$box" key Return
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Tarvolin_11$' >/dev/null 2>&1 || break; sleep 0.05; done
xdotool windowactivate --sync "$main"
title_ink "$main" Tarvolin_11 "$work/reference.png"

shown=$(identify -format '%wx%h' "$work/box.png")
whole=$(identify -format '%wx%h' "$work/reference.png")
[ "$shown" = "$whole" ] || { echo "FAIL: the box's title shows $shown pixels of ink, the whole title $whole"; exit 1; }
differing=$(compare -fuzz 15% -metric AE "$work/box.png" "$work/reference.png" null: 2>&1 || true)
[ "$differing" = 0 ] || { echo "FAIL: $differing pixels of the box's title differ from the whole title"; exit 1; }
echo "PASS: the message box shows its whole title, $whole pixels of ink, under openbox"
