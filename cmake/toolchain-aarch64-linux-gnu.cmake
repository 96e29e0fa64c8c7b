# Cross-builds the Linux program and its tests for arm64 (Raspberry Pi OS bookworm and other ARM
# Linux) against an arm64 Debian root, and runs the tests under qemu-user. scripts/build-arm64
# makes the root and passes it:
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-aarch64-linux-gnu.cmake
#         -DTARVOLIN_ARM64_ROOT=ROOT
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
# The package's architecture, as Debian names it.
set(TARVOLIN_DEBIAN_ARCH arm64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# The root is read again by every try_compile, which sees only the variables listed here.
set(TARVOLIN_ARM64_ROOT "" CACHE PATH "An arm64 Debian root with the build's libraries (scripts/build-arm64 makes one)")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARVOLIN_ARM64_ROOT)
if(NOT IS_DIRECTORY "${TARVOLIN_ARM64_ROOT}/usr/lib/aarch64-linux-gnu")
  message(FATAL_ERROR "TARVOLIN_ARM64_ROOT (\"${TARVOLIN_ARM64_ROOT}\") is no arm64 root: scripts/build-arm64 makes one")
endif()
set(CMAKE_SYSROOT ${TARVOLIN_ARM64_ROOT})

# Headers, libraries and CMake packages from the root only; programs from this machine.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Qt's code generators (moc, rcc) are this machine's, of the same Qt version: the root's are
# arm64 programs.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake)
# pkg-config, where Qt's packages use it, reads the root's .pc files.
set(ENV{PKG_CONFIG_SYSROOT_DIR} ${TARVOLIN_ARM64_ROOT})
set(ENV{PKG_CONFIG_LIBDIR} ${TARVOLIN_ARM64_ROOT}/usr/lib/aarch64-linux-gnu/pkgconfig:${TARVOLIN_ARM64_ROOT}/usr/share/pkgconfig)

# Programs run under qemu-user, named on every run (this machine registers no binfmt handler),
# with the root as the place of their libraries.
get_filename_component(_tarvolin_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_tarvolin_root}/scripts/qemu-run;${TARVOLIN_ARM64_ROOT}")
