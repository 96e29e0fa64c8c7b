#!/usr/bin/env bash
# Two builds of one commit give the same program file and the same zip: the exe that
# scripts/package-windows built (build-windows-release/) against a build of its own in another
# folder, and the zip packed twice from the same commit.
#   reproducible.sh PROJECT_ROOT
set -euo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0)}
failed=0

"$root/scripts/package-windows" "$work/first" >"$work/log" 2>&1 || { tail -n 30 "$work/log"; exit 1; }
"$root/scripts/package-windows" "$work/second" >>"$work/log" 2>&1 || { tail -n 30 "$work/log"; exit 1; }
cmake -S "$root" -B "$work/elsewhere" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >>"$work/log" 2>&1
cmake --build "$work/elsewhere" --target tarvolin --parallel "$(nproc)" >>"$work/log" 2>&1 || { tail -n 30 "$work/log"; exit 1; }

if cmp "$root/build-windows-release/ui/win32/tarvolin.exe" "$work/elsewhere/ui/win32/tarvolin.exe"; then
  echo "PASS: tarvolin.exe built in two folders is the same, byte for byte"
else
  echo "FAIL: two builds of tarvolin.exe differ"
  failed=1
fi
zip=$(cd "$work/first" && ls tarvolin-*-windows-x64.zip)
if cmp "$work/first/$zip" "$work/second/$zip"; then
  echo "PASS: $zip packed twice is the same, byte for byte"
else
  echo "FAIL: two packings of $zip differ"
  failed=1
fi
exit "$failed"
