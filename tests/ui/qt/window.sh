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
