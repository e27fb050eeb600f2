#include "core/text/bounded_format.h"

#include <cstdarg>
#include <cstdint>

namespace ostrakin {
namespace {

class BoundedWriter {
 public:
  BoundedWriter(char* out, size_t capacity) : out_(out), room_(capacity - 1) {}

  void Put(char c) {
    if (length_ < room_) out_[length_++] = c;
  }
  // At most `limit` bytes of `text`, stopping at its terminator.
  void PutText(const char* text, size_t limit) {
    for (size_t i = 0; i < limit && text[i] != '\0'; ++i)
      Put(text[i]);
  }
  void PutDecimal(int value) {
    // Through unsigned arithmetic, so that the most negative value has a magnitude too.
    if (value < 0) Put('-');
    PutUnsigned(value < 0 ? 0u - uint32_t(value) : uint32_t(value));
  }
  // 32-bit magnitudes stay in 32-bit arithmetic: 64-bit division is a library call on i686.
  template <typename Unsigned>
  void PutUnsigned(Unsigned magnitude) {
    char digits[20];
    size_t count = 0;
    do {
      digits[count++] = char('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    while (count != 0)
      Put(digits[--count]);
  }
  size_t Finish() {
    out_[length_] = '\0';
    return length_;
  }

 private:
  char* out_;
  size_t room_;
  size_t length_ = 0;
};

}  // namespace

size_t BoundedFormat(char* out, size_t capacity, const char* format, ...) {
  if (capacity == 0) return 0;
  BoundedWriter writer(out, capacity);
  va_list arguments;
  va_start(arguments, format);
  for (const char* at = format; *at != '\0'; ++at) {
    if (*at != '%') {
      writer.Put(*at);
      continue;
    }
    ++at;
    if (*at == '%') {
      writer.Put('%');
    } else if (*at == 's') {
      writer.PutText(va_arg(arguments, const char*), SIZE_MAX);
    } else if (*at == 'd' || *at == 'i') {
      writer.PutDecimal(va_arg(arguments, int));
    } else if (at[0] == 'l' && at[1] == 'l' && at[2] == 'u') {
      const unsigned long long value = va_arg(arguments, unsigned long long);
      if (value <= UINT32_MAX) {
        writer.PutUnsigned(uint32_t(value));
      } else {
        writer.PutUnsigned(value);
      }
      at += 2;
    } else if (at[0] == '.' && at[1] == '*' && at[2] == 's') {
      const int limit = va_arg(arguments, int);
      writer.PutText(va_arg(arguments, const char*), limit < 0 ? SIZE_MAX : size_t(limit));
      at += 2;
    } else {
      break;  // not a conversion the answers use
    }
  }
  va_end(arguments);
  return writer.Finish();
}

}  // namespace ostrakin
