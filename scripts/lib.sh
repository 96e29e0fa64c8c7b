# Shared by the set-up scripts: the Debian packages the project needs and how they get there.
# shellcheck shell=bash

# What building and running the program needs, and no more.
TARVOLIN_BUILD_PACKAGES=(
  g++ cmake make
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-wayland
)

# Everything needed to build the program, run every test and the end-to-end checks.
TARVOLIN_PACKAGES=(
  "${TARVOLIN_BUILD_PACKAGES[@]}" pkg-config qt6-qpa-plugins
  libgtest-dev libbenchmark-dev libhamlib-dev
  xvfb xauth xdotool xclip x11-utils imagemagick openbox
  qt6-gtk-platformtheme fonts-cantarell
  clang libclang-rt-14-dev
  dbus dbus-x11 at-spi2-core python3 python3-pyatspi
  appstream desktop-file-utils dpkg-dev file lintian man-db
  fonts-dejavu-core locales
)

# The Windows build (scripts/build-windows): the mingw-w64 cross compiler, Wine to run the tests,
# GoogleTest's sources to cross-build it, flock for the Wine prefix's lock, and the host compiler
# for the Linux half of the cross-check, icoutils to read the program file's icon (and for
# tools/make-images to write both icon files), and for the tests of the window a virtual display,
# xdotool's keys and clicks, ImageMagick's screenshots and a window manager (openbox) that draws
# the message box's title.
TARVOLIN_WINDOWS_PACKAGES=(
  cmake make g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 googletest util-linux icoutils
  xvfb xauth x11-utils xdotool imagemagick openbox
  wixl msitools zip unzip
)

# Installs the packages that are not installed yet; fails loudly when that is impossible.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing Debian packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo=(sudo); else
      echo "error: these packages are missing and installing them needs root: ${missing[*]}" >&2
      return 1
    fi
  fi
  if ! "${sudo[@]}" apt-get update; then
    echo "error: apt-get update failed" >&2
    return 1
  fi
  if ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
    echo "error: could not install: ${missing[*]}" >&2
    return 1
  fi
}

project_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

# configure_and_build BUILD_DIR [CMAKE_ARGS...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$(project_root)" -B "$dir" "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}
