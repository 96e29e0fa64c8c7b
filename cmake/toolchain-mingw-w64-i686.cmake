# Cross-builds the Windows program and its tests for 32-bit Windows (x86) with mingw-w64: the x64
# toolchain (toolchain-mingw-w64.cmake) with the i686 triplet.
#   cmake -S . -B build-windows-x86 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TARVOLIN_MINGW_TRIPLET i686-w64-mingw32)

# Every result must be the other builds' to the last bit. Without SSE2 arithmetic, i686 computes in
# the x87 unit's extended precision and rounds where it spills; and no fused multiply-add anywhere.
# For every target, the tests and the tools included.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -ffp-contract=off")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -ffp-contract=off")

include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-w64.cmake)

# The tests run in 32-bit Wine, which the machine's own Wine (64-bit alone) is not: the wine,
# wineserver and wineboot of an i386 root (see cmake/Windows.cmake).
get_filename_component(TARVOLIN_WINE "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-i386" ABSOLUTE)
