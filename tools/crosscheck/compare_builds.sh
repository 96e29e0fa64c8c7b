#!/usr/bin/env bash
# Compares the texts and working values of this machine's Linux build and a cross build (Windows
# under Wine, Linux on another processor under qemu-user), case by case: the host tool's records
# stream into the cross build's tool under its emulator, which compares them with its own.
#   compare_builds.sh HOST_CROSSCHECK CROSS_CROSSCHECK COUNT SEED EMULATOR [EMULATOR_ARGS...]
# Passes when every text matches; prints the working-value differences either way. When texts
# differ, both builds' texts and working values of those cases follow.
set -euo pipefail
host=$1 cross=$2 count=$3 seed=$4
shift 4
emulator=("$@")
if [ ! -x "$host" ]; then
  echo "no host crosscheck at $host: build the Linux tree first (scripts/test does), or configure the" \
       "cross tree without TARVOLIN_HOST_TOOLS_DIR to build one for the host" >&2
  exit 1
fi

status=0
out=$("$host" emit "$count" "$seed" | "${emulator[@]}" "$cross" compare "$count" "$seed") || status=$?
echo "$out"
if [ "$status" -eq 1 ]; then
  mapfile -t differing < <(sed -n 's/^TEXTS DIFFER, case \([0-9]*\):.*/\1/p' <<<"$out")
  echo "--- this machine's build"
  "$host" show "$count" "$seed" "${differing[@]}"
  echo "--- the cross build"
  "${emulator[@]}" "$cross" show "$count" "$seed" "${differing[@]}"
fi
exit "$status"
