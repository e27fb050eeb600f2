# What every shipped Windows binary gets: a version resource, so that Windows shows the product
# and version in the file's properties, no symbol table, and the same bytes from every build of
# the same sources: the PE timestamp is always 0, so that neither the clock nor the environment
# of the link (the linker would read SOURCE_DATE_EPOCH then) reaches the bytes. Its code runs on
# the oldest processor of the oldest Windows it loads on, and it starts at its own entry point:
# mingw-w64's C runtime start-up is built for the Pentium Pro (see ostrakin_oldest_processor).
#   ostrakin_shipped_binary(target VFT_DLL "what it is" EntryPoint@ArgumentBytes)
function(ostrakin_shipped_binary target file_type description entry_point)
  set(VERSION_FILE_TYPE ${file_type})
  set(VERSION_DESCRIPTION "${description}")
  set(VERSION_NAME ${target})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(VERSION_FILE_NAME ${target}.dll)
  else()
    set(VERSION_FILE_NAME ${target}.exe)
  endif()
  set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
  # A misspelled entry symbol is only a linker warning, and the binary would start nowhere.
  target_link_options(${target} PRIVATE -s -nostartfiles -Wl,-e,_${entry_point} -Wl,--fatal-warnings)
  # No constructor or destructor lists to run, no unwind tables.
  set(script ${PROJECT_SOURCE_DIR}/cmake/shipped_binary.ld)
  target_link_options(${target} PRIVATE -Wl,-T,${script})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${script})
  ostrakin_oldest_processor(${target})
  target_link_options(${target} PRIVATE -Wl,--no-insert-timestamp)
endfunction()

# Windows 95 runs on a 386, and the compiler's default is the Pentium Pro (cmov, fcomi): code that
# a shipped binary runs is built for the 386 (tuned for today's processors), and check-abi refuses
# any later instruction in the binaries.
function(ostrakin_oldest_processor target)
  target_compile_options(${target} PRIVATE -march=i386 -mtune=generic)
endfunction()
