#!/usr/bin/env bash
# End-to-end check with a real assistive-technology client: the running program is read through
# the AT-SPI accessibility bus while real X input events type a locator and press Calculate.
#   atspi_e2e.sh PATH_TO_TARVOLIN
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${TARVOLIN_ACCESSIBILITY_BUS:-}" ]; then exec "$here/with_accessibility_bus.sh" "$0" "$@"; fi
"$1" &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT
# Debian's own Python: that is where python3-pyatspi lives.
/usr/bin/python3 "$here/atspi_e2e.py"
