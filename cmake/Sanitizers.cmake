# Sanitizers for every target of the build (a comma-separated list for -fsanitize=); a report
# ends the program with a failure.
set(OSTRAKIN_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address,undefined")
if(OSTRAKIN_SANITIZE)
  add_compile_options(-fsanitize=${OSTRAKIN_SANITIZE} -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${OSTRAKIN_SANITIZE})
endif()
