#include "core/text/two_decimals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "byte_units.h"

namespace ostrakin {
namespace {

using testing::kGiB;
using testing::kMiB;

std::string Gb(int64_t bytes) {
  char text[kAmountTextCapacity];
  const size_t length = WriteTwoDecimals(bytes, AmountUnit::Gibibytes, text);
  EXPECT_EQ(length, std::string(text).size());
  return text;
}

std::string Mb(int64_t bytes) {
  char text[kAmountTextCapacity];
  WriteTwoDecimals(bytes, AmountUnit::Mebibytes, text);
  return text;
}

TEST(TwoDecimals, PrintsAmounts) {
  const struct {
    int64_t bytes;
    const char* gb;
  } cases[] = {
      {10 * kGiB, "10.00"},
      {40 * kGiB, "40.00"},
      {512 * kMiB, "0.50"},
      {0, "0.00"},
      {1468006, "0.00"},  // a 1.4 MiB floppy
      {2048 * kGiB, "2048.00"},
      {kGiB / 200 - 1, "0.00"},
      {kGiB - 1, "1.00"},
      {int64_t{0x7FFFFFFFFFFFFFFF}, "8589934592.00"},
      {-kGiB, "-1.00"},
      {-1, "-0.00"},  // a negative amount keeps its sign, as printf shows it
      {INT64_MIN, "-8589934592.00"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.gb, Gb(c.bytes)) << c.bytes;
  EXPECT_EQ("0.00", Mb(0));
  EXPECT_EQ("512.00", Mb(512 * kMiB));
  EXPECT_EQ("8796093022208.00", Mb(int64_t{0x7FFFFFFFFFFFFFFF}));
}

// Exactly halfway between two printable values: the C runtimes round to even, this rounds up.
TEST(TwoDecimals, RoundsAnExactTieUp) {
  EXPECT_EQ("10.13", Gb(10 * kGiB + kGiB / 8));  // 10.125
  EXPECT_EQ("0.63", Gb(kGiB / 8 * 5));           // 0.625
  EXPECT_EQ("0.62", Gb(kGiB / 8 * 5 - 1));       // just below the tie
  EXPECT_EQ("0.38", Gb(kGiB / 8 * 3));           // 0.375: up is also even
  EXPECT_EQ("0.13", Gb(kGiB / 8));
  EXPECT_EQ("-0.13", Gb(-kGiB / 8));
  EXPECT_EQ("1.13", Mb(kMiB + kMiB / 8));
  std::mt19937_64 random(3);
  for (int i = 0; i < 10000; ++i) {
    const int64_t whole = int64_t(random() % 100000);
    const int eighth = int(random() % 4) * 2 + 1;  // .125 .375 .625 .875
    char expected[32];
    std::snprintf(expected, sizeof expected, "%lld.%02d", (long long)whole, eighth * 25 / 2 + 1);
    ASSERT_EQ(expected, Gb(whole * kGiB + eighth * (kGiB / 8)));
  }
}

#if !defined(_WIN32)
// Away from ties the text must be what glibc's exact "%0.2f" prints for the same double.
TEST(TwoDecimals, MatchesPrintfAwayFromTies) {
  std::mt19937_64 random(5);
  int compared = 0;
  for (int i = 0; i < 500000; ++i) {
    const int64_t bytes = int64_t(random() >> (random() % 64));
    for (AmountUnit unit : {AmountUnit::Gibibytes, AmountUnit::Mebibytes}) {
      const int shift = int(unit);
      // A double whose hundredths end in exactly one half is a tie: skip it. (Above 2^53 the
      // count itself is rounded to the nearest double first.)
      const uint64_t asDouble = uint64_t(double(bytes));
      const uint64_t mask = (uint64_t{1} << shift) - 1;
      if (((asDouble & mask) * 100 & mask) == (uint64_t{1} << (shift - 1))) continue;
      char expected[64];
      std::snprintf(expected, sizeof expected, "%0.2f",
                    double(bytes) / double(int64_t{1} << shift));
      char text[kAmountTextCapacity];
      WriteTwoDecimals(bytes, unit, text);
      ASSERT_STREQ(expected, text) << bytes;
      ++compared;
    }
  }
  EXPECT_GT(compared, 990000);
}
#endif

}  // namespace
}  // namespace ostrakin
