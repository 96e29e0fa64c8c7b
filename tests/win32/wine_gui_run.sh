#!/usr/bin/env bash
# Runs a Windows program that opens windows under Wine, on a virtual X display of its own and in a
# Wine prefix given to programs with windows, then waits until Wine has ended there, so that the
# next such run finds no Wine server tied to a display that is gone.
#   wine_gui_run.sh PREFIX PROGRAM.exe [ARGS...]
# Windows programs in one Wine server share a clipboard, a foreground window and a desktop, so the
# tests that use this take turns (CTest's RESOURCE_LOCK), apart from the windowless tests, which
# keep the build tree's own prefix. The prefix's windows are not left to a window manager (there
# is none on the virtual display): Wine would otherwise wait two seconds for one each time a
# window it showed is hidden or destroyed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
export TARVOLIN_WINEPREFIX=$1
shift
if [ -z "${DISPLAY:-}" ]; then exec "$root/tests/ui/qt/xvfb_run.sh" "$0" "$TARVOLIN_WINEPREFIX" "$@"; fi
if [ ! -f "$TARVOLIN_WINEPREFIX/.tarvolin-unmanaged" ]; then
  "$root/scripts/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  touch "$TARVOLIN_WINEPREFIX/.tarvolin-unmanaged"
fi
status=0
"$root/scripts/wine-run" "$@" || status=$?
WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -w
exit "$status"
