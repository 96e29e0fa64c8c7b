#!/usr/bin/env bash
# Runs a command with Qt's GTK platform theme and a GTK settings file that names FONT as the
# desktop font, as on a GNOME desktop; the command must be on an X display.
#   with_gtk_font.sh FONT COMMAND [ARGS...]      FONT like "Cantarell 11"
set -euo pipefail
font=$1
shift
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/gtk-3.0"
printf '[Settings]\ngtk-font-name=%s\n' "$font" >"$config/gtk-3.0/settings.ini"
status=0
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 TARVOLIN_EXPECT_FONT=$font "$@" || status=$?
exit "$status"
