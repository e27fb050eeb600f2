// "(!VuskDiskA)" to "(!VuskDiskZ)", byte for byte through the dispatch.
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

TEST(DiskSpace, ScalesEachAmountToItsOwnUnit) {
  const struct {
    uint64_t free, total;
    const char* answer;
  } cases[] = {
      {10 * kGiB, 40 * kGiB, "^[^ 10.00GB ^/^ 40.00GB ^]^"},
      {512 * kMiB, 2 * kGiB, "^[^ 0.50GB ^/^ 2.00GB ^]^"},
      {0, 1468006, "^[^ 0.00MB ^/^ 0.00GB ^]^"},  // a full floppy
      {0, 40 * kGiB, "^[^ 0.00MB ^/^ 40.00GB ^]^"},
      {10 * kGiB + kGiB / 8, 2048 * kGiB, "^[^ 10.13GB ^/^ 2048.00GB ^]^"},
      {kGiB / 8 * 5, kGiB / 8 * 5 - 1, "^[^ 0.63GB ^/^ 0.62GB ^]^"},
      {1, 0, "^[^ 0.00GB ^/^ 0.00MB ^]^"},
      // Counts are read as signed: beyond 2^63 they turn negative and show in MB.
      {~uint64_t{0}, uint64_t{1} << 63, "^[^ -0.00MB ^/^ -8796093022208.00MB ^]^"},
  };
  for (const auto& c : cases) {
    ScriptedPlatformCalls platform;
    platform.Script(DiskQuery{{}, c.free, c.total});
    EXPECT_EQ(Framed(c.answer), AnswerTo(platform, "(!VuskDiskC)"));
    EXPECT_STREQ("C:\\", platform.LastAsked<DiskQuery>().drivePath);
  }
}

TEST(DiskSpace, AFailedQueryShowsZeroForBoth) {
  ScriptedPlatformCalls platform;
  platform.Script(DiskQuery{{}, 5 * kGiB, 20 * kGiB});
  platform.Fail<DiskQuery>();  // and leaves those figures in the record
  EXPECT_EQ(Framed("^[^ 0.00MB ^/^ 0.00MB ^]^"), AnswerTo(platform, "(!VuskDiskQ)"));
  EXPECT_STREQ("Q:\\", platform.LastAsked<DiskQuery>().drivePath);
}

TEST(DiskSpace, AsksForTheRowsDriveWhateverCaseTheUserWrote) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    for (char written : {letter, char(letter + 32)}) {
      ScriptedPlatformCalls platform;
      const std::string tag = std::string("(!vuskdisk") + written + ")";
      AnswerTo(platform, tag.c_str());
      EXPECT_EQ((std::string() + letter) + ":\\", platform.LastAsked<DiskQuery>().drivePath);
    }
  }
}

}  // namespace
}  // namespace ostrakin
