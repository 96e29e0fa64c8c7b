#!/usr/bin/env bash
# A Windows exe must import only DLLs that every Windows has: its C++ runtime is linked in (-static).
#   check_imports.sh OBJDUMP PROGRAM.exe
# Prints the DLLs it imports; fails naming each one that is not a system DLL.
set -euo pipefail
objdump=$1 exe=$2

# System DLLs the program may use (upper case). msvcrt.dll is the C runtime every Windows has.
allowed=" KERNEL32.DLL USER32.DLL GDI32.DLL MSVCRT.DLL OLE32.DLL OLEAUT32.DLL WINDOWSCODECS.DLL \
COMCTL32.DLL OLEACC.DLL VERSION.DLL ADVAPI32.DLL SHELL32.DLL SHLWAPI.DLL UXTHEME.DLL DWMAPI.DLL \
IMM32.DLL UIAUTOMATIONCORE.DLL "

dump=$("$objdump" -p "$exe")
mapfile -t dlls < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
if [ ${#dlls[@]} -eq 0 ]; then
  echo "FAIL: no import table found in $exe" >&2
  exit 1
fi
echo "$(basename "$exe") imports: ${dlls[*]}"
status=0
for dll in "${dlls[@]}"; do
  if [[ "$allowed" != *" ${dll^^} "* ]]; then
    echo "not a system DLL: $dll" >&2
    status=1
  fi
done
exit $status
