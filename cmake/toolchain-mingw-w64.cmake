# Cross-builds the Windows program and its tests on Linux with mingw-w64 (posix threads: the
# win32-threads flavour's libstdc++ has no std::thread). Tests run under Wine through
# scripts/wine-run. This file builds for 64-bit Windows (x64); toolchain-mingw-w64-i686.cmake sets
# the triplet of 32-bit Windows (x86) and then reads this one.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
if(NOT TARVOLIN_MINGW_TRIPLET)
  set(CMAKE_SYSTEM_PROCESSOR x86_64)
  set(TARVOLIN_MINGW_TRIPLET x86_64-w64-mingw32)
endif()
set(CMAKE_C_COMPILER ${TARVOLIN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVOLIN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVOLIN_MINGW_TRIPLET}-windres)

# Headers and libraries from the mingw sysroot only; programs (CMake's own helpers) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TARVOLIN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Executables are run under Wine with a private prefix inside the build tree.
get_filename_component(_tarvolin_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_tarvolin_root}/scripts/wine-run")

# -static: the exe then imports only system DLLs and msvcrt.dll, not libstdc++-6.dll,
# libgcc_s_seh-1.dll and libwinpthread-1.dll. --no-insert-timestamp: the PE header carries no
# link time, so that two builds of the same sources give the same exe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
