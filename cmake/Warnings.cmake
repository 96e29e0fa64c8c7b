# The project's own code builds without warnings. With TARVOLIN_WERROR (as CI builds it) a new
# warning in project code fails the build; warnings in Qt's or GoogleTest's headers do not count.
option(TARVOLIN_WERROR "Treat warnings in the project's own code as errors" OFF)

function(tarvolin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TARVOLIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
