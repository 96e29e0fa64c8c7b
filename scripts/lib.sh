# Shared by the set-up scripts: the Debian packages the project needs and how they get there.
# shellcheck shell=bash

# What building and running the program needs, and no more.
TARVOLIN_BUILD_PACKAGES=(
  g++ cmake make
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-wayland
)

# Everything needed to build the program, run every test and the end-to-end checks (weston: the
# Wayland compositor of the Wayland tests).
TARVOLIN_PACKAGES=(
  "${TARVOLIN_BUILD_PACKAGES[@]}" pkg-config qt6-qpa-plugins
  libgtest-dev libbenchmark-dev libhamlib-dev
  xvfb xauth xdotool xclip x11-utils imagemagick openbox
  qt6-gtk-platformtheme fonts-cantarell
  clang libclang-rt-14-dev
  dbus dbus-x11 at-spi2-core python3 python3-pyatspi
  appstream desktop-file-utils dpkg-dev file lintian man-db
  fonts-dejavu-core locales
  weston
)

# The Windows builds (scripts/build-windows): the mingw-w64 cross compilers for 64-bit and 32-bit
# Windows, Wine to run the tests, GoogleTest's sources to cross-build it, flock for the Wine
# prefix's lock, and the host compiler for the Linux half of the cross-check, icoutils to read the
# program file's icon (and for tools/make-images to write both icon files), and for the tests of the
# window a virtual display, xdotool's keys and clicks, ImageMagick's screenshots and a window
# manager (openbox) that draws the message box's title.
TARVOLIN_WINDOWS_PACKAGES=(
  cmake make g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine64 googletest util-linux icoutils
  xvfb xauth x11-utils xdotool imagemagick openbox
  wixl msitools zip unzip
)

# What goes into the root of the x86 build's tests (i386_wine_root) besides Debian's minimal system:
# 32-bit Wine; the X extensions that the machine's Wine finds (text drawn through XRender, the
# clipboard through XFixes, the pointer through XInput2, the screen through RandR and Xinerama); and
# the machine's fonts, found through fontconfig with its cache: the x86 build's windows are laid out
# and drawn in the same fonts as the x64 build's.
TARVOLIN_I386_ROOT_PACKAGES=(
  wine wine32
  libxrender1 libxfixes3 libxi6 libxrandr2 libxinerama1 libxcursor1 libxcomposite1 libxxf86vm1
  fontconfig fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35 fonts-cantarell
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

# windows_toolchain ARCH: the CMake toolchain file of the Windows build for ARCH, x64 or x86.
windows_toolchain() {
  case $1 in
    x64) echo "$(project_root)/cmake/toolchain-mingw-w64.cmake" ;;
    x86) echo "$(project_root)/cmake/toolchain-mingw-w64-i686.cmake" ;;
    *) echo "error: no Windows architecture $1 (x64 or x86)" >&2; return 1 ;;
  esac
}

# windows_tree NAME ARCH: the project's build tree NAME (build-windows, build-windows-release) for
# ARCH: NAME itself for x64, NAME-x86 for x86.
windows_tree() {
  case $2 in
    x64) echo "$(project_root)/$1" ;;
    *) echo "$(project_root)/$1-$2" ;;
  esac
}

# configure_and_build BUILD_DIR [CMAKE_ARGS...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$(project_root)" -B "$dir" "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}

