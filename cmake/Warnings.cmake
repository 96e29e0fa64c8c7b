# The project's own code builds without warnings. With TARVOLIN_WERROR (as CI builds it) a new
# warning in project code fails the build; warnings in Qt's or GoogleTest's headers do not count.
option(TARVOLIN_WERROR "Treat warnings in the project's own code as errors" OFF)

function(tarvolin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # GCC 12 reports overlapping copies that cannot happen when short strings are assigned or put in
  # front of a std::string with optimisation on (GCC bug 105329): -Wrestrict there says nothing.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(TARVOLIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
