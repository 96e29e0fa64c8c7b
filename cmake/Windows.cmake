# The Windows build, cross-built with cmake/toolchain-mingw-w64.cmake (see scripts/build-windows).
# It needs no Qt, Hamlib or Google Benchmark: the geometry, the Windows front end and their tests.
# Included from the top-level CMakeLists.txt on WIN32 in place of the Linux build.

enable_language(RC)  # the resource compiler, windres (toolchain file)
# The wide-character Windows API throughout, and no min/max macros from <windows.h>.
add_compile_definitions(UNICODE _UNICODE NOMINMAX)
include(${CMAKE_CURRENT_LIST_DIR}/WindowsImports.cmake)
# A release program file carries no symbols: one small .exe.
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -s")

add_subdirectory(geometry)

# The toolkit-free window logic (without its Qt front end), then the Win32 front end over it.
set(TARVOLIN_BUILD_UI OFF)
add_subdirectory(ui)
add_subdirectory(ui/win32)

# Start-up reference windows, measured by scripts/bench-startup-windows.
if(TARGET win32_pictures)
  foreach(reference win32_empty_window win32_bare_window)
    add_executable(${reference} WIN32 tools/startup/${reference}.cpp)
    target_link_options(${reference} PRIVATE -municode)  # wWinMain
    target_compile_options(${reference} PRIVATE -Wpedantic)
    tarvolin_warnings(${reference})
    tarvolin_check_imports(${reference})
  endforeach()
  target_link_libraries(win32_bare_window PRIVATE win32_pictures tarvolin_resources)
endif()

if(BUILD_TESTING)
  enable_testing()
  add_subdirectory(tools/crosscheck)
  add_subdirectory(tests/win32)
endif()
