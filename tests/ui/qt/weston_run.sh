#!/usr/bin/env bash
# Runs a command as a Wayland client of a Weston compositor of its own, on an 800 x 480 screen (the
# Raspberry Pi's 7-inch display), with Qt on its Wayland platform and no X display named.
#   weston_run.sh COMMAND [ARGS...]
# Weston draws with pixman on its X11 backend, on a virtual X display of its own: that backend's
# seat (Xvfb's keyboard and pointer) is the one a Wayland client gets its keys, clicks and clipboard
# from. (The headless backend has no seat at all, and Qt 6.4's Wayland client then crashes on the
# first key event that a test sends.) Weston runs with --debug, which lets weston-screenshooter
# take screenshots and weston-debug read the scene graph.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec "$here/xvfb_run.sh" "$0" "$@"; fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston=""
trap '[ -n "$weston" ] && { kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; }; rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --use-pixman --width=800 --height=480 --socket=wayland-tarvolin \
  --no-config --idle-time=0 --debug --log="$runtime/weston.log" &
weston=$!
# Up once the desktop shell's panel is in the scene.
for _ in $(seq 400); do
  kill -0 "$weston" 2>/dev/null || break
  XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-tarvolin timeout 5 weston-debug scene-graph 2>/dev/null | grep -q 'panel for output' &&
    break
  sleep 0.05
done
if ! kill -0 "$weston" 2>/dev/null; then
  echo "FAIL: weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-tarvolin QT_QPA_PLATFORM=wayland "$@" || status=$?
exit "$status"