# debian_mirror SUITE: the address of the machine's own Debian mirror for SUITE (bookworm, or
# bookworm-security), read from its apt sources at run time, so that no address is written into
# the project. Prints nothing when no source lists the suite.
debian_mirror() {
  local suite=$1
  local sources=(/etc/apt/sources.list.d/*.sources /etc/apt/sources.list /etc/apt/sources.list.d/*.list)
  local file
  for file in "${sources[@]}"; do
    [ -f "$file" ] || continue
    awk -v want="$suite" '
      function found() { if (uri != "" && hit) { print uri; exit 0 } }
      /^[[:space:]]*$/ { found(); uri = ""; hit = 0; next }
      /^URIs:/ { uri = $2 }
      /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == want) hit = 1 }
      /^deb[[:space:]]/ {
        # one-line form: deb [options] URI SUITE COMPONENTS...
        i = 2
        if ($i ~ /^\[/) while ($i !~ /\]$/) i++
        if ($(i + 2) == want) { print $(i + 1); exit 0 }
      }
      END { found() }
    ' "$file" | head -n 1 | grep . && return 0
  done
  return 0
}

# Where the roots of other architectures are kept between runs: TARVOLIN_ROOTS_DIR, or else a
# cache of the machine's (they are large, and the same for every checkout on it).
roots_dir() {
  if [ -n "${TARVOLIN_ROOTS_DIR:-}" ]; then echo "$TARVOLIN_ROOTS_DIR"
  elif [ "$(id -u)" -eq 0 ]; then echo /var/cache/tarvolin/roots
  else echo "${XDG_CACHE_HOME:-$HOME/.cache}/tarvolin/roots"
  fi
}

# ensure_root NAME RECIPE MAKER: prints the directory of the root NAME, made by `MAKER DIR` when it
# is missing or was made from another RECIPE (a text naming all that goes into it: suite, mirror,
# architecture, packages). A root is made beside its final place and moved there only when whole,
# under a lock, so that a failed or interrupted run leaves no half root behind and two runs side
# by side make it once. Fails, saying why, when the root cannot be made. MAKER runs where bash
# ignores errexit (in a condition, as in every caller's subshell), so a MAKER of several steps must
# fail by itself when one fails (cmd || return 1); one that went on would leave a broken root that
# later runs take for whole.
ensure_root() {
  local name=$1 recipe=$2 maker=$3
  local dir
  dir="$(roots_dir)/$name"
  mkdir -p "$(dirname "$dir")"
  (
    flock 8
    if [ -f "$dir/.tarvolin-recipe" ] && [ "$(cat "$dir/.tarvolin-recipe")" = "$recipe" ]; then
      exit 0
    fi
    echo "Making the $name root in $dir (it is kept for later runs)" >&2
    rm -rf "$dir" "$dir.new"
    mkdir -p "$dir.new"
    if ! "$maker" "$dir.new" >"$dir.log" 2>&1; then
      tail -n 20 "$dir.log" >&2
      rm -rf "$dir.new"
      echo "error: could not make the $name root in $dir (is the Debian mirror reachable, is there" \
        "room on the disk? df: $(df -h --output=avail "$(dirname "$dir")" | tail -n 1 | tr -d ' '));" \
        "the whole log is $dir.log" >&2
      exit 1
    fi
    printf '%s' "$recipe" >"$dir.new/.tarvolin-recipe"
    mv "$dir.new" "$dir"
  ) 8>"$dir.lock" || return 1
  echo "$dir"
}

# make_i386_wine_root DIR: Debian's minimal i386 system from the machine's mirror, and in it
# TARVOLIN_I386_ROOT_PACKAGES. The root's apt alone knows i386: the machine's apt is left as it is.
# /proc is mounted in a mount namespace of its own, so that it goes away with the install, however
# that ends.
make_i386_wine_root() {
  local dir=$1
  # (Called where errexit does not hold: each step stops the making on failure.)
  ensure_packages debootstrap || return 1
  debootstrap --arch=i386 --variant=minbase bookworm "$dir" "$(debian_mirror bookworm)" || return 1
  unshare --mount --propagation private -- chroot "$dir" /bin/sh -c \
    'mount -t proc proc /proc && apt-get update && apt-get install -y --no-install-recommends "$@" && apt-get clean' \
    sh "${TARVOLIN_I386_ROOT_PACKAGES[@]}"
}

# Whether this machine runs 32-bit x86 Linux programs, which 32-bit Wine is: a kernel built without
# IA-32 emulation, or started with it off, or a hypervisor without 32-bit code segments, does not.
# Tried on a program of three instructions, assembled and linked by the machine's own binutils.
runs_i386_programs() {
  local probe status=0
  probe=$(mktemp -d)
  printf '.globl _start\n_start: movl $1, %%eax\nxorl %%ebx, %%ebx\nint $0x80\n' >"$probe/exit.s"
  as --32 -o "$probe/exit.o" "$probe/exit.s" && ld -m elf_i386 -o "$probe/exit" "$probe/exit.o" &&
    "$probe/exit" 2>/dev/null || status=1
  rm -rf "$probe"
  return "$status"
}

# i386_wine_root: prints the directory of the root in which the x86 build's tests run in 32-bit Wine
# (scripts/wine-i386), made when it is missing or made from another recipe; fails, saying why,
# when it cannot be made.
i386_wine_root() {
  if ! runs_i386_programs; then
    echo "error: this machine runs no 32-bit x86 programs (its kernel or hypervisor refuses them), so" \
      "no 32-bit Wine either" >&2
    return 1
  fi
  local mirror
  mirror=$(debian_mirror bookworm)
  if [ -z "$mirror" ]; then
    echo "error: no Debian mirror for bookworm in the machine's apt sources, to make the i386 root from" >&2
    return 1
  fi
  ensure_root i386-wine "debootstrap --arch=i386 --variant=minbase bookworm $mirror;
apt-get install --no-install-recommends ${TARVOLIN_I386_ROOT_PACKAGES[*]}" make_i386_wine_root
}

# --- ARM Linux (Raspberry Pi OS bookworm: arm64, and armhf on 32-bit systems): cross-built, run
# under qemu-user. One machinery for both architectures, ARCH being Debian's name of one. ---

# The ARM architectures the project builds for, as Debian names them.
TARVOLIN_ARM_ARCHES=(arm64 armhf)

# On this machine: the cross compilers, the emulators (named on every run: no binfmt handler is
# registered), mmdebstrap for the roots, and for the tests the packages scripts/test already has
# (Xvfb, xdotool, the AT-SPI bus).
TARVOLIN_ARM_PACKAGES=(
  g++-aarch64-linux-gnu binutils-aarch64-linux-gnu g++-arm-linux-gnueabihf binutils-arm-linux-gnueabihf
  qemu-user-static mmdebstrap
)

# In the build roots: Qt and the C++ libraries to build against, GoogleTest, and the fonts the Qt
# tests lay the window out in, as on this machine.
TARVOLIN_ARM_ROOT_PACKAGES=(
  qt6-base-dev libc6-dev libstdc++-12-dev libgl-dev libgtest-dev fonts-dejavu-core fonts-cantarell
)

# arm_triplet ARCH: the GNU triplet of ARCH, which names its cross compiler, its CMake toolchain file
# and its folder of libraries (the multiarch one).
arm_triplet() {
  case $1 in
    arm64) echo aarch64-linux-gnu ;;
    armhf) echo arm-linux-gnueabihf ;;
    *) echo "error: no ARM architecture $1 (${TARVOLIN_ARM_ARCHES[*]})" >&2; return 1 ;;
  esac
}

# arm_emulator ARCH: the qemu-user program that runs ARCH's programs.
arm_emulator() {
  case $1 in
    arm64) echo qemu-aarch64-static ;;
    armhf) echo qemu-arm-static ;;
    *) echo "error: no ARM architecture $1 (${TARVOLIN_ARM_ARCHES[*]})" >&2; return 1 ;;
  esac
}

# ensure_arm_root ARCH NAME PACKAGES...: prints the directory of the ARCH root ARCH-NAME that holds
# PACKAGES and what they depend on, from the machine's Debian mirror (bookworm, as Raspberry Pi OS
# bookworm is: glibc 2.36, Qt 6.4.2), made once and kept (ensure_root). The security archive joins
# for arm64 only: this machine's mirror of it serves armhf indexes that fail their size check, so
# the armhf roots come from the main archive alone.
ensure_arm_root() {
  local arch=$1 name=$2
  shift 2
  arm_triplet "$arch" >/dev/null || return 1
  local main security
  main=$(debian_mirror bookworm)
  security=$(debian_mirror bookworm-security)
  if [ -z "$main" ]; then
    echo "error: no Debian mirror for bookworm in the machine's apt sources, so no $arch root" >&2
    return 1
  fi
  arm_root_sources=("deb $main bookworm main")
  [ -n "$security" ] && [ "$arch" = arm64 ] && arm_root_sources+=("deb $security bookworm-security main")
  arm_root_options=(--variant=extract --architectures="$arch" --skip=cleanup/apt/cache
    --include="$(IFS=,; echo "$*")")
  ensure_root "$arch-$name" "${arm_root_options[*]} ${arm_root_sources[*]}; dpkg database 1" make_arm_root
}

# make_arm_root DIR: the root of arm_root_options and arm_root_sources in DIR. The extract variant
# only unpacks: it runs nothing of the root's architecture. A dpkg database of what it unpacked is
# written (record_dpkg_database), and fontconfig gets a cache folder of the root's own, so that
# the root's programs write their font caches there and not into this machine's.
make_arm_root() {
  mmdebstrap "${arm_root_options[@]}" bookworm "$1" "${arm_root_sources[@]}" || return 1
  record_dpkg_database "$1" || return 1
  mkdir -p "$1/var/cache/fontconfig"
}

# record_dpkg_database DIR: for each package in DIR/var/cache/apt/archives, its status, its file
# list and its shlibs and symbols files in DIR/var/lib/dpkg, as dpkg would have left them had it
# unpacked the package; then the packages are removed. dpkg-shlibdeps reads a library's package and
# symbols there (scripts/package). Fails when a package cannot be read (errexit does not hold here).
record_dpkg_database() {
  local admin=$1/var/lib/dpkg deb fields name file
  local control
  control=$(mktemp -d)
  mkdir -p "$admin/info" "$admin/updates"
  : >"$admin/status"
  # The multiarch layout: a Multi-Arch: same package's files are named by package and architecture.
  echo 1 >"$admin/info/format"
  for deb in "$1"/var/cache/apt/archives/*.deb; do
    fields=$(dpkg-deb --field "$deb") || return 1
    name=$(sed -n 's/^Package: //p' <<<"$fields")
    grep -qx 'Multi-Arch: same' <<<"$fields" && name+=":$(sed -n 's/^Architecture: //p' <<<"$fields")"
    printf '%s\n\n' "$(sed '1a Status: install ok unpacked' <<<"$fields")" >>"$admin/status"
    dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\.||; s|\(.\)/$|\1|; s|^/$|/.|' >"$admin/info/$name.list" || return 1
    rm -rf "${control:?}"/*
    dpkg-deb --control "$deb" "$control" || return 1
    for file in shlibs symbols; do
      [ -f "$control/$file" ] && cp "$control/$file" "$admin/info/$name.$file"
    done
  done
  rm -rf "$control"
  rm -f "$1"/var/cache/apt/archives/*.deb
}

# dpkg_database_seen_from_here ROOT DIR: a copy in DIR of ROOT's dpkg database whose file lists
# name each file where this machine sees it, under ROOT: dpkg-shlibdeps here finds the root's
# libraries there, and asks dpkg (DPKG_ADMINDIR=DIR) which package holds each.
dpkg_database_seen_from_here() {
  local admin=$1/var/lib/dpkg
  mkdir -p "$2/info" "$2/updates"
  cp "$admin/status" "$2/"
  cp "$admin/info/format" "$admin"/info/*.shlibs "$admin"/info/*.symbols "$2/info/"
  awk -v root="$1" -v info="$2/info/" '
    FNR == 1 { if (out) close(out); out = FILENAME; sub(/.*\//, "", out); out = info out }
    { print root $0 > out }' "$admin"/info/*.list
}
