#!/usr/bin/env bash
# The Windows packages as a new user meets them, under Wine with a prefix of its own: the MSI
# installs the program, its Start menu shortcut and its Apps entry; the installed program starts;
# a newer version replaces it (one product, one entry), an older one is refused; removal leaves
# nothing of it behind; and the portable zip's program starts where it was unpacked. ARCH is the
# packages' architecture, x64 or x86, which the Wine that runs the test must run (scripts/wine-i386
# for x86, in a prefix that is 32-bit Windows). With x64, also the move between the architectures
# on 64-bit Windows: the x86 MSI installs into Program Files (x86), and the x64 MSI of the same
# version replaces it, and the other way round.
#   windows_package.sh PROJECT_ROOT ARCH
# What Wine cannot show: SmartScreen, the real place of a per-machine shortcut (Wine puts it in
# the user's Start menu), and Settings > Apps itself (its registry entry is checked instead).
set -euo pipefail
root=$1 arch=$2
if [ -z "${DISPLAY:-}" ]; then exec "$root/tests/ui/qt/xvfb_run.sh" "$0" "$@"; fi
source "$root/tests/ui/qt/window.sh"
work=$(mktemp -d)
export TARVOLIN_WINEPREFIX=$work/prefix WINEPREFIX=$work/prefix
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
wine_run() { "$root/scripts/wine-run" "$@"; }
failed=0
fail() { echo "FAIL: $*"; failed=1; }
pass() { echo "PASS: $*"; }

