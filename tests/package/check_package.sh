#!/usr/bin/env bash
# Builds the Debian packages the way scripts/package does (with Qt as the only library the build
# may find) and checks each as Debian would: its control fields, its files, and lintian. On amd64
# the arm64 package too: the same files and fields, its own Depends, and its program, unpacked into
# an arm64 root that holds nothing but those Depends, starts and ends there under qemu-user
# (smoke_exit.sh).
#   check_package.sh PROJECT_VERSION
set -euo pipefail
version=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib.sh"
dist=$(mktemp -d)
trap 'rm -rf "$dist"' EXIT
"$root/scripts/package" "$dist" >"$dist/build.log" 2>&1 || { tail -n 40 "$dist/build.log"; echo "FAIL: scripts/package"; exit 1; }
failed=0
fail() { echo "FAIL: $*"; failed=1; }
# Every variable the script hands CMake is one the build uses, and the build gives no warning.
grep -q "Manually-specified variables were not used" "$dist/build.log" && fail "scripts/package passes CMake unused variables"
grep -E "warning:" "$dist/build.log" && fail "the release build gives compiler warnings"

id=org.tarvolin.Tarvolin
# check_deb ARCH: the package tarvolin_VERSION_ARCH.deb.
check_deb() {
  local arch=$1
  deb=$dist/tarvolin_${version}_$arch.deb
  [ -f "$deb" ] || { fail "no $(basename "$deb") among: $(cd "$dist" && echo *.deb)"; return; }
  field() { dpkg-deb --field "$deb" "$1"; }
  [ "$(field Package)" = tarvolin ] || fail "Package is $(field Package)"
  [ "$(field Version)" = "$version" ] || fail "Version is $(field Version), the project's is $version"
  [ "$(field Section)" = hamradio ] || fail "Section is $(field Section)"
  [ "$(field Architecture)" = "$arch" ] || fail "Architecture is $(field Architecture) in $(basename "$deb")"
  field Depends | grep -q 'libqt6widgets6 (>= ' || fail "Depends lacks Qt Widgets from dpkg-shlibdeps: $(field Depends)"
  for recommended in qt6-translations-l10n qt6-wayland; do
    field Recommends | grep -qw "$recommended" || fail "Recommends lacks $recommended"
  done

  contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
  for file in usr/bin/tarvolin usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
              usr/share/icons/hicolor/{24x24,48x48,128x128,256x256}/apps/$id.png \
              usr/share/man/man1/tarvolin.1.gz usr/share/doc/tarvolin/copyright usr/share/doc/tarvolin/changelog.gz; do
    grep -qx "\./$file" <<<"$contents" || fail "missing /$file"
  done

  unpacked=$dist/root-$arch
  dpkg-deb --extract "$deb" "$unpacked"
  desktop=$unpacked/usr/share/applications/$id.desktop
  grep -qx 'Exec=tarvolin' "$desktop" || fail "the menu entry does not start tarvolin from the PATH"
  grep -qx 'StartupWMClass=tarvolin' "$desktop" || fail "the menu entry lacks StartupWMClass=tarvolin"
  grep -q 'LicenseRef-proprietary' "$unpacked/usr/share/doc/tarvolin/copyright" || fail "copyright names another licence"
  zcat "$unpacked/usr/share/man/man1/tarvolin.1.gz" | grep -q 'takes no options' || fail "manual page"

  # Lintian: no errors and no warnings (information notes are allowed).
  lintian --no-tag-display-limit "$deb" >"$dist/lintian-$arch.txt" 2>&1 || true
  if grep -E '^[EW]: ' "$dist/lintian-$arch.txt"; then fail "lintian ($arch)"; fi
}

native=$(dpkg --print-architecture)
check_deb "$native"
[ "$native" = amd64 ] || { [ "$failed" -eq 0 ] && echo "PASS: $(basename "$deb"): fields, files and lintian; built with Qt alone"; exit "$failed"; }
check_deb arm64
amd64=$dist/tarvolin_${version}_amd64.deb arm64=$dist/tarvolin_${version}_arm64.deb
# The same files, and the same fields but for those of the architecture.
[ "$(dpkg-deb --contents "$amd64" | awk '{print $NF}')" = "$(dpkg-deb --contents "$arm64" | awk '{print $NF}')" ] ||
  fail "the arm64 package's files are not the amd64 one's"
common_fields() { dpkg-deb --field "$1" | grep -Ev '^(Architecture|Depends|Installed-Size):'; }
[ "$(common_fields "$amd64")" = "$(common_fields "$arm64")" ] || fail "the packages' fields differ:"$'\n'"$(
  diff <(common_fields "$amd64") <(common_fields "$arm64"))"
# Built against bookworm: no glibc newer than Raspberry Pi OS bookworm's 2.36.
libc=$(dpkg-deb --field "$arm64" Depends | sed -n 's/.*libc6 (>= \([^)]*\)).*/\1/p')
[ -n "$libc" ] && dpkg --compare-versions "$libc" le 2.36 || fail "the arm64 package asks for libc6 (>= ${libc:-?})"

# A root with the Depends alone (each first alternative), kept between runs; the package unpacked
# into a copy of it, and its program started there.
depends=$(dpkg-deb --field "$arm64" Depends | tr ',' '\n' | sed 's/|.*//; s/(.*)//; s/[[:space:]]//g' | sort | tr '\n' ' ')
# shellcheck disable=SC2086
depends_root=$(ensure_arm64_root arm64-tarvolin-depends $depends) || { echo "FAIL: no root of the Depends"; exit 1; }
fresh=$dist/fresh-arm64
cp -al "$depends_root" "$fresh"
dpkg-deb --extract "$arm64" "$fresh"
printf '#!/bin/sh\nexec "%s" "%s" "%s" "$@"\n' "$root/scripts/qemu-run" "$fresh" "$fresh/usr/bin/tarvolin" >"$dist/tarvolin"
chmod +x "$dist/tarvolin"
env DISPLAY= WAYLAND_DISPLAY= "$root/tests/ui/qt/smoke_exit.sh" "$dist/tarvolin" "$fresh/usr/share/applications/$id.desktop" ||
  fail "the arm64 program, installed in a root with its Depends alone ($depends), did not start and end as it should"

[ "$failed" -eq 0 ] && echo "PASS: tarvolin_${version}_{amd64,arm64}.deb: fields, files and lintian, built with Qt alone; the" \
  "same files and fields; the arm64 program starts and ends in a root of its Depends alone ($depends)"
exit "$failed"
