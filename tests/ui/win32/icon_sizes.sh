#!/usr/bin/env bash
# The Windows program file's icon holds exactly the sizes Windows shell surfaces use, each in 32-bit
# colour, the 256 px image stored as PNG.
#   icon_sizes.sh ICON_FILE
set -euo pipefail
icon=$1
expected="16 20 24 32 40 48 64 256"

listing=$(icotool -l "$icon")
sizes=$(sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=32 .*/\1x\2/p' <<<"$listing" | tr '\n' ' ')
want=$(for s in $expected; do printf '%sx%s ' "$s" "$s"; done)
if [ "$sizes" != "$want" ] || [ "$(wc -l <<<"$listing")" -ne 8 ]; then
  echo "FAIL: $icon holds, in 32-bit colour: $sizes; wanted $want; icotool says:"$'\n'"$listing" >&2
  exit 1
fi

# Little-endian 32-bit number at a byte offset of the file.
le32() { od -An -tu4 --endian=little -j "$1" -N4 "$icon" | tr -d ' '; }
# The eighth directory entry (6-byte header, 16 bytes an entry) holds the image's offset at 12.
offset=$(le32 $(( 6 + 7 * 16 + 12 )))
magic=$(od -An -tx1 -j "$offset" -N8 "$icon" | tr -d ' ')
if [ "$magic" != 89504e470d0a1a0a ]; then
  echo "FAIL: the 256 px image of $icon is not stored as PNG (starts $magic)" >&2
  exit 1
fi
echo "$icon: $expected px, 32-bit, 256 px as PNG"
