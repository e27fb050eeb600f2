#include "core/text/ascii.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ostrakin
