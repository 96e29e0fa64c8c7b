#!/usr/bin/env bash
# Screenshots of the real program under Xvfb at screen scales 1 and 2: each picture box shows its
# picture pixel for pixel, the natural image at 1 and the double-size drawing at 2, cut to the
# same part of the picture (the compass to its 181 left columns, the ruler to its 29 top rows).
#   density_e2e.sh PATH_TO_TARVOLIN IMAGES_DIR
set -euo pipefail
source "$(dirname "$0")/window.sh"
program=$1
images=$2
if [ -z "${DISPLAY:-}" ]; then exec "$(dirname "$0")/xvfb_run.sh" "$0" "$@"; fi
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

# picture image left top width height (the box at scale 1, in pixels; a border of 2 all round)
pictures="compass.png 0 0 185 427
flag_uk.jpg 224 248 43 25
flag_it.jpg 296 248 43 25
ruler.jpg 360 243 103 33"
client_height=417

failed=0
for scale in 1 2; do
  QT_SCALE_FACTOR=$scale "$program" &
  pid=$!
  window=$(wait_for_window) || { echo "FAIL: no window at scale $scale"; exit 1; }
  sleep 0.5  # drawn
  import -window "$window" "$work/shot.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  size=$(identify -format '%wx%h' "$work/shot.png")
  [ "$size" = "$((492 * scale))x$((417 * scale))" ] || { echo "FAIL: window is $size at scale $scale"; failed=1; }

  while read -r image left top width height; do
    source=$images/$image
    [ "$scale" = 2 ] && source=$(echo "$images/${image%.*}"@2x.*)
    natural_width=$(identify -format '%w' "$source")
    natural_height=$(identify -format '%h' "$source")
    # The part of the picture inside the border and the window, in screen pixels.
    shown_width=$(( (width - 4) * scale < natural_width ? (width - 4) * scale : natural_width ))
    shown_height=$(( (height - 4) * scale < natural_height ? (height - 4) * scale : natural_height ))
    below=$(( (client_height - top - 2) * scale ))
    [ "$shown_height" -gt "$below" ] && shown_height=$below
    crop=${shown_width}x${shown_height}
    convert "$work/shot.png" -crop "$crop+$(( (left + 2) * scale ))+$(( (top + 2) * scale ))" +repage "$work/shown.png"
    convert "$source" -crop "$crop+0+0" +repage "$work/expected.png"
    differing=$(compare -fuzz 1% -metric AE "$work/shown.png" "$work/expected.png" null: 2>&1 || true)
    if [ "$differing" != 0 ]; then
      echo "FAIL: $image at scale $scale: $differing of $crop pixels differ from $(basename "$source")"
      failed=1
    fi
  done <<<"$pictures"
done
[ "$failed" -eq 0 ] && echo "PASS: every picture pixel for pixel at scales 1 and 2 (compass 181 columns, ruler 29 rows)"
exit "$failed"
