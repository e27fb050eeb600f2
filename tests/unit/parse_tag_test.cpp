// The dispatch: which tags are answered, where the answer goes, and what is left alone.
#include "core/parse_tag.h"

#include <gtest/gtest.h>

#include <cstring>
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

TEST(ParseTag, AppendsDiskAnswersAndReplacesTheRest) {
  ScriptedPlatformCalls platform;
  platform.Script(DiskQuery{{}, kGiB, 2 * kGiB});
  platform.Script(MemorySnapshot{512 * kMiB, 256 * kMiB});
  platform.Script(OsVersion{5, 1, 2});

  char result[512] = "C: ";
  ASSERT_EQ(1, ParseTag(platform, "(!VuskDiskC)", result));
  EXPECT_EQ("C: " + Framed("^[^ 1.00GB ^/^ 2.00GB ^]^"), result);
  ASSERT_EQ(1, ParseTag(platform, "(!VuskDiskD)", result));  // appends again
  EXPECT_EQ("C: " + Framed("^[^ 1.00GB ^/^ 2.00GB ^]^^[^ 1.00GB ^/^ 2.00GB ^]^"), result);

  std::strcpy(result, "left by the host");
  ASSERT_EQ(1, ParseTag(platform, "(!VuskRamStat)", result));
  EXPECT_EQ(Framed("^[^ 256MB ^/^ 512MB ^]^"), result);
  const char longText[] = "left by the host, and much longer than any os answer";
  std::strcpy(result, longText);
  ASSERT_EQ(1, ParseTag(platform, "(!VuskOSInfo)", result));
  EXPECT_EQ(Framed("^[^ Windows XP  ^]^"), result);
  // Behind the terminator the host's old bytes remain: only the answer is written.
  const size_t end = std::strlen(result) + 1;
  EXPECT_STREQ(longText + end, result + end);
}

TEST(ParseTag, AnUnansweredTagLeavesTheBufferByteForByte) {
  ScriptedPlatformCalls platform;  // no adapter key: the video card has no answer
  const char* tags[] = {"(!VuskDisk*)", "(!VuskRamStat) ", "", "(!VuskVidCard)",
                        "(!VuskDisk*)  <replace the * with drive letter!>"};
  for (const char* tag : tags) {
    char result[400];
    for (size_t i = 0; i < sizeof result; ++i)
      result[i] = char(i * 7 + 1);
    char before[sizeof result];
    std::memcpy(before, result, sizeof result);
    EXPECT_EQ(0, ParseTag(platform, tag, result)) << tag;
    EXPECT_EQ(0, std::memcmp(before, result, sizeof result)) << tag;
  }
  EXPECT_EQ(0, platform.KeysLeftOpen());
}

TEST(ParseTag, NullPointersAreDeclined) {
  ScriptedPlatformCalls platform;
  char result[64] = "unchanged";
  EXPECT_EQ(0, ParseTag(platform, nullptr, result));
  EXPECT_EQ(0, ParseTag(platform, "(!VuskRamStat)", nullptr));
  EXPECT_STREQ("unchanged", result);
  EXPECT_EQ(0, platform.Queries<MemorySnapshot>());
}

TEST(ParseTag, EachAnswerTakesItsOwnSnapshot) {
  ScriptedPlatformCalls platform;
  AnswerTo(platform, "(!VuskRamStat)");
  AnswerTo(platform, "(!VuskRamBar)");
  AnswerTo(platform, "(!VuskDiskA)");
  AnswerTo(platform, "(!VuskOSInfo)");
  EXPECT_EQ(2, platform.Queries<MemorySnapshot>());
  EXPECT_EQ(1, platform.Queries<DiskQuery>());
  EXPECT_EQ(1, platform.Queries<OsVersion>());
  EXPECT_EQ(0, platform.opens);
}

}  // namespace
}  // namespace ostrakin
