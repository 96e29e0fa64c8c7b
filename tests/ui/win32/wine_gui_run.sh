#!/usr/bin/env bash
# Runs a Windows program that opens windows under Wine, on a virtual X display of its own and in a
# Wine prefix given to programs with windows, then waits until Wine has ended there, so that the
# next such run finds no Wine server tied to a display that is gone.
#   wine_gui_run.sh [--dpi DPI] [--windows VERSION] PREFIX PROGRAM.exe [ARGS...]
# --dpi and --windows set the prefix's DPI and the Windows version that Wine reports (its own
# names: win7, win81, win10), once, before the program's first run there.
# Windows programs in one Wine server share a clipboard, a foreground window and a desktop, so the
# tests that use this take turns (CTest's RESOURCE_LOCK), apart from the windowless tests, which
# keep the build tree's own prefix. The prefix's windows are not left to a window manager (there
# is none on the virtual display): Wine would otherwise wait two seconds for one each time a
# window it showed is hidden or destroyed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
options=()
while [ "${1:-}" = --dpi ] || [ "${1:-}" = --windows ]; do
  options+=("$1" "$2")
  case $1 in --dpi) dpi=$2 ;; --windows) windows=$2 ;; esac
  shift 2
done
export TARVOLIN_WINEPREFIX=$1
shift
if [ -z "${DISPLAY:-}" ]; then exec "$root/tests/ui/qt/xvfb_run.sh" "$0" "${options[@]}" "$TARVOLIN_WINEPREFIX" "$@"; fi
if [ ! -f "$TARVOLIN_WINEPREFIX/.tarvolin-unmanaged" ]; then
  "$root/scripts/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  touch "$TARVOLIN_WINEPREFIX/.tarvolin-unmanaged"
fi
settings="$TARVOLIN_WINEPREFIX/.tarvolin-dpi-${dpi:-}-windows-${windows:-}"
if [ ${#options[@]} -gt 0 ] && [ ! -f "$settings" ]; then
  [ -n "${dpi:-}" ] && "$root/scripts/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  [ -n "${windows:-}" ] && "$root/scripts/wine-run" reg add 'HKCU\Software\Wine' /v Version /d "$windows" /f >/dev/null
  WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -w  # the new DPI holds from the next server on
  touch "$settings"
fi
status=0
"$root/scripts/wine-run" "$@" || status=$?
WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -w
exit "$status"
