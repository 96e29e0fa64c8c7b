#!/usr/bin/env bash
# Compares the texts and working values of the Linux and the Windows build, case by case: the
# Linux tool's records stream into the Windows tool under Wine, which compares them with its own.
#   crosscheck.sh HOST_CROSSCHECK WINDOWS_CROSSCHECK.exe EMULATOR COUNT SEED
# Passes when every text matches; prints the working-value differences either way. When texts
# differ, both builds' texts and working values of those cases follow.
set -euo pipefail
host=$1 windows=$2 emulator=$3 count=$4 seed=$5
if [ ! -x "$host" ]; then
  echo "no Linux crosscheck at $host: build the Linux tree first (scripts/test does), or configure the" \
       "Windows tree without TARVOLIN_HOST_TOOLS_DIR to build one for the host" >&2
  exit 1
fi

status=0
out=$("$host" emit "$count" "$seed" | "$emulator" "$windows" compare "$count" "$seed") || status=$?
echo "$out"
if [ "$status" -eq 1 ]; then
  mapfile -t differing < <(sed -n 's/^TEXTS DIFFER, case \([0-9]*\):.*/\1/p' <<<"$out")
  echo "--- Linux"
  "$host" show "$count" "$seed" "${differing[@]}"
  echo "--- Windows"
  "$emulator" "$windows" show "$count" "$seed" "${differing[@]}"
fi
exit "$status"
