// "(!VuskRamStat)", and both memory answers for counts past 4 GiB.
#include <gtest/gtest.h>

#include <string>

#include "answer_to.h"
#include "byte_units.h"
#include "core/platform_facts.h"
#include "frame.h"
#include "scripted_platform_calls.h"

namespace ostrakin {
namespace {

using testing::AnswerTo;
using testing::Framed;
using testing::kGiB;
using testing::kMiB;
using testing::ScriptedPlatformCalls;

TEST(MemoryFigures, AreWholeMebibytesByTruncation) {
  const struct {
    uint64_t available, total;
    const char* answer;
  } cases[] = {
      {256 * kMiB, 512 * kMiB, "^[^ 256MB ^/^ 512MB ^]^"},
      {kMiB - 1, 2047 * kMiB, "^[^ 0MB ^/^ 2047MB ^]^"},
      {kMiB * 3 / 2 - 1, kMiB * 2 - kMiB / 100, "^[^ 1MB ^/^ 1MB ^]^"},
      {0, 0, "^[^ 0MB ^/^ 0MB ^]^"},
      {4294967295u, 4294967295u, "^[^ 4095MB ^/^ 4095MB ^]^"},
  };
  for (const auto& c : cases) {
    ScriptedPlatformCalls platform;
    platform.Script(MemorySnapshot{c.total, c.available});
    EXPECT_EQ(Framed(c.answer), AnswerTo(platform, "(!VuskRamStat)"));
  }
}

// Counts from the 64-bit query: printed in full, and the bar from the same single-precision rule.
TEST(MemoryAnswers, CountsPast4GiBAreNeitherCappedNorWrapped) {
  const struct {
    uint64_t available, total;
    const char* figures;
    int cells;
  } cases[] = {
      {16 * kGiB, 32 * kGiB, "16384MB ^/^ 32768MB", 10},
      {5 * kGiB, 24 * kGiB, "5120MB ^/^ 24576MB", 4},  // 4.17
      {1024 * kGiB, 1024 * kGiB, "1048576MB ^/^ 1048576MB", 20},
      {(kGiB << 4) - 1, kGiB << 4, "16383MB ^/^ 16384MB", 20},  // rounds to 2^34 in single
      {7 * kGiB * 1024, 10 * kGiB * 1024, "7340032MB ^/^ 10485760MB", 14},  // 0.7 * 20
      {kGiB, uint64_t{1} << 63, "1024MB ^/^ 8796093022208MB", 0},
      {~uint64_t{0}, ~uint64_t{0}, "17592186044415MB ^/^ 17592186044415MB", 20},
      {uint64_t{1} << 40, 4 * kGiB, "1048576MB ^/^ 4096MB", 20},  // inconsistent: full, no more
  };
  for (const auto& c : cases) {
    ScriptedPlatformCalls platform;
    platform.Script(MemorySnapshot{c.total, c.available});
    EXPECT_EQ(Framed("^[^ " + std::string(c.figures) + " ^]^"),
              AnswerTo(platform, "(!VuskRamStat)"));
    const std::string bar =
        std::string(size_t(c.cells), '|') + std::string(size_t(20 - c.cells), '.');
    EXPECT_EQ(Framed("^[^ " + bar + " ^]^"), AnswerTo(platform, "(!VuskRamBar)")) << c.figures;
  }
}

}  // namespace
}  // namespace ostrakin
