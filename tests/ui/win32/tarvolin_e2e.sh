#!/usr/bin/env bash
# The real tarvolin.exe under Wine on a virtual display of its own, driven by real keys and clicks
# (xdotool, through XTEST) and read back from another process (window_probe.exe: WM_GETTEXT and
# AccessibleObjectFromWindow). Then screenshots at 96 and 192 dpi: the layout at its size, each
# picture pixel for pixel, the natural image at 96 and the double-size drawing at 192, as the
# system decodes them (decode_picture.exe); ImageMagick's decoding tells that it is the right one.
# The window's icons, as Wine hands them to the taskbar, are the program icon's images pixel for pixel.
#   tarvolin_e2e.sh [--windows VERSION] [--against REFERENCE.exe --at DPI]
#                   PREFIX TARVOLIN.exe WINDOW_PROBE.exe DECODE_PICTURE.exe IMAGES_DIR SHOTS_DIR
# PREFIX is a Wine prefix of its own: the test sets its DPI, and with --windows the Windows version
# that Wine reports (win7, win81, ...). With --against, the screenshots are taken at DPI in place of
# 192 dpi, and must equal those of REFERENCE.exe pixel for pixel. The screenshots stay in SHOTS_DIR.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
if [ -z "${DISPLAY:-}" ]; then exec "$root/tests/ui/qt/xvfb_run.sh" "$0" "$@"; fi
windows="" reference="" second_dpi=192
while [[ "${1:-}" == --* ]]; do
  case $1 in --windows) windows=$2 ;; --against) reference=$2 ;; --at) second_dpi=$2 ;; esac
  shift 2
done
export TARVOLIN_WINEPREFIX=$1
program=$2 probe=$3 decode=$4 images=$5 shots=$6
wine_run=$root/scripts/wine-run
title="Tarvolin utility 1.1 - QZ9XQW"
mkdir -p "$shots"
work=$(mktemp -d)
pid=""
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Polls a command until it succeeds: at most 30 s, which only a hang outlasts.
wait_for() {
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  return 1
}
x_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
shown() { [ -n "$(x_window "$1")" ]; }
gone() { [ -z "$(x_window "$1")" ]; }

texts() { "$wine_run" "$probe" texts; }
text_of() { texts | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }
expect_text() {
  local actual
  actual=$(text_of "$1")
  [ "$actual" = "$2" ] || fail "$1 shows '$actual', expected '$2' ($3)"
}

set_dpi() {
  "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -w
}

start() {
  "$wine_run" "${1:-$program}" &
  pid=$!
  wait_for shown "$title" || { echo "FAIL: no window"; exit 1; }
  window=$(x_window "$title")
  xdotool windowfocus --sync "$window"
  sleep 0.5  # drawn
}

stop_by_escape() {
  xdotool windowfocus --sync "$window" key Escape
  if wait_for gone "$title"; then
    wait "$pid" || fail "the program ended with status $?"
  else
    fail "Escape did not close the window"
    WINEPREFIX=$TARVOLIN_WINEPREFIX wineserver -k
    wait "$pid" 2>/dev/null || true
  fi
  pid=""
}

click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

# picture image left top width height (the box in twips, as the control table places it)
pictures="compass.png 0 0 2775 6400
flag_uk.jpg 3360 3720 640 370
flag_it.jpg 4440 3720 640 375
ruler.jpg 5400 3650 1540 495"
client_width=7380 client_height=6255

# Twips to pixels at the DPI, rounded to the nearest, as the window lays itself out.
px() { echo $(( ($1 * dpi + 720) / 1440 )); }

