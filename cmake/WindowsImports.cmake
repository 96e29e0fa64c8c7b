# tarvolin_check_imports(TARGET): a test that TARGET's exe imports only system DLLs, no
# libstdc++, libgcc or winpthread DLL (the toolchain links -static). Point it at every exe we
# ship or test, tarvolin.exe included.
set(TARVOLIN_CHECK_IMPORTS ${CMAKE_CURRENT_LIST_DIR}/../tests/ui/win32/check_imports.sh)

function(tarvolin_check_imports target)
  add_test(NAME ${target}_imports_system_dlls
    COMMAND ${TARVOLIN_CHECK_IMPORTS} ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}>)
endfunction()

# tarvolin_check_windows7_imports(TARGET): a test that TARGET's exe imports no DLL and no function
# that Windows 7 SP1 lacks (tests/ui/win32/later_than_windows7.txt), so that it starts there. Point it
# at every exe we ship.
set(TARVOLIN_CHECK_WINDOWS7_IMPORTS ${CMAKE_CURRENT_LIST_DIR}/../tests/ui/win32/check_windows7_imports.sh)

function(tarvolin_check_windows7_imports target)
  add_test(NAME ${target}_imports_nothing_later_than_windows7
    COMMAND ${TARVOLIN_CHECK_WINDOWS7_IMPORTS} ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}>)
endfunction()
