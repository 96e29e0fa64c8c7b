# The armhf build (32-bit Raspberry Pi OS bookworm on a Pi 2, 3 or Zero 2 W, other 32-bit ARM
# Linux): see toolchain-linux-cross.cmake.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(TARVOLIN_DEBIAN_ARCH armhf)
set(TARVOLIN_TRIPLET arm-linux-gnueabihf)

# Debian's armhf: ARMv7 with VFPv3-D16 (no NEON), the hard-float calling convention, Thumb-2; the
# cross compiler's defaults, said here so that the program runs wherever Debian's armhf libraries
# do. 64-bit file offsets: under qemu-user on a 64-bit kernel, ext4 gives 64-bit directory
# positions, which 32-bit ones overflow (EOVERFLOW).
set(_tarvolin_armhf_options "-march=armv7-a+fp -mfpu=vfpv3-d16 -mfloat-abi=hard -mthumb -D_FILE_OFFSET_BITS=64")
set(CMAKE_C_FLAGS_INIT "${_tarvolin_armhf_options}")
set(CMAKE_CXX_FLAGS_INIT "${_tarvolin_armhf_options}")

include(${CMAKE_CURRENT_LIST_DIR}/toolchain-linux-cross.cmake)