# The screenshot of the client area at the DPI and each picture in it, inside its border of
# 2 x dpi / 96 pixels.
check_screenshot() {
  local dpi=$1 shot=$2
  local size border=$(( 2 * $1 / 96 ))
  size=$(identify -format '%wx%h' "$shot")
  [ "$size" = "$(px $client_width)x$(px $client_height)" ] || fail "the window is $size at $dpi dpi"
  while read -r image left top width height; do
    local source=$images/$image
    [ "$dpi" = 192 ] && source=$(echo "$images/${image%.*}"@2x.*)
    local natural_width natural_height inner_width inner_height shown_width shown_height below crop differing mean
    natural_width=$(identify -format '%w' "$source")
    natural_height=$(identify -format '%h' "$source")
    inner_width=$(( $(px "$width") - 2 * border ))
    inner_height=$(( $(px "$height") - 2 * border ))
    shown_width=$(( inner_width < natural_width ? inner_width : natural_width ))
    shown_height=$(( inner_height < natural_height ? inner_height : natural_height ))
    below=$(( $(px $client_height) - $(px "$top") - border ))
    [ "$shown_height" -gt "$below" ] && shown_height=$below
    crop=${shown_width}x${shown_height}
    convert "$shot" -crop "$crop+$(( $(px "$left") + border ))+$(( $(px "$top") + border ))" +repage "$work/shown.png"
    "$wine_run" "$decode" "Z:$source" "Z:$work/decoded.ppm"
    convert "$work/decoded.ppm" -crop "$crop+0+0" +repage "$work/expected.png"
    differing=$(compare -metric AE "$work/shown.png" "$work/expected.png" null: 2>&1 || true)
    [ "$differing" = 0 ] || fail "$image at $dpi dpi: $differing of $crop pixels differ from $(basename "$source")"
    # Against another decoder's reading: a PNG's pixels to the last bit; JPEG decoders differ by 2.5 %
    # at most on average, and the picture shifted by one pixel by 4 % at least.
    convert "$source" -crop "$crop+0+0" +repage "$work/elsewhere.png"
    if [ "${source##*.}" = png ]; then
      differing=$(compare -metric AE "$work/shown.png" "$work/elsewhere.png" null: 2>&1 || true)
      [ "$differing" = 0 ] || fail "$image at $dpi dpi: $differing of $crop pixels differ from ImageMagick's decoding"
    else
      mean=$(compare -metric MAE "$work/shown.png" "$work/elsewhere.png" null: 2>&1 | sed -E 's/.*\((.*)\).*/\1/' || true)
      awk -v m="$mean" 'BEGIN { exit !(m < 0.03) }' ||
        fail "$image at $dpi dpi: $mean on average from ImageMagick's decoding: another picture"
    fi
  done <<<"$pictures"
}

# The pixels of the window's icon of a size as Wine hands it to the taskbar and Alt+Tab
# (_NET_WM_ICON: width, height, then 0xAARRGGBB a pixel, for each icon), one a line.
net_icon() {
  xprop -id "$window" -notype -f _NET_WM_ICON 32c '\t$0+' _NET_WM_ICON | cut -f2- | tr -d ',' | tr ' ' '\n' |
    awk -v want="$1" '{ v[n++] = $1 } END {
      for (i = 0; i < n; i += 2 + v[i] * v[i + 1]) if (v[i] == want) { for (k = 0; k < want * want; k++) print v[i + 2 + k]; exit } }'
}
# The same of an image file, as ImageMagick reads it.
file_icon() {
  convert "$1" -depth 8 txt:- | awk -F'[()]' 'NR > 1 { split($2, c, ","); printf "%.0f\n", c[4] * 16777216 + c[1] * 65536 + c[2] * 256 + c[3] }'
}
# The large and the small icon at the DPI (32 and 16 px at 96 dpi) are the program icon's own
# images of those sizes, pixel for pixel: another size scaled to them differs.
check_icons() {
  local dpi=$1 size
  icotool -x -o "$work" "$images/tarvolin-windows.ico"
  for size in $((32 * dpi / 96)) $((16 * dpi / 96)); do
    net_icon "$size" >"$work/shown-icon.txt"
    file_icon "$work"/tarvolin-windows_*_"${size}x${size}"x32.png >"$work/expected-icon.txt"
    if [ ! -s "$work/shown-icon.txt" ]; then
      fail "no $size px icon at $dpi dpi: $(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')"
    elif ! cmp -s "$work/shown-icon.txt" "$work/expected-icon.txt"; then
      fail "the $size px icon at $dpi dpi is not the program icon's $size px image"
    fi
  done
}

# --- At 96 dpi: the program used by keys and clicks ---
[ -n "$windows" ] && "$wine_run" reg add 'HKCU\Software\Wine' /v Version /d "$windows" /f >/dev/null
set_dpi 96
start
expect_text Text3 JN61FV "at start"
expect_text Text5 ... "at start"
expect_text Label1 "Locatore 1" "at start"
check_icons 96
accessible=$("$wine_run" "$probe" accessible)
grep -qP '^Picture1\tBussola\t40\t-$' <<<"$accessible" || fail "the compass is no image named Bussola: $(grep Picture1 <<<"$accessible")"
grep -qP '^Picture3\tItaliano\t45\tchecked$' <<<"$accessible" || fail "the Italian flag is not checked: $(grep Picture3 <<<"$accessible")"
grep -qP '^Text3\tLocatore 1\t42\t-$' <<<"$accessible" || fail "Text3 is not named by its label: $(grep Text3 <<<"$accessible")"

