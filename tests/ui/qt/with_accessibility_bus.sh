#!/usr/bin/env bash
# Runs a command as an assistive tool sees the desktop: on a private session bus with its own
# accessibility bus, on a private virtual display, with Qt's accessibility bridge switched on.
#   with_accessibility_bus.sh COMMAND [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${TARVOLIN_ACCESSIBILITY_BUS:-}" ]; then
  export TARVOLIN_ACCESSIBILITY_BUS=1
  exec dbus-run-session -- "$here/xvfb_run.sh" "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "$launcher" 2>/dev/null || true' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
status=0
"$@" || status=$?
exit "$status"
