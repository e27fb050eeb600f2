#include "core/text/ascii.h"

#include <gtest/gtest.h>

#include <cctype>

namespace ostrakin {
namespace {

// The limit is the caller's buffer: no byte at or past it is read, terminator or not.
TEST(BoundedLength, StopsAtTheTerminatorOrTheLimit) {
  const struct {
    const char* bytes;
    size_t limit, length;
  } cases[] = {{"abc", 2, 2}, {"abc", 3, 3}, {"abc", 8, 3}, {"a\0c", 3, 1}, {"abc", 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.length, BoundedLength(c.bytes, c.limit)) << c.bytes << ", limit " << c.limit;
  }
}

// Every pair of bytes, against the C locale's tolower, which folds A-Z alone.
TEST(EqualIgnoringAsciiCase, AgreesWithTheCLocaleForEveryPairOfBytes) {
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      ASSERT_EQ(std::tolower(a) == std::tolower(b), EqualIgnoringAsciiCase(char(a), char(b)))
          << a << " " << b;
    }
  }
}

}  // namespace
}  // namespace ostrakin
