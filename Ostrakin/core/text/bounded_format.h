// printf-style formatting into a caller's buffer, never past `capacity` bytes and always
// terminated.
//
// Our own, for the few conversions the answers use: %s, %.*s, %d, %i, %llu and %%. The C runtimes'
// formatters differ (the DLL's would be msvcrt's, not glibc's), so owning it makes the native tests
// prove exactly the bytes the DLL writes, and the DLL needs no C runtime. Write through
// BOUNDED_FORMAT: it refuses, when it compiles, a format with any other conversion (which would
// end the text there), and the compiler checks the arguments against the format.
#pragma once

#include <cstddef>

namespace ostrakin {

// gnu_printf: mingw's default printf checking follows msvcrt, which knows no %llu.
#if defined(__MINGW32__)
__attribute__((format(gnu_printf, 3, 4)))
#elif defined(__GNUC__)
__attribute__((format(printf, 3, 4)))
#endif
size_t
BoundedFormat(char* out, size_t capacity, const char* format, ...);

// True when every conversion in `format` is one BoundedFormat writes.
constexpr bool IsWritableFormat(const char* format) {
  for (const char* at = format; *at != '\0'; ++at) {
    if (*at != '%') continue;
    ++at;
    if (*at == '%' || *at == 's' || *at == 'd' || *at == 'i') continue;
    if ((at[0] == 'l' && at[1] == 'l' && at[2] == 'u') ||
        (at[0] == '.' && at[1] == '*' && at[2] == 's')) {
      at += 2;
      continue;
    }
    return false;
  }
  return true;
}

template <bool Writable>
constexpr void RequireWritableFormat() {
  static_assert(Writable,
                "BoundedFormat writes only %s, %.*s, %d, %i, %llu and %%: any other conversion "
                "would end the text there");
}

}  // namespace ostrakin

// A macro, because C++17 cannot check a function's argument when it compiles: the format literal
// goes both to the check and to the compiler's own printf checking.
#define BOUNDED_FORMAT(out, capacity, format, ...)                            \
  (::ostrakin::RequireWritableFormat<::ostrakin::IsWritableFormat(format)>(), \
   ::ostrakin::BoundedFormat(out, capacity, format, __VA_ARGS__))
