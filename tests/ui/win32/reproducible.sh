#!/usr/bin/env bash
# Two builds of one commit give the same program file and the same zip, for 64-bit and for 32-bit
# Windows: each exe that scripts/package-windows built (build-windows-release/,
# build-windows-release-x86/) against a build of its own in another folder, and each zip packed
# twice from the same commit.
#   reproducible.sh PROJECT_ROOT
set -euo pipefail
root=$1
source "$root/scripts/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0)}
failed=0

"$root/scripts/package-windows" "$work/first" >"$work/log" 2>&1 || { tail -n 30 "$work/log"; exit 1; }
"$root/scripts/package-windows" "$work/second" >>"$work/log" 2>&1 || { tail -n 30 "$work/log"; exit 1; }
for arch in x64 x86; do
  cmake -S "$root" -B "$work/elsewhere-$arch" -DCMAKE_TOOLCHAIN_FILE="$(windows_toolchain "$arch")" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >>"$work/log" 2>&1
  cmake --build "$work/elsewhere-$arch" --target tarvolin --parallel "$(nproc)" >>"$work/log" 2>&1 ||
    { tail -n 30 "$work/log"; exit 1; }
  if cmp "$(windows_tree build-windows-release "$arch")/ui/win32/tarvolin.exe" "$work/elsewhere-$arch/ui/win32/tarvolin.exe"; then
    echo "PASS: the $arch tarvolin.exe built in two folders is the same, byte for byte"
  else
    echo "FAIL: two builds of the $arch tarvolin.exe differ"
    failed=1
  fi
  zip=$(cd "$work/first" && ls tarvolin-*-windows-"$arch".zip)
  if cmp "$work/first/$zip" "$work/second/$zip"; then
    echo "PASS: $zip packed twice is the same, byte for byte"
  else
    echo "FAIL: two packings of $zip differ"
    failed=1
  fi
done
exit "$failed"
