#!/usr/bin/env bash
# The real program on a Wayland compositor (Weston, weston_run.sh) with an 800 x 480 screen, the
# Raspberry Pi's 7-inch display: the window shows whole below the desktop's panel, with its title
# bar (Qt draws it on Weston) and its whole client area, every control in it, on the screen.
# Weston's scene graph tells where the window lies: its surface, and within it the opaque client
# area. The screenshot (weston-screenshooter) shows the compass there pixel for pixel, and stays in
# SHOTS_DIR to look at.
#   wayland_window_e2e.sh PATH_TO_TARVOLIN IMAGES_DIR SHOTS_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${WAYLAND_DISPLAY:-}" ]; then exec "$here/weston_run.sh" "$0" "$@"; fi
program=$1 images=$2 shots=$3
title="Tarvolin utility 1.1 - QZ9XQW"
mkdir -p "$shots"
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# The corners of a view in the scene graph, "x0 y0 x1 y1": the line after its heading that starts
# with FIELD ("position" or "[opaque").
corners() {
  awk -v heading="$1" -v field="$2" 'index($0, heading) { on = 1; next } on && index($0, field) == 1 {
    gsub(/->/, " "); gsub(/[^0-9-]+/, " "); print $1, $2, $3, $4; exit }' <<<"$scene"
}
window="" client=""
for _ in $(seq 400); do
  scene=$(weston-debug scene-graph 2>/dev/null | sed 's/^[[:space:]]*//') || true
  window=$(corners "top-level window '$title'" "position:")
  client=$(corners "top-level window '$title'" "[opaque:")
  [ -n "$client" ] && break
  sleep 0.05
done
[ -n "$client" ] || { echo "FAIL: the window did not show on Weston:"; echo "$scene"; exit 1; }
read -r _ _ _ panel_bottom < <(corners "panel for output" "position:")
read -r _ top _ _ <<<"$window"
read -r client_left client_top client_right client_bottom <<<"$client"
sleep 0.5  # drawn
(cd "$shots" && rm -f wayland-screenshot-*.png && weston-screenshooter && mv wayland-screenshot-*.png wayland-800x480.png)
shot=$shots/wayland-800x480.png

failed=0
fail() { echo "FAIL: $*"; failed=1; }
[ "$(identify -format '%wx%h' "$shot")" = 800x480 ] || fail "the screenshot is $(identify -format '%wx%h' "$shot")"
[ "$((client_right - client_left))x$((client_bottom - client_top))" = 492x417 ] ||
  fail "the client area is $((client_right - client_left))x$((client_bottom - client_top)), not 492x417"
[ "$client_left" -ge 0 ] && [ "$client_right" -le 800 ] && [ "$client_bottom" -le 480 ] ||
  fail "the client area ($client) is not all on the 800 x 480 screen"
# The title bar: the surface above the client area, below the panel (${panel_bottom} px high).
[ "$top" -ge "$panel_bottom" ] || fail "the window's top ($top) is under the panel"
title_height=$((client_top - top))
[ "$title_height" -ge 20 ] || fail "the title bar is $title_height px high"
convert "$shot" -crop "$((client_right - client_left))x$title_height+$client_left+$top" +repage "$shots/title-bar.png"
[ "$(convert "$shots/title-bar.png" -format '%[fx:standard_deviation > 0.02]' info:)" = 1 ] ||
  fail "the title bar shows no title"
# The compass, 181 x 413 inside its border at (2, 2) of the client area, pixel for pixel within its
# focus frame (2 pixels wide), where Weston's pointer may lie over some 200 of its 72,393 pixels;
# shifted by one pixel, some 50,000 differ.
convert "$shot" -crop "177x409+$((client_left + 4))+$((client_top + 4))" +repage "$shots/compass.png"
convert "$images/compass.png" -crop 177x409+2+2 +repage "$shots/compass-expected.png"
differing=$(compare -fuzz 1% -metric AE "$shots/compass.png" "$shots/compass-expected.png" null: 2>&1 || true)
[ "$differing" -le 400 ] 2>/dev/null || fail "$differing pixels of the compass differ from compass.png"
[ "$failed" -eq 0 ] && echo "PASS: on Weston at 800 x 480 the window ($window) shows its ${title_height} px title bar below" \
  "the panel and its whole client area ($client); the screenshot is $shot"
exit "$failed"
