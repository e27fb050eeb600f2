# Warnings for every target of ours; OSTRAKIN_WERROR turns them into errors (CI builds set it).
option(OSTRAKIN_WERROR "Treat compiler warnings as errors" OFF)

function(ostrakin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  if(OSTRAKIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Sanitizers for every target of the build (a comma-separated list for -fsanitize=); a report
# ends the program with a failure.
set(OSTRAKIN_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address,undefined")
if(OSTRAKIN_SANITIZE)
  add_compile_options(-fsanitize=${OSTRAKIN_SANITIZE} -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${OSTRAKIN_SANITIZE})
endif()
