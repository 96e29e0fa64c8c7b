#!/usr/bin/env bash
# An exe for Windows 7 SP1 and later imports nothing that came after Windows 7 SP1: no DLL and no
# function of the list (later_than_windows7.txt beside this script), the imports of the C runtime
# and the threading library that are linked in (-static) included.
#   check_windows7_imports.sh OBJDUMP PROGRAM.exe [LIST]
# Prints how many functions it imports; fails naming each import that the list holds.
set -euo pipefail
objdump=$1 exe=$2
list=${3:-$(dirname "$0")/later_than_windows7.txt}

# "DLL" for each imported DLL, then "DLL!Function" for each function imported from it.
mapfile -t imports < <("$objdump" -p "$exe" | awk '
  /^\tDLL Name: / { dll = $3; print dll; next }
  dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ { print dll "!" $3; next }
  { if ($0 !~ /Hint\/Ord/) dll = "" }')
if [ ${#imports[@]} -eq 0 ]; then
  echo "FAIL: no import table found in $exe" >&2
  exit 1
fi

# The list's entries: a name (a DLL pattern, or DLL!Function) and the version that brought it.
names=() since=()
while read -r name version; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  names+=("$name")
  since+=("$version")
done <"$list"

shopt -s nocasematch
status=0 functions=0
for import in "${imports[@]}"; do
  [[ "$import" == *!* ]] && functions=$((functions + 1))
  for i in "${!names[@]}"; do
    # The pattern unquoted: a DLL family's * matches.
    # shellcheck disable=SC2053
    if [[ "$import" == ${names[$i]} ]]; then
      echo "later than Windows 7 SP1: ${import/!/ } (${since[$i]})" >&2
      status=1
    fi
  done
done
echo "$(basename "$exe") imports $functions functions; $([ $status -eq 0 ] && echo "none" || echo "some") later than Windows 7 SP1"
exit $status
