# The Windows build's settings, cross-built with cmake/toolchain-mingw-w64.cmake (see
# scripts/build-windows). It needs no Qt, Hamlib or Google Benchmark. Included from the top-level
# CMakeLists.txt on WIN32.

enable_language(RC)  # the resource compiler, windres (toolchain file)
# The wide-character Windows API throughout, and no min/max macros from <windows.h>.
add_compile_definitions(UNICODE _UNICODE NOMINMAX)
include(${CMAKE_CURRENT_LIST_DIR}/WindowsImports.cmake)
# A release program file carries no symbols: one small .exe (mingw's static runtime brings debug
# information of its own).
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -s")
string(APPEND CMAKE_EXE_LINKER_FLAGS_MINSIZEREL " -s")
# Tests are listed under Wine when they run, not after each link, so that building needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# tarvolin_windows_program(TARGET): one of our Windows programs, which start at wWinMain or wmain
# (the wide-character entry points), build without warnings and import system DLLs alone.
function(tarvolin_windows_program target)
  target_link_options(${target} PRIVATE -municode)
  tarvolin_warnings(${target})
  tarvolin_check_imports(${target})
endfunction()
