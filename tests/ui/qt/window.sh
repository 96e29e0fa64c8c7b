# Sourced by the end-to-end scripts.
# shellcheck shell=bash

# Prints the X window id of the program's window once it is shown; fails after SECONDS (default
# twenty), which only a hang takes, not a busy machine.
#   wait_for_window [SECONDS]
wait_for_window() {
  local window
  for _ in $(seq $(( ${1:-20} * 20 ))); do
    window=$(xdotool search --onlyvisible --name '^Tarvolin utility 1.1 - QZ9XQW$' 2>/dev/null | head -n 1) || true
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    sleep 0.05
  done
  return 1
}

# Starts openbox on the display with a configuration of its own in DIR, so that nothing of the
# machine's is read, and waits until it manages windows; its pid is in openbox_pid.
#   start_openbox DIR
start_openbox() {
  XDG_CONFIG_HOME=$1/config XDG_CACHE_HOME=$1/cache openbox --sm-disable >/dev/null 2>&1 &
  openbox_pid=$!
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0; sleep 0.05; done
}

# Writes the title bar of a window into FILE: the strip of the window manager's frame above the
# client area.
#   title_bar WINDOW FILE
title_bar() {
  local x y width left right top
  x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  width=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
  read -r left right top _ < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  sleep 0.3  # drawn
  import -window root -crop "$((width + left + right))x${top}+$((x - left))+$((y - top))" +repage "$2"
}

# Writes the ink of a window's title, as the window manager draws it, into FILE: the bar with the
# title against the same bar with a blank title. The window keeps the blank title.
#   title_ink WINDOW TITLE FILE
title_ink() {
  local bars bounds
  bars=$(mktemp -d)
  xdotool set_window --name "$2" "$1"
  title_bar "$1" "$bars/titled.png"
  xdotool set_window --name " " "$1"  # an empty name would show as "Unnamed Window"
  title_bar "$1" "$bars/blank.png"
  bounds=$(convert "$bars/titled.png" "$bars/blank.png" -compose difference -composite -threshold 8% -trim -format '%wx%h%O' info:)
  convert "$bars/titled.png" -crop "$bounds" +repage "$3"
  rm -rf "$bars"
}

# Whether a title's ink shows the whole of a reference ink; prints why not.
#   same_ink SHOWN WHOLE
same_ink() {
  local shown whole differing
  shown=$(identify -format '%wx%h' "$1")
  whole=$(identify -format '%wx%h' "$2")
  [ "$shown" = "$whole" ] || { echo "the title shows $shown pixels of ink, the whole title $whole"; return 1; }
  differing=$(compare -fuzz 15% -metric AE "$1" "$2" null: 2>&1 || true)
  [ "$differing" = 0 ] || { echo "$differing pixels of the title differ from the whole title"; return 1; }
}
