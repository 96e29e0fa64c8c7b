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

start_openbox "$work"
pids+=("$openbox_pid")

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

title_ink "$box" Tarvolin_11 "$work/box.png"
xdotool windowactivate --sync "$box" key Return
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Tarvolin_11$' >/dev/null 2>&1 || break; sleep 0.05; done
xdotool windowactivate --sync "$main"
title_ink "$main" Tarvolin_11 "$work/reference.png"

why=$(same_ink "$work/box.png" "$work/reference.png") || { echo "FAIL: in the message box $why"; exit 1; }
echo "PASS: the message box shows its whole title, $(identify -format '%wx%h' "$work/reference.png") pixels of ink, under openbox"
