#include "core/answers/memory_bar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "answer_to.h"
#include "byte_units.h"
#include "core/platform_facts.h"
#include "frame.h"
#include "reference_memory_bar.h"
#include "scripted_platform_calls.h"

namespace ostrakin {
namespace {

using testing::AnswerTo;
using testing::Framed;
using testing::ScriptedPlatformCalls;

using testing::kMiB;

TEST(MemoryBar, ShowsTheAvailableShare) {
  const struct {
    uint32_t available, total;
    const char* answer;
  } cases[] = {
      {128 * kMiB, 512 * kMiB, "^[^ |||||............... ^]^"},
      {511 * kMiB, 512 * kMiB, "^[^ |||||||||||||||||||. ^]^"},
      {512 * kMiB, 512 * kMiB, "^[^ |||||||||||||||||||| ^]^"},
      {16 * kMiB, 512 * kMiB, "^[^ .................... ^]^"},
      {5, 0, "^[^ .................... ^]^"},
      {900 * kMiB, 512 * kMiB, "^[^ |||||||||||||||||||| ^]^"},
  };
  for (const auto& c : cases) {
    ScriptedPlatformCalls platform;
    platform.Script(MemorySnapshot{c.total, c.available});
    EXPECT_EQ(Framed(c.answer), AnswerTo(platform, "(!VuskRamBar)"));
  }
}

TEST(MemoryBar, FollowsTheSinglePrecisionRule) {
  const struct {
    uint32_t available, total;
    int cells;
  } cases[] = {
      {128 * kMiB, 512 * kMiB, 5},
      {511 * kMiB, 512 * kMiB, 19},  // 19.96 truncates, it does not round
      {512 * kMiB, 512 * kMiB, 20},
      {16 * kMiB, 512 * kMiB, 0},  // clearly under 1/20
      {0, 512 * kMiB, 0},
      {4294967294u, 4294967295u, 20},  // both round to the same single-precision number
      {4294967295u, 4294967295u, 20},
      {1, 4294967295u, 0},
      {100, 0, 0},  // no total: all dots
      {0, 0, 0},
      {4294967295u, 1, 20},  // an inconsistent snapshot fills the bar and no more
      {600 * kMiB, 512 * kMiB, 20},
      {1, 20, 1},
      {3, 20, 3},
      {1, 3, 6},                   // 6.67
      {2, 3, 13},                  // 13.33
      {16777217u, 16777216u, 20},  // 2^24 + 1 rounds down to 2^24
      {2047 * kMiB, 2047 * kMiB, 20},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.cells, MemoryBarFilledCells(c.available, c.total))
        << c.available << " of " << c.total;
  }
}

// A product that lands just under a whole number only reaches it through the single-precision
// rounding of the product: 0.7 * 20 is 13.999999999999998 in double, 14 in single precision.
TEST(MemoryBar, RoundsTheProductToSinglePrecisionBeforeTruncating) {
  EXPECT_EQ(14, MemoryBarFilledCells(7, 10));
  EXPECT_EQ(14, MemoryBarFilledCells(70, 100));
  EXPECT_EQ(14, MemoryBarFilledCells(7 * kMiB, 10 * kMiB));
  // Shares within 2^-18 below a whole number, where the rounding is followed step by step. The
  // cells come from IEEE single and double arithmetic done elsewhere, not from this code: 12.99...
  // and 6.99... reach the next whole number, a share a little further below does not.
  EXPECT_EQ(13, MemoryBarFilledCells(5452595, 8388608));
  EXPECT_EQ(7, MemoryBarFilledCells(43209875, 123456789));
  EXPECT_EQ(6, MemoryBarFilledCells(43209870, 123456789));
}

#if defined(__SSE2_MATH__)
TEST(MemoryBar, MatchesNativeFloatingPointEverywhere) {
  std::mt19937 random(7);
  int checked = 0;
  auto check = [&](uint64_t available, uint64_t total) {
    ASSERT_EQ(testing::ReferenceBarCells(available, total), MemoryBarFilledCells(available, total))
        << available << " of " << total;
    ++checked;
  };
  std::mt19937_64 random64(13);
  for (int i = 0; i < 1000000; ++i) {
    const uint32_t total = uint32_t(random()) | 1;
    check(uint32_t(random()) % total, total);
    check(uint32_t(random()) >> (random() % 32), uint32_t(random()) >> (random() % 32) | 1);
    // Counts past 4 GiB, from near each other to 2^40 apart.
    const uint64_t total64 = (random64() >> (random64() % 40)) | 1;
    check(random64() % total64, total64);
    check(random64() >> (random64() % 64), (random64() >> (random64() % 64)) | 1);
  }
  // Every boundary between cells, approached from both sides, across the range of totals.
  for (int64_t total :
       {int64_t{20}, int64_t{1000}, int64_t{65536}, 512 * kMiB, 2047 * kMiB, 3 * 1024 * kMiB,
        int64_t{4294967295}, int64_t{16777215}, int64_t{16777217}, int64_t{123456789}}) {
    for (uint64_t cell = 0; cell <= 20; ++cell) {
      const uint64_t boundary = cell * total / 20;
      for (int64_t delta = -3; delta <= 3; ++delta) {
        const int64_t available = int64_t(boundary) + delta;
        if (available >= 0 && available <= int64_t(total)) check(uint32_t(available), total);
      }
    }
  }
  EXPECT_GT(checked, 4000000);
}

#endif

}  // namespace
}  // namespace ostrakin
