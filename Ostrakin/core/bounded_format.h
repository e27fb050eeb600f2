// printf-style formatting into a caller's buffer, never past `capacity` bytes and always
// terminated.
#pragma once

#include <cstddef>

namespace ostrakin {

#if defined(__GNUC__)
__attribute__((format(printf, 3, 4)))
#endif
void BoundedFormat(char* out, size_t capacity, const char* format, ...);

}  // namespace ostrakin
