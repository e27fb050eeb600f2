#include "bounded_format.h"

#include <cstdarg>
#include <cstdio>

namespace ostrakin {

void BoundedFormat(char* out, size_t capacity, const char* format, ...) {
  if (capacity == 0) return;
  va_list arguments;
  va_start(arguments, format);
#if defined(_WIN32)
  // The system's msvcrt formatter: the formats here are plain (%i, %d, %s, %.*s), and the C++
  // library's replacement for it would add its whole formatter to the DLL. It does not
  // terminate text that fills the buffer, so the last byte is set here.
  _vsnprintf(out, capacity, format, arguments);
  out[capacity - 1] = '\0';
#else
  std::vsnprintf(out, capacity, format, arguments);
#endif
  va_end(arguments);
}

}  // namespace ostrakin
