#!/usr/bin/env bash
# Builds the Debian packages the way scripts/package does (with Qt as the only library the build
# may find) and checks each as Debian would: its control fields, its files, and lintian. On amd64
# the ARM packages too (arm64, armhf): the same files and fields, their own Depends, a program built
# for the processor and floating-point unit of the root's own libraries, and the program, unpacked
# into a root of the architecture that holds nothing but those Depends, starts and ends there
# under qemu-user (smoke_exit.sh).
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
amd64=$dist/tarvolin_${version}_amd64.deb

# A package's fields but for those of the architecture.
common_fields() { dpkg-deb --field "$1" | grep -Ev '^(Architecture|Depends|Installed-Size):'; }
# The processor, floating-point unit and calling convention the program was built for (the ARM
# build attributes; none on arm64).
build_attributes() {
  "$1-readelf" -A "$2" | grep -E 'Tag_(CPU_arch|FP_arch|Advanced_SIMD_arch|ABI_VFP_args):' || true
}

# check_cross_deb ARCH: the package for ARCH against the amd64 one, and its program in a root of ARCH.
check_cross_deb() {
  local arch=$1 cross triplet libc depends depends_root fresh
  check_deb "$arch"
  cross=$dist/tarvolin_${version}_$arch.deb
  [ -f "$cross" ] || return
  triplet=$(arm_triplet "$arch")
  # The same files, and the same fields but for those of the architecture.
  [ "$(dpkg-deb --contents "$amd64" | awk '{print $NF}')" = "$(dpkg-deb --contents "$cross" | awk '{print $NF}')" ] ||
    fail "the $arch package's files are not the amd64 one's"
  [ "$(common_fields "$amd64")" = "$(common_fields "$cross")" ] || fail "the packages' fields differ:"$'\n'"$(
    diff <(common_fields "$amd64") <(common_fields "$cross"))"
  # Built against bookworm: no glibc newer than Raspberry Pi OS bookworm's 2.36.
  libc=$(dpkg-deb --field "$cross" Depends | sed -n 's/.*libc6 (>= \([^)]*\)).*/\1/p')
  [ -n "$libc" ] && dpkg --compare-versions "$libc" le 2.36 || fail "the $arch package asks for libc6 (>= ${libc:-?})"

  # A root with the Depends alone (each first alternative), kept between runs; the package unpacked
  # into a copy of it, and its program started there.
  depends=$(dpkg-deb --field "$cross" Depends | tr ',' '\n' | sed 's/|.*//; s/(.*)//; s/[[:space:]]//g' | sort | tr '\n' ' ')
  # shellcheck disable=SC2086
  depends_root=$(ensure_arm_root "$arch" tarvolin-depends $depends) || { fail "no $arch root of the Depends"; return; }
  fresh=$dist/fresh-$arch
  cp -al "$depends_root" "$fresh"
  dpkg-deb --extract "$cross" "$fresh"
  # Built for what Debian's own libraries of the architecture are built for (armhf: ARMv7,
  # VFPv3-D16 without NEON, hard float), so that it runs wherever they do.
  [ "$(build_attributes "$triplet" "$fresh/usr/bin/tarvolin")" = \
    "$(build_attributes "$triplet" "$fresh/usr/lib/$triplet/libstdc++.so.6")" ] ||
    fail "the $arch program is built for another processor than Debian's libraries:"$'\n'"$(
      diff <(build_attributes "$triplet" "$fresh/usr/lib/$triplet/libstdc++.so.6") \
           <(build_attributes "$triplet" "$fresh/usr/bin/tarvolin"))"
  printf '#!/bin/sh\nexec "%s" %s "%s" "%s" "$@"\n' "$root/scripts/qemu-run" "$arch" "$fresh" "$fresh/usr/bin/tarvolin" \
    >"$dist/tarvolin-$arch"
  chmod +x "$dist/tarvolin-$arch"
  env DISPLAY= WAYLAND_DISPLAY= "$root/tests/ui/qt/smoke_exit.sh" "$dist/tarvolin-$arch" "$fresh/usr/share/applications/$id.desktop" ||
    fail "the $arch program, installed in a root with its Depends alone ($depends), did not start and end as it should"
  passed+=("$arch: Depends $depends")
}

passed=()
for arch in "${TARVOLIN_ARM_ARCHES[@]}"; do
  check_cross_deb "$arch"
done

[ "$failed" -eq 0 ] && echo "PASS: tarvolin_${version}_{amd64,$(IFS=,; echo "${TARVOLIN_ARM_ARCHES[*]}")}.deb: fields, files" \
  "and lintian, built with Qt alone; the same files and fields; each ARM program built for its Debian's processor, and" \
  "started and ended in a root of its Depends alone (${passed[*]})"
exit "$failed"
