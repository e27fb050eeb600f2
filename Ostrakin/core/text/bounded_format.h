// printf-style formatting into a caller's buffer, never past `capacity` bytes and always
// terminated.
//
// Our own, for the few conversions the answers use: %s, %.*s, %d, %i, %llu and %%. The C runtimes'
// formatters differ (the DLL's msvcrt is not glibc), so owning it makes the native tests prove
// exactly the bytes the DLL writes; it is also several times faster than msvcrt's. Any other
// conversion is a programming error: the text ends there (the compiler checks the formats).
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

}  // namespace ostrakin
