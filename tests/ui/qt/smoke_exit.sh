#!/usr/bin/env bash
# The real program from start to exit:
# - with no display, or displays named that do not answer, it says so in one line on standard
#   error and exits with status 1; with a platform chosen by QT_QPA_PLATFORM it starts;
# - on a virtual display, in a Wayland session whose compositor does not answer, it falls back to
#   X11; its window's WM_CLASS class is the desktop entry's StartupWMClass, which X11 docks match
#   to tie the window to its launcher and icon;
# - a real mouse click on Exit ends it with status 0.
# The time limits only catch a hang: a busy machine must not fail this test.
#   smoke_exit.sh PATH_TO_TARVOLIN PATH_TO_DESKTOP_ENTRY
set -euo pipefail
source "$(dirname "$0")/window.sh"
program=$1
desktop_entry=$2
if [ -z "${DISPLAY:-}" ]; then
  runtime=$(mktemp -d)
  trap 'rm -rf "$runtime"' EXIT
  # What the session names, and the words the one line must hold. Display 999 and port 6077 have
  # no server behind them here; the remote form is left to Qt, and caught when Qt fails.
  while IFS='|' read -r names expected; do
    status=0
    # shellcheck disable=SC2086
    stderr=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" $names "$program" 2>&1 >/dev/null) ||
      status=$?
    [ "$status" -eq 1 ] || { echo "FAIL: with ${names:-no display} the exit status is $status, not 1"; exit 1; }
    [ "$(wc -l <<<"$stderr")" -eq 1 ] && grep -qF "no display" <<<"$stderr" && grep -qF "$expected" <<<"$stderr" ||
      { echo "FAIL: with ${names:-no display} it said: $stderr"; exit 1; }
    echo "PASS: with ${names:-no display}: \"$stderr\", status 1"
  done <<'CASES'
|neither DISPLAY nor WAYLAND_DISPLAY is set
DISPLAY=:999|DISPLAY=:999 does not answer
DISPLAY=localhost:77|DISPLAY=localhost:77 does not answer
WAYLAND_DISPLAY=wayland-9 XDG_SESSION_TYPE=wayland|WAYLAND_DISPLAY=wayland-9 does not answer
DISPLAY=:999 WAYLAND_DISPLAY=wayland-9|DISPLAY=:999 and WAYLAND_DISPLAY=wayland-9 do not answer
CASES
  # A platform chosen by name needs no display: the program starts.
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$program" 2>/dev/null &
  offscreen=$!
  sleep 1
  kill -0 "$offscreen" 2>/dev/null || { echo "FAIL: with QT_QPA_PLATFORM=offscreen the program did not start"; exit 1; }
  kill "$offscreen"
  rm -rf "$runtime"
  exec "$(dirname "$0")/xvfb_run.sh" "$0" "$@"
fi

# A Wayland session whose compositor is gone: the window comes up on X11 all the same.
WAYLAND_DISPLAY=wayland-9 XDG_SESSION_TYPE=wayland "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(wait_for_window) || { echo "FAIL: the window did not appear on X11 beside a Wayland that does not answer"; exit 1; }
echo "PASS: a Wayland that does not answer falls back to X11"

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
