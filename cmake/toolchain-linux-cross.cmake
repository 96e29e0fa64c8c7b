# Cross-builds the Linux program and its tests for another processor (Raspberry Pi OS bookworm and
# other ARM Linux) against a Debian root of that architecture, and runs the tests under qemu-user.
# Read by each architecture's own file, which names it first:
#   toolchain-aarch64-linux-gnu.cmake (arm64), toolchain-arm-linux-gnueabihf.cmake (armhf)
# scripts/build-arm makes the root and passes it:
#   cmake -S . -B build-armhf -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-arm-linux-gnueabihf.cmake
#         -DTARVOLIN_TARGET_ROOT=ROOT
# The architecture's file sets TARVOLIN_DEBIAN_ARCH (the package's architecture, as Debian names
# it), TARVOLIN_TRIPLET (the cross compiler's, and the root's folder of libraries) and
# CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_C_COMPILER ${TARVOLIN_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TARVOLIN_TRIPLET}-g++)

# The root is read again by every try_compile, which sees only the variables listed here.
set(TARVOLIN_TARGET_ROOT "" CACHE PATH "A ${TARVOLIN_DEBIAN_ARCH} Debian root with the build's libraries (scripts/build-arm makes one)")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARVOLIN_TARGET_ROOT)
if(NOT IS_DIRECTORY "${TARVOLIN_TARGET_ROOT}/usr/lib/${TARVOLIN_TRIPLET}")
  message(FATAL_ERROR "TARVOLIN_TARGET_ROOT (\"${TARVOLIN_TARGET_ROOT}\") is no ${TARVOLIN_DEBIAN_ARCH} root: scripts/build-arm makes one")
endif()
set(CMAKE_SYSROOT ${TARVOLIN_TARGET_ROOT})

# Headers, libraries and CMake packages from the root only; programs from this machine.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Qt's code generators (moc, rcc) are this machine's, of the same Qt version: the root's are
# programs of the other processor.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake)
# pkg-config, where Qt's packages use it, reads the root's .pc files.
set(ENV{PKG_CONFIG_SYSROOT_DIR} ${TARVOLIN_TARGET_ROOT})
set(ENV{PKG_CONFIG_LIBDIR} ${TARVOLIN_TARGET_ROOT}/usr/lib/${TARVOLIN_TRIPLET}/pkgconfig:${TARVOLIN_TARGET_ROOT}/usr/share/pkgconfig)

# Programs run under qemu-user, named on every run (this machine registers no binfmt handler),
# with the root as the place of their libraries.
get_filename_component(_tarvolin_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_tarvolin_root}/scripts/qemu-run;${TARVOLIN_DEBIAN_ARCH};${TARVOLIN_TARGET_ROOT}")
