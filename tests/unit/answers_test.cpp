// The framed answers, byte for byte, through the tag dispatch.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame.h"
#include "parse_tag.h"
#include "scripted_system_facts.h"

namespace ostrakin {
namespace {

using testing::Framed;
using testing::ScriptedSystemFacts;
using testing::Visible;

constexpr uint64_t kMiB = uint64_t{1} << 20;
constexpr uint64_t kGiB = uint64_t{1} << 30;

std::string Answer(ScriptedSystemFacts& facts, const char* tag) {
  char result[512] = {};
  EXPECT_EQ(1, AnswerTag(facts, tag, result)) << tag;
  return result;
}

TEST(MemoryAnswers, FiguresAreWholeMebibytesByTruncation) {
  const struct {
    uint32_t available, total;
    const char* answer;
  } cases[] = {
      {256 * kMiB, 512 * kMiB, "^[^ 256MB ^/^ 512MB ^]^"},
      {kMiB - 1, 2047 * kMiB, "^[^ 0MB ^/^ 2047MB ^]^"},
      {kMiB * 3 / 2 - 1, kMiB * 2 - kMiB / 100, "^[^ 1MB ^/^ 1MB ^]^"},
      {0, 0, "^[^ 0MB ^/^ 0MB ^]^"},
      {4294967295u, 4294967295u, "^[^ 4095MB ^/^ 4095MB ^]^"},
  };
  for (const auto& c : cases) {
    ScriptedSystemFacts facts;
    facts.memory = {c.total, c.available};
    EXPECT_EQ(Framed(c.answer), Answer(facts, "(!VuskRamStat)"));
  }
}

TEST(MemoryAnswers, BarShowsTheAvailableShare) {
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
    ScriptedSystemFacts facts;
    facts.memory = {c.total, c.available};
    EXPECT_EQ(Framed(c.answer), Answer(facts, "(!VuskRamBar)"));
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
    ScriptedSystemFacts facts;
    facts.memory = {c.total, c.available};
    EXPECT_EQ(Framed("^[^ " + std::string(c.figures) + " ^]^"), Answer(facts, "(!VuskRamStat)"));
    const std::string bar =
        std::string(size_t(c.cells), '|') + std::string(size_t(20 - c.cells), '.');
    EXPECT_EQ(Framed("^[^ " + bar + " ^]^"), Answer(facts, "(!VuskRamBar)")) << c.figures;
  }
}

TEST(DiskAnswer, ScalesEachAmountToItsOwnUnit) {
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
    ScriptedSystemFacts facts;
    facts.disk = {c.free, c.total};
    EXPECT_EQ(Framed(c.answer), Answer(facts, "(!VuskDiskC)"));
    EXPECT_STREQ("C:", facts.lastDrivePath);
  }
}

TEST(DiskAnswer, AFailedQueryShowsZeroForBoth) {
  ScriptedSystemFacts facts;
  facts.diskSucceeds = false;  // and leaves garbage in the record
  EXPECT_EQ(Framed("^[^ 0.00MB ^/^ 0.00MB ^]^"), Answer(facts, "(!VuskDiskQ)"));
  EXPECT_STREQ("Q:", facts.lastDrivePath);
}

TEST(DiskAnswer, AsksForTheRowsDriveWhateverCaseTheUserWrote) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    for (char written : {letter, char(letter + 32)}) {
      ScriptedSystemFacts facts;
      const std::string tag = std::string("(!vuskdisk") + written + ")";
      Answer(facts, tag.c_str());
      EXPECT_EQ((std::string() + letter) + ":", facts.lastDrivePath);
    }
  }
}

TEST(Dispatch, AppendsDiskAnswersAndReplacesTheRest) {
  ScriptedSystemFacts facts;
  facts.disk = {kGiB, 2 * kGiB};
  facts.memory = {512 * kMiB, 256 * kMiB};
  facts.version = {5, 1, 2};

  char result[512] = "C: ";
  ASSERT_EQ(1, AnswerTag(facts, "(!VuskDiskC)", result));
  EXPECT_EQ("C: " + Framed("^[^ 1.00GB ^/^ 2.00GB ^]^"), result);
  ASSERT_EQ(1, AnswerTag(facts, "(!VuskDiskD)", result));  // appends again
  EXPECT_EQ("C: " + Framed("^[^ 1.00GB ^/^ 2.00GB ^]^^[^ 1.00GB ^/^ 2.00GB ^]^"), result);

  std::strcpy(result, "left by the host");
  ASSERT_EQ(1, AnswerTag(facts, "(!VuskRamStat)", result));
  EXPECT_EQ(Framed("^[^ 256MB ^/^ 512MB ^]^"), result);
  const char longText[] = "left by the host, and much longer than any os answer";
  std::strcpy(result, longText);
  ASSERT_EQ(1, AnswerTag(facts, "(!VuskOSInfo)", result));
  EXPECT_EQ(Framed("^[^ Windows XP  ^]^"), result);
  // Behind the terminator the host's old bytes remain: only the answer is written.
  const size_t end = std::strlen(result) + 1;
  EXPECT_STREQ(longText + end, result + end);
}

TEST(Dispatch, AnUnansweredTagLeavesTheBufferByteForByte) {
  ScriptedSystemFacts facts;  // no adapter key: the video card has no answer
  const char* tags[] = {"(!VuskDisk*)", "(!VuskRamStat) ", "", "(!VuskVidCard)",
                        "(!VuskDisk*)  <replace the * with drive letter!>"};
  for (const char* tag : tags) {
    char result[400];
    for (size_t i = 0; i < sizeof result; ++i)
      result[i] = char(i * 7 + 1);
    char before[sizeof result];
    std::memcpy(before, result, sizeof result);
    EXPECT_EQ(0, AnswerTag(facts, tag, result)) << tag;
    EXPECT_EQ(0, std::memcmp(before, result, sizeof result)) << tag;
  }
  EXPECT_EQ(0, facts.KeysLeftOpen());
}

TEST(Dispatch, NullPointersAreDeclined) {
  ScriptedSystemFacts facts;
  char result[64] = "unchanged";
  EXPECT_EQ(0, AnswerTag(facts, nullptr, result));
  EXPECT_EQ(0, AnswerTag(facts, "(!VuskRamStat)", nullptr));
  EXPECT_STREQ("unchanged", result);
  EXPECT_EQ(0, facts.memoryQueries);
}

TEST(Dispatch, EachAnswerTakesItsOwnSnapshot) {
  ScriptedSystemFacts facts;
  Answer(facts, "(!VuskRamStat)");
  Answer(facts, "(!VuskRamBar)");
  Answer(facts, "(!VuskDiskA)");
  Answer(facts, "(!VuskOSInfo)");
  EXPECT_EQ(2, facts.memoryQueries);
  EXPECT_EQ(1, facts.diskQueries);
  EXPECT_EQ(1, facts.versionQueries);
  EXPECT_EQ(0, facts.opens);
}

}  // namespace
}  // namespace ostrakin
