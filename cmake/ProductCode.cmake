# What the code of the shipped binaries is compiled with. It runs inside someone else's process:
# no exceptions or RTTI cross into the host, and in a Windows binary nothing unwinds through its
# frames, so it carries no unwind tables (cmake/shipped_binary.ld drops libgcc's too).
function(ostrakin_product_code target)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
  if(WIN32)
    target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables)
  endif()
endfunction()
