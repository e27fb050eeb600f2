// The C library's string and memory functions, the DLL's own: the core calls a few, and the
// compiler emits calls to them for copies and clears of its own. With these the DLL imports no
// C runtime DLL, which not every Windows it loads on has (not every Windows 95 has msvcrt.dll).
// Built so that the compiler does not turn the loops below back into calls to themselves.
#include <cstddef>

extern "C" {

void* memcpy(void* destination, const void* source, size_t size) {
  auto* to = static_cast<unsigned char*>(destination);
  const auto* from = static_cast<const unsigned char*>(source);
  for (size_t i = 0; i < size; ++i)
    to[i] = from[i];
  return destination;
}

void* memset(void* destination, int value, size_t size) {
  auto* to = static_cast<unsigned char*>(destination);
  for (size_t i = 0; i < size; ++i)
    to[i] = static_cast<unsigned char>(value);
  return destination;
}

size_t strlen(const char* text) {
  size_t length = 0;
  while (text[length] != '\0')
    ++length;
  return length;
}

int strcmp(const char* first, const char* second) {
  const auto* a = reinterpret_cast<const unsigned char*>(first);
  const auto* b = reinterpret_cast<const unsigned char*>(second);
  while (*a != '\0' && *a == *b) {
    ++a;
    ++b;
  }
  return *a < *b ? -1 : (*a > *b ? 1 : 0);
}

}  // extern "C"
