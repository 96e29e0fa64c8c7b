# The arm64 build (64-bit Raspberry Pi OS bookworm, other 64-bit ARM Linux): see
# toolchain-linux-cross.cmake.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(TARVOLIN_DEBIAN_ARCH arm64)
set(TARVOLIN_TRIPLET aarch64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-linux-cross.cmake)