"$root/scripts/package-windows" "$work/dist" >"$work/package.log" 2>&1 || { tail -n 30 "$work/package.log"; echo "FAIL: scripts/package-windows"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/build-windows-release/CMakeCache.txt")
newer=$version.1
"$root/scripts/package-windows" --version "$newer" "$work/dist" >>"$work/package.log" 2>&1 || { tail -n 30 "$work/package.log"; echo "FAIL: scripts/package-windows --version"; exit 1; }
msi=$work/dist/tarvolin-$version-$arch.msi
newer_msi=$work/dist/tarvolin-$newer-$arch.msi
zip=$work/dist/tarvolin-$version-windows-$arch.zip
(cd "$work/dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the packages"

# The zip: the program, README.txt and the copyright notice, as Windows texts.
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "COPYRIGHT.txt README.txt tarvolin.exe " ] || fail "the zip holds: $(unzip -Z1 "$zip")"
for text in README.txt COPYRIGHT.txt; do
  lines=$(unzip -p "$zip" "$text" | wc -l)
  [ "$lines" -gt 0 ] && [ "$(unzip -p "$zip" "$text" | grep -c $'\r$')" -eq "$lines" ] || fail "$text has not CRLF line ends"
done
unzip -p "$zip" README.txt | grep -q "nothing to install" || fail "README.txt does not say there is nothing to install"

installed="$WINEPREFIX/drive_c/Program Files/Tarvolin"
# The Uninstall entries of the program, one "DisplayName|DisplayVersion|Publisher" line each: of
# 64-bit programs and of 32-bit ones (the Wow6432Node of 64-bit Windows).
entries() {
  local key
  for key in 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
             'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'; do
    wine_run reg query "$key" /s 2>/dev/null || true
  done | tr -d '\r' | awk '
    /^HKEY/ { if (name != "") print name "|" version "|" publisher; name = version = publisher = "" }
    $1 == "DisplayName" { $1 = $2 = ""; sub(/^ +/, ""); name = $0 }
    $1 == "DisplayVersion" { version = $3 }
    $1 == "Publisher" { $1 = $2 = ""; sub(/^ +/, ""); publisher = $0 }
    END { if (name != "") print name "|" version "|" publisher }' | grep '^Tarvolin utility|' || true
}
shortcuts() { find "$WINEPREFIX/drive_c" -name 'Tarvolin utility.lnk' 2>/dev/null; }
# Starts a program under Wine and sees its window; then ends it, and everything of Wine's with it.
starts() {
  wine_run "$1" >/dev/null 2>&1 &
  local program=$! window=""
  # The first window in a fresh prefix waits for Wine to set up its desktop: on a busy machine
  # that takes long.
  window=$(wait_for_window 90) || true
  # A kill that meets Wine's server while programs are still joining it can miss them: again
  # until the program has ended.
  for _ in $(seq 100); do
    wineserver -k 2>/dev/null || true
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  [ -n "$window" ]
}

# Install.
wine_run msiexec /i "$msi" /qn || fail "msiexec /i exited with $?"
cmp -s "$installed/tarvolin.exe" <(unzip -p "$zip" tarvolin.exe) && pass "the program is in Program Files\\Tarvolin" ||
  fail "no tarvolin.exe (or another one) in $installed"
[ "$(entries)" = "Tarvolin utility|$version|The Tarvolin developers" ] && pass "one Apps entry: $(entries)" ||
  fail "the Apps entries are: $(entries)"
[ "$(shortcuts | wc -l)" -eq 1 ] && pass "a Start menu shortcut" || fail "Start menu shortcuts: $(shortcuts)"
starts 'C:\Program Files\Tarvolin\tarvolin.exe' && pass "the installed program shows its window" ||
  fail "the installed program showed no window"

# Upgrade, then a downgrade refused.
wine_run msiexec /i "$newer_msi" /qn || fail "msiexec /i of $newer exited with $?"
[ "$(entries)" = "Tarvolin utility|$newer|The Tarvolin developers" ] && pass "$newer replaced $version: $(entries)" ||
  fail "after the upgrade the Apps entries are: $(entries)"
[ "$(shortcuts | wc -l)" -eq 1 ] || fail "after the upgrade, Start menu shortcuts: $(shortcuts)"
status=0
wine_run msiexec /i "$msi" /qn >/dev/null 2>&1 || status=$?
[ "$status" -ne 0 ] && [ "$(entries)" = "Tarvolin utility|$newer|The Tarvolin developers" ] &&
  pass "installing $version over $newer is refused (status $status)" || fail "the downgrade went through: $(entries)"

# Removal.
wine_run msiexec /x "$newer_msi" /qn || fail "msiexec /x exited with $?"
[ ! -e "$installed" ] || fail "left behind: $(find "$installed")"
[ -z "$(entries)" ] || fail "an Apps entry is left: $(entries)"
[ -z "$(shortcuts)" ] || fail "a Start menu shortcut is left: $(shortcuts)"
wine_run reg query 'HKCU\Software\Tarvolin' >/dev/null 2>&1 && fail "the shortcut's registry key is left"
wine_run reg query 'HKLM\Software\Tarvolin' >/dev/null 2>&1 && fail "a registry key HKLM\\Software\\Tarvolin is left"
[ "$failed" -eq 0 ] && pass "removal leaves no file, folder, shortcut or registry key of the program"

# The portable zip: unpack anywhere and run.
mkdir -p "$WINEPREFIX/drive_c/users/Public/Downloads/tarvolin"
unzip -q "$zip" -d "$WINEPREFIX/drive_c/users/Public/Downloads/tarvolin"
starts 'C:\users\Public\Downloads\tarvolin\tarvolin.exe' && pass "the portable program starts where it was unpacked" ||
  fail "the unpacked program showed no window"

# From one architecture to the other on 64-bit Windows, in both directions: the package installed
# last is the one program, in its own Program Files folder, with one Apps entry and one shortcut.
if [ "$arch" = x64 ]; then
  x86_msi=$work/dist/tarvolin-$version-x86.msi
  x86_installed="$WINEPREFIX/drive_c/Program Files (x86)/Tarvolin"
  # installed_alone PACKAGE FOLDER ZIP: PACKAGE is the one installed, with ZIP's program in FOLDER.
  installed_alone() {
    local other=$installed
    [ "$2" = "$installed" ] && other=$x86_installed
    cmp -s "$2/tarvolin.exe" <(unzip -p "$3" tarvolin.exe) || fail "after $1, no tarvolin.exe (or another one) in $2"
    [ ! -e "$other" ] || fail "after $1, left behind: $(find "$other")"
    [ "$(entries)" = "Tarvolin utility|$version|The Tarvolin developers" ] || fail "after $1 the Apps entries are: $(entries)"
    [ "$(shortcuts | wc -l)" -eq 1 ] || fail "after $1, Start menu shortcuts: $(shortcuts)"
  }
  before=$failed
  wine_run msiexec /i "$x86_msi" /qn || fail "msiexec /i of the x86 package exited with $?"
  installed_alone "the x86 package" "$x86_installed" "$work/dist/tarvolin-$version-windows-x86.zip"
  wine_run msiexec /i "$msi" /qn || fail "msiexec /i of the x64 package over the x86 one exited with $?"
  installed_alone "the x64 package over the x86 one" "$installed" "$zip"
  wine_run msiexec /i "$x86_msi" /qn || fail "msiexec /i of the x86 package over the x64 one exited with $?"
  installed_alone "the x86 package over the x64 one" "$x86_installed" "$work/dist/tarvolin-$version-windows-x86.zip"
  wine_run msiexec /x "$x86_msi" /qn || fail "msiexec /x of the x86 package exited with $?"
  [ -z "$(entries)" ] && [ ! -e "$x86_installed" ] || fail "removing the x86 package left: $(entries) $(find "$x86_installed" 2>/dev/null)"
  [ "$failed" -eq "$before" ] &&
    pass "on 64-bit Windows the x86 package installs into Program Files (x86), and each architecture replaces the other"
fi
exit "$failed"
