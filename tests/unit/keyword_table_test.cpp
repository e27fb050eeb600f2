#include "core/keyword_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace ostrakin {
namespace {

std::string WithCase(const char* text, int (*change)(int)) {
  std::string changed(text);
  for (char& c : changed)
    c = char(change(static_cast<unsigned char>(c)));
  return changed;
}

// What the lookup must agree with: each keyword in table order, compared over the whole text
// with A-Z folded onto a-z and nothing else, first equal row wins.
const KeywordRow* SequentialReference(const std::string& tag) {
  for (const KeywordRow& row : kKeywordTable) {
    if (std::strlen(row.text) != tag.size()) continue;
    bool equal = true;
    for (size_t i = 0; i < tag.size() && equal; ++i) {
      auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
      equal = fold(row.text[i]) == fold(tag[i]);
    }
    if (equal) return &row;
  }
  return nullptr;
}

TEST(KeywordTable, HoldsTheVocabularyInOrder) {
  for (int letter = 0; letter < 26; ++letter) {
    const KeywordRow& row = kKeywordTable[letter];
    EXPECT_EQ(std::string("(!VuskDisk") + char('A' + letter) + ")", row.text);
    EXPECT_EQ(Probe::DiskSpace, row.probe);
    EXPECT_EQ(Placement::Appended, row.placement);
    EXPECT_EQ('A' + letter, row.driveLetter);
  }
  const struct {
    const char* text;
    Probe probe;
  } rest[] = {{"(!VuskRamStat)", Probe::MemoryFigures},
              {"(!VuskRamBar)", Probe::MemoryBar},
              {"(!VuskVidCard)", Probe::VideoCard},
              {"(!VuskOSInfo)", Probe::OperatingSystem},
              {"(!VuskCPUInfo)", Probe::Processor}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_STREQ(rest[i].text, kKeywordTable[26 + i].text);
    EXPECT_EQ(rest[i].probe, kKeywordTable[26 + i].probe);
    EXPECT_EQ(Placement::Replaces, kKeywordTable[26 + i].placement);
  }
}

TEST(KeywordTable, FindsEveryKeywordInAnyLetterCase) {
  for (const KeywordRow& row : kKeywordTable) {
    for (const std::string& tag :
         {std::string(row.text), WithCase(row.text, ::tolower), WithCase(row.text, ::toupper)}) {
      EXPECT_EQ(&row, FindKeyword(tag.c_str())) << tag;
    }
  }
  EXPECT_EQ(&kKeywordTable[2], FindKeyword("(!vuskdiskc)"));
  EXPECT_EQ(&kKeywordTable[2], FindKeyword("(!VUSKDISKC)"));
  EXPECT_EQ(&kKeywordTable[30], FindKeyword("(!vUsKcPuInFo)"));
}

TEST(KeywordTable, RejectsNearMisses) {
  const char* misses[] = {
      "(!VuskDisk*)  <replace the * with drive letter!>",
      "(!VuskDisk*)",
      "(!VuskDisk1)",
      "(!VuskDisk)",
      "(!VuskDiskCD)",
      " (!VuskDiskC)",
      "(!VuskDiskC) ",
      "!VuskDiskC",
      "VuskDiskC",
      "(!VuskRamStat",
      "(!VuskRamStat) ",
      "(VuskRamStat)",
      "(!VuskRamStats)",
      "(!VuskRam)",
      "(!VuskDisk\xc4)",  // a byte above 0x7F is not a letter, folded or not
      "(!Vusk\xc4iskC)",
      "(!VuskDiskc",
      "(!VuskDiskC)(!VuskDiskC)",
      "(!VuskVidCardd)",
      "(!VuskOSInfo)\n",
      "(?VuskOSInfo)",
      "(!VuskosinfO]",
      "",
      "(",
      ")",
  };
  for (const char* tag : misses)
    EXPECT_EQ(nullptr, FindKeyword(tag)) << tag;
}

TEST(KeywordTable, AgreesWithASequentialScanOnMutatedKeywords) {
  // Every keyword with every position replaced by a spread of bytes (letters of either case,
  // digits, punctuation, bytes above 0x7F, the terminator), then random texts.
  const char replacements[] = {'a', 'A',    'z',    'Z',    'k',    'K',   'c', '0',
                               '9', '(',    ')',    '!',    ' ',    '@',   '[', '`',
                               '{', '\x7f', '\x80', '\xc4', '\xe4', '\xff'};
  int compared = 0;
  for (const KeywordRow& row : kKeywordTable) {
    const std::string keyword(row.text);
    for (size_t position = 0; position <= keyword.size(); ++position) {
      for (char replacement : replacements) {
        std::string tag = keyword;
        if (position < tag.size()) {
          tag[position] = replacement;
        } else {
          tag.push_back(replacement);
        }
        ASSERT_EQ(SequentialReference(tag), FindKeyword(tag.c_str())) << tag;
        ++compared;
        tag.erase(position < tag.size() ? position : tag.size() - 1, 1);
        ASSERT_EQ(SequentialReference(tag), FindKeyword(tag.c_str())) << tag;
        ++compared;
      }
    }
  }
  std::mt19937 random(20261208);
  const std::string alphabet = "(!)VvUuSsKkDdIiAaBbCcRrMmTtOoNnFfPp*x ";
  for (int i = 0; i < 200000; ++i) {
    std::string tag = "(!";
    const size_t length = random() % 14;
    for (size_t j = 0; j < length; ++j)
      tag += alphabet[random() % alphabet.size()];
    ASSERT_EQ(SequentialReference(tag), FindKeyword(tag.c_str())) << tag;
    ++compared;
  }
  EXPECT_GT(compared, 200000);
}

}  // namespace
}  // namespace ostrakin
