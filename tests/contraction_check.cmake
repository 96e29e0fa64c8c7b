# Checks that every compile in a compile database keeps floating-point arithmetic as written: its
# last -ffp-contract= option is -ffp-contract=off (cmake/FloatingPoint.cmake). Names each compile
# that lacks it, and fails.
#   cmake -DCOMPILE_COMMANDS=BUILD_DIR/compile_commands.json -P contraction_check.cmake
file(READ "${COMPILE_COMMANDS}" database)
string(JSON count LENGTH "${database}")
if(count EQUAL 0)
  message(FATAL_ERROR "no compile in ${COMPILE_COMMANDS}")
endif()
math(EXPR last "${count} - 1")
set(lacking 0)
foreach(i RANGE ${last})
  string(JSON file GET "${database}" ${i} file)
  string(JSON command ERROR_VARIABLE no_command GET "${database}" ${i} command)
  if(no_command)  # the form with the arguments listed one by one
    string(JSON command GET "${database}" ${i} arguments)
  endif()
  string(REGEX MATCHALL "-ffp-contract=[a-z]+" modes "${command}")
  list(POP_BACK modes mode)
  if(NOT mode STREQUAL "-ffp-contract=off")
    message("lacks -ffp-contract=off: ${file}")
    math(EXPR lacking "${lacking} + 1")
  endif()
endforeach()
if(lacking GREATER 0)
  message(FATAL_ERROR "${lacking} of ${count} compiles may fuse multiply and add")
endif()
message("every one of ${count} compiles has -ffp-contract=off")