# The focus starts on the compass; three Tabs reach the second locator, whose "..." they select.
xdotool key Tab Tab Tab
xdotool type --delay 50 "jn45ll"
sleep 0.3
expect_text Text5 JN45LL "typed in lower case"
xdotool key Return
sleep 0.3
expect_text Text1 " 326" "Enter after the completion signal"
expect_text Text6 " 487" "Enter after the completion signal"
import -window "$window" "$shots/tarvolin-96dpi.png"
check_screenshot 96 "$shots/tarvolin-96dpi.png"

# The ruler, then the English flag, by the mouse.
click_at 411 259  # the ruler
expect_text Text6 302 "after a click on the ruler"
expect_text Label3 Miglia "after a click on the ruler"
click_at 245 260  # the English flag
expect_text Command1 Calculate "after a click on the English flag"
expect_text Label3 Miles "after a click on the English flag"
accessible=$("$wine_run" "$probe" accessible)
grep -qP '^Picture2\tEnglish\t45\tchecked$' <<<"$accessible" || fail "the English flag is not checked: $(grep Picture2 <<<"$accessible")"
grep -qP '^Picture4\tKm/miles\t43\t-$' <<<"$accessible" || fail "the ruler is no button named Km/miles: $(grep Picture4 <<<"$accessible")"

# A first locator of seven characters: the empty box first, the fields only after it is dismissed.
click_at 376 36  # the first locator
xdotool key End shift+Home
xdotool type --delay 50 "FN31PRX"
xdotool key Return
if wait_for shown Tarvolin_11; then
  box=$("$wine_run" "$probe" box) || fail "no message box found from another process"
  [ "$box" = $'Tarvolin_11\t' ] || fail "the box shows '$box'"
  expect_text Text3 FN31PRX "while the box is up"
  xdotool windowfocus --sync "$(x_window Tarvolin_11)" key Return
  wait_for gone Tarvolin_11 || fail "Enter did not dismiss the box"
else
  fail "no message box"
fi
sleep 0.3
expect_text Text3 "" "after the box"
expect_text Text6 "??????" "after the box"
import -window "$window" "$shots/tarvolin-96dpi-english.png"
stop_by_escape

if [ -z "$reference" ]; then
  # --- At 192 dpi: the same layout twice the size, the double-size drawings pixel for pixel ---
  set_dpi 192
  start
  xdotool key Tab  # the focus frame off the compass
  sleep 0.3
  import -window "$window" "$shots/tarvolin-192dpi.png"
  check_screenshot 192 "$shots/tarvolin-192dpi.png"
  check_icons 192
  stop_by_escape
  set_dpi 96
  [ "$failed" -eq 0 ] && echo "PASS: keys, clicks and the message box at 96 dpi; every picture and both icons pixel for pixel at 96 and 192 dpi"
  exit "$failed"
fi

# --- At the DPI asked for: the window as the reference program shows it, pixel for pixel ---
set_dpi "$second_dpi"
for exe in "$reference" "$program"; do
  start "$exe"
  import -window "$window" "$shots/$(basename "$exe" .exe)-${second_dpi}dpi.png"
  check_icons "$second_dpi"
  stop_by_escape
done
shot=$shots/$(basename "$program" .exe)-${second_dpi}dpi.png
expected=$shots/$(basename "$reference" .exe)-${second_dpi}dpi.png
[ "$(identify -format '%wx%h' "$shot")" = "$(identify -format '%wx%h' "$expected")" ] ||
  fail "the window is $(identify -format '%wx%h' "$shot") at $second_dpi dpi, $(basename "$reference") $(identify -format '%wx%h' "$expected")"
differing=$(compare -metric AE "$shot" "$expected" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels differ from $(basename "$reference")'s window at $second_dpi dpi"
set_dpi 96
[ "$failed" -eq 0 ] && echo "PASS: keys, clicks and the message box at 96 dpi; every picture pixel for pixel at 96 dpi; at $second_dpi dpi the window of $(basename "$reference") pixel for pixel"
exit "$failed"
