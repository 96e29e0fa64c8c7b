# The Windows build's settings, cross-built with cmake/toolchain-mingw-w64.cmake (x64) or
# cmake/toolchain-mingw-w64-i686.cmake (x86) (see scripts/build-windows). It needs no Qt, Hamlib or
# Google Benchmark. Included from the top-level CMakeLists.txt on WIN32.

enable_language(RC)  # the resource compiler, windres (toolchain file)
# The Windows architecture built for, in Windows's own names (the packages carry it).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TARVOLIN_WINDOWS_ARCH x64)
else()
  set(TARVOLIN_WINDOWS_ARCH x86)
endif()
# The wide-character Windows API throughout, and no min/max macros from <windows.h>.
add_compile_definitions(UNICODE _UNICODE NOMINMAX)
include(${CMAKE_CURRENT_LIST_DIR}/WindowsImports.cmake)
# Every function and every object in a section of its own, and the linker keeps only the sections
# that something uses. Little goes (tarvolin.exe for release: x86 6.5 KB less, x64 9 KB): the static
# C++ runtime's parts come whole (std::to_chars of double alone is 187 KB on x86).
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)
# A release program file carries no symbols: one small .exe (mingw's static runtime brings debug
# information of its own).
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -s")
string(APPEND CMAKE_EXE_LINKER_FLAGS_MINSIZEREL " -s")
# Where the toolchain names another Wine than the machine's (TARVOLIN_WINE: the x86 build's 32-bit
# Wine), every test finds its wine, wineserver and wineboot first in PATH: CTest reads wine-path.cmake
# before it lists or runs any test, and the scripts and the emulator call them by name.
if(TARVOLIN_WINE)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/wine-bin)
  foreach(tool wine wineserver wineboot)
    file(CREATE_LINK ${TARVOLIN_WINE} ${CMAKE_BINARY_DIR}/wine-bin/${tool} SYMBOLIC)
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/wine-path.cmake "set(ENV{PATH} \"${CMAKE_BINARY_DIR}/wine-bin:\$ENV{PATH}\")\n")
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/wine-path.cmake)
endif()
# Tests are listed under Wine when they run, not after each link, so that building needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# tarvolin_windows_program(TARGET): one of our Windows programs, which start at wWinMain or wmain
# (the wide-character entry points), build without warnings and import system DLLs alone.
function(tarvolin_windows_program target)
  target_link_options(${target} PRIVATE -municode)
  tarvolin_warnings(${target})
  tarvolin_check_imports(${target})
endfunction()
