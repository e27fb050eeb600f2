// Byte-level text helpers that behave the same under every C runtime and locale.
#pragma once

#include <cstddef>
#include <string>

namespace ostrakin {

// Folds A-Z onto a-z and leaves every other byte, including those above 0x7F, as it is: the
// case-insensitive comparison of the default "C" locale.
constexpr char FoldAsciiCase(char c) {
  return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// FoldAsciiCase(a) == FoldAsciiCase(b), with the least work when the bytes are the same: else
// they differ in the case bit alone and are a letter.
constexpr bool EqualIgnoringAsciiCase(char a, char b) {
  return a == b || ((a ^ b) == 0x20 && static_cast<unsigned char>((a | 0x20) - 'a') < 26);
}

// Length of a text known at compile time, for checks and tables built by the compiler.
constexpr size_t ConstLength(const char* text) {
  return std::char_traits<char>::length(text);
}

// Length of the text in `bytes`, reading no further than `limit` bytes.
inline size_t BoundedLength(const char* bytes, size_t limit) {
  size_t length = 0;
  while (length < limit && bytes[length] != '\0')
    ++length;
  return length;
}

}  // namespace ostrakin
