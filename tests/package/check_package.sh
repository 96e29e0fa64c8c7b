#!/usr/bin/env bash
# Builds the Debian package the way scripts/package does (with Qt as the only library the build
# may find) and checks it as Debian would: its control fields, its files, and lintian.
#   check_package.sh PROJECT_VERSION
set -euo pipefail
version=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(mktemp -d)
trap 'rm -rf "$dist"' EXIT
"$root/scripts/package" "$dist" >"$dist/build.log" 2>&1 || { tail -n 40 "$dist/build.log"; echo "FAIL: scripts/package"; exit 1; }
deb=$(ls "$dist"/tarvolin_*.deb)
failed=0
fail() { echo "FAIL: $*"; failed=1; }
# Every variable the script hands CMake is one the build uses, and the build gives no warning.
grep -q "Manually-specified variables were not used" "$dist/build.log" && fail "scripts/package passes CMake unused variables"
grep -E "warning:" "$dist/build.log" && fail "the release build gives compiler warnings"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tarvolin ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), the project's is $version"
[ "$(field Section)" = hamradio ] || fail "Section is $(field Section)"
[ "$(basename "$deb")" = "tarvolin_${version}_$(dpkg --print-architecture).deb" ] || fail "file name $(basename "$deb")"
field Depends | grep -q 'libqt6widgets6 (>= ' || fail "Depends lacks Qt Widgets from dpkg-shlibdeps: $(field Depends)"
for recommended in qt6-translations-l10n qt6-wayland; do
  field Recommends | grep -qw "$recommended" || fail "Recommends lacks $recommended"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
id=org.tarvolin.Tarvolin
for file in usr/bin/tarvolin usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/{24x24,48x48,128x128,256x256}/apps/$id.png \
            usr/share/man/man1/tarvolin.1.gz usr/share/doc/tarvolin/copyright usr/share/doc/tarvolin/changelog.gz; do
  grep -qx "\./$file" <<<"$contents" || fail "missing /$file"
done

dpkg-deb --extract "$deb" "$dist/root"
desktop=$dist/root/usr/share/applications/$id.desktop
grep -qx 'Exec=tarvolin' "$desktop" || fail "the menu entry does not start tarvolin from the PATH"
grep -qx 'StartupWMClass=tarvolin' "$desktop" || fail "the menu entry lacks StartupWMClass=tarvolin"
grep -q 'LicenseRef-proprietary' "$dist/root/usr/share/doc/tarvolin/copyright" || fail "copyright names another licence"
zcat "$dist/root/usr/share/man/man1/tarvolin.1.gz" | grep -q 'takes no options' || fail "manual page"

# Lintian: no errors and no warnings (information notes are allowed).
lintian --no-tag-display-limit "$deb" >"$dist/lintian.txt" 2>&1 || true
if grep -E '^[EW]: ' "$dist/lintian.txt"; then fail "lintian"; fi

[ "$failed" -eq 0 ] && echo "PASS: $(basename "$deb"): fields, files and lintian; built with Qt alone"
exit "$failed"
