#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop expects to find there.
#   check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.tarvolin.Tarvolin
expect=(
  bin/tarvolin
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/icons/hicolor/24x24/apps/$id.png
  share/icons/hicolor/48x48/apps/$id.png
  share/icons/hicolor/128x128/apps/$id.png
  share/icons/hicolor/256x256/apps/$id.png
)
failed=0
for file in "${expect[@]}"; do
  if [ ! -s "$prefix/$file" ]; then echo "FAIL: missing $file"; failed=1; fi
done
[ -x "$prefix/bin/tarvolin" ] || { echo "FAIL: bin/tarvolin is not executable"; failed=1; }

for size in 24 48 128 256; do
  actual=$(python3 - "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" <<'PY'
import struct, sys
with open(sys.argv[1], 'rb') as f:
    head = f.read(24)
assert head[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
print('%dx%d' % struct.unpack('>II', head[16:24]))
PY
)
  [ "$actual" = "${size}x${size}" ] || { echo "FAIL: ${size}x${size} icon is $actual"; failed=1; }
done

desktop=$prefix/share/applications/$id.desktop
grep -q "^Icon=$id$" "$desktop" || { echo "FAIL: desktop entry names another icon"; failed=1; }
grep -q '^Categories=.*HamRadio' "$desktop" || { echo "FAIL: desktop entry lacks HamRadio"; failed=1; }
desktop-file-validate "$desktop" || { echo "FAIL: desktop-file-validate"; failed=1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || { echo "FAIL: appstreamcli validate"; failed=1; }

[ "$failed" -eq 0 ] && echo "PASS: installed files present and valid"
exit "$failed"
