#!/usr/bin/env bash
# End-to-end check with a real assistive-technology client: the running program is read through
# the AT-SPI accessibility bus while real X input events type a locator and press Calculate.
#   atspi_e2e.sh PATH_TO_TARVOLIN
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

# A private session bus and a private display, so that nothing of the machine's is touched.
if [ -z "${TARVOLIN_E2E_SESSION:-}" ]; then
  export TARVOLIN_E2E_SESSION=1
  exec dbus-run-session -- "$here/xvfb_run.sh" "$0" "$@"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$program" &
app=$!
trap 'kill "$app" "$launcher" 2>/dev/null || true' EXIT
# Debian's own Python: that is where python3-pyatspi lives.
/usr/bin/python3 "$here/atspi_e2e.py"
