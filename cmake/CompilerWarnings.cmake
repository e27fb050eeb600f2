# Warnings for every target of ours; OSTRAKIN_WERROR turns them into errors (every preset sets it).
option(OSTRAKIN_WERROR "Treat compiler warnings as errors" OFF)

function(ostrakin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  if(OSTRAKIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
