#!/usr/bin/env bash
# Runs a command on a virtual X display of its own, so that any number of these run side by side.
#   xvfb_run.sh COMMAND [ARGS...]
# The display number is picked at random and named explicitly: Xvfb then takes the display's lock
# file before it touches any socket, and exits at once if another server holds it, and another
# number is tried. (With -displayfd, Xvfb looks for a free number itself by trying each display's
# sockets first, and a try on a busy display can delete that server's socket file, so that its
# clients can no longer connect: "could not connect to display".)
set -euo pipefail
log=$(mktemp)
xvfb=""
trap '[ -n "$xvfb" ] && { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; }; rm -f "$log"' EXIT

# Starts Xvfb on display $1 and waits until it holds the display's lock and answers; fails if it
# exits first. (Another server may answer on that display meanwhile: the lock file names the
# process that owns the display.)
start_server() {
  # -noreset: without it the server starts afresh when its last client leaves, and turns away
  # connections meanwhile; the check below is such a client.
  Xvfb ":$1" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$log" &
  xvfb=$!
  local owner
  for _ in $(seq 400); do
    kill -0 "$xvfb" 2>/dev/null || break
    owner=""
    read -r owner 2>/dev/null <"/tmp/.X$1-lock" || true
    [ "$owner" = "$xvfb" ] && xdpyinfo -display ":$1" >/dev/null 2>&1 && return 0
    sleep 0.025
  done
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  xvfb=""
  return 1
}

for _ in $(seq 50); do
  number=$((100 + (RANDOM + $$) % 900))
  start_server "$number" && break
done
if [ -z "$xvfb" ]; then
  echo "FAIL: Xvfb did not start:" >&2
  cat "$log" >&2
  exit 1
fi
export DISPLAY=":$number"
status=0
"$@" || status=$?
exit "$status"
