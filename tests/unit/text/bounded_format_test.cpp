#include "core/text/bounded_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace ostrakin {
namespace {

TEST(BoundedFormat, WritesTheConversionsTheAnswersUse) {
  char out[64];
  EXPECT_EQ(21u, BoundedFormat(out, sizeof out, "%d|%i|%s|%.*s|%%", INT_MIN, 0, "ab", 2, "xyz"));
  EXPECT_STREQ("-2147483648|0|ab|xy|%", out);
  BoundedFormat(out, sizeof out, "[%.*s]", 5, "a\0bcdef");  // stops at the text's terminator
  EXPECT_STREQ("[a]", out);
  BoundedFormat(out, sizeof out, "%i %d", INT_MAX, -7);
  EXPECT_STREQ("2147483647 -7", out);
  BoundedFormat(out, sizeof out, "%llu %llu %llu", 0ull, 4294967296ull, ULLONG_MAX);
  EXPECT_STREQ("0 4294967296 18446744073709551615", out);
}

// A conversion it does not write ends the text there: going on would read the arguments out of
// step. BOUNDED_FORMAT refuses such a format when it compiles.
TEST(BoundedFormat, EndsTheTextAtAConversionItDoesNotWrite) {
  static_assert(IsWritableFormat("%d%i%s%.*s%llu%%") && !IsWritableFormat("%02d") &&
                !IsWritableFormat("%u") && !IsWritableFormat("%.2s"));
  char out[16];
  const char* unwritable = "a%ub%s";
  EXPECT_EQ(1u, BoundedFormat(out, sizeof out, unwritable, "never read"));
  EXPECT_STREQ("a", out);
}

TEST(BoundedFormat, NeverWritesPastItsCapacity) {
  char out[16];
  std::memset(out, '#', sizeof out);
  EXPECT_EQ(7u, BoundedFormat(out, 8, "%s and more", "long text"));
  EXPECT_EQ(std::string("long te\0########", 16), std::string(out, 16));
  EXPECT_EQ(0u, BoundedFormat(out, 1, "%d", 12345));
  EXPECT_EQ('\0', out[0]);
  EXPECT_EQ(0u, BoundedFormat(out, 0, "x"));
  EXPECT_EQ('\0', out[0]);
}

}  // namespace
}  // namespace ostrakin
