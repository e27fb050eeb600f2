// The table and its lookup: the defined vocabulary, and matching by the whole text, case aside.
#include "core/keyword_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/keyword_index.h"

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
template <typename Rows>
const KeywordRow* SequentialReference(const std::string& tag, const Rows& rows) {
  for (const KeywordRow& row : rows) {
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
const KeywordRow* SequentialReference(const std::string& tag) {
  return SequentialReference(tag, kKeywordTable);
}

// The defined keywords, in the defined order, with their answers; rows added between them or
// after them keep this true.
TEST(KeywordTable, HoldsTheVocabularyInOrder) {
  struct Defined {
    std::string text;
    AnswerFunction answer;
    Placement placement;
    char argument;
  };
  std::vector<Defined> defined;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    defined.push_back(
        {std::string("(!VuskDisk") + letter + ")", FormatDiskSpace, Placement::Appended, letter});
  }
  defined.push_back({"(!VuskRamStat)", FormatMemoryFigures, Placement::Replaces, 0});
  defined.push_back({"(!VuskRamBar)", FormatMemoryBar, Placement::Replaces, 0});
  defined.push_back({"(!VuskVidCard)", FormatVideoCard, Placement::Replaces, 0});
  defined.push_back({"(!VuskOSInfo)", FormatOperatingSystem, Placement::Replaces, 0});
  defined.push_back({"(!VuskCPUInfo)", FormatProcessor, Placement::Replaces, 0});
  size_t next = 0;
  for (const KeywordRow& row : kKeywordTable) {
    if (next == defined.size() || defined[next].text != row.text) continue;
    EXPECT_EQ(defined[next].answer, row.answer) << row.text;
    EXPECT_EQ(defined[next].placement, row.placement) << row.text;
    EXPECT_EQ(defined[next].argument, row.argument) << row.text;
    ++next;
  }
  EXPECT_EQ(defined.size(), next) << "missing or out of order: " << defined[next].text;
}

TEST(KeywordTable, FindsEveryKeywordInAnyLetterCase) {
  for (const KeywordRow& row : kKeywordTable) {
    for (const std::string& tag :
         {std::string(row.text), WithCase(row.text, ::tolower), WithCase(row.text, ::toupper)}) {
      EXPECT_EQ(&row, FindKeyword(tag.c_str())) << tag;
    }
  }
  EXPECT_EQ('C', FindKeyword("(!vuskdiskc)")->argument);
  EXPECT_EQ(FormatProcessor, FindKeyword("(!vUsKcPuInFo)")->answer);
}

// The lookup puts no limit on keywords: any length, any letters, two that differ in one place
// only; the first equal row wins.
TEST(KeywordTable, AnyKeywordsCanBeLookedUp) {
  const KeywordRow rows[] = {
      {"(!VuskRamStat)", FormatMemoryFigures, Placement::Replaces},
      {"(!VuskRamInfo)", FormatMemoryFigures, Placement::Replaces, 'I'},
      {"(!VuskCPUInfo)", FormatProcessor, Placement::Replaces},
      {"(!VuskNetworkInterfaceInfo)", FormatProcessor, Placement::Replaces},
      {"(!VuskRamInfo)", FormatMemoryBar, Placement::Replaces},
      {"(!X)", FormatMemoryBar, Placement::Replaces},
  };
  const struct {
    const char* tag;
    int row;  // -1: none
  } cases[] = {
      {"(!vuskraminfo)", 1},
      {"(!VuskRamStat)", 0},
      {"(!VuskNetworkInterfaceInfo)", 3},
      {"(!VuskNeXXorkInterfaceInfo)", -1},
      {"(!VuskNetworkInterfaceInfX)", -1},
      {"(!VuskNetworkInterfaceInfo", -1},
      {"(!x)", 5},
      {"(!X", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.row < 0 ? nullptr : &rows[c.row], KeywordIndex(rows).Find(c.tag)) << c.tag;
  }
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

// The only shape a host hands over: "(!", no parenthesis, ")".
static_assert(IsTagAHostHandsOver("(!VuskFoo)") && IsTagAHostHandsOver("(!)"), "");
static_assert(!IsTagAHostHandsOver("VuskFoo") && !IsTagAHostHandsOver("(!Vusk(1))") &&
                  !IsTagAHostHandsOver("(!Vusk)x") && !IsTagAHostHandsOver("(Vusk)"),
              "");
static_assert(!IsTagAHostHandsOver("(!(x)"), "a parenthesis right after \"(!\" is refused too");
constexpr KeywordRow kSecondRowMisshapen[] = {{"(!good)"}, {"(!bad"}, {"(!good2)"}};
static_assert(!EveryKeywordIsATagAHostHandsOver(kSecondRowMisshapen),
              "the table check reads every row, not only the first");

// Equal keywords share a slot, so a table of them has one run, as long as its rows: LongestRun
// finds it wherever it lies, not only where the last slot is.
TEST(KeywordTable, LongestRunIsTheLongestOfAllRuns) {
  constexpr KeywordRow kThreeEqual[] = {{"(!a)"}, {"(!a)"}, {"(!a)"}};
  constexpr KeywordRow kSevenEqual[] = {{"(!b)"}, {"(!b)"}, {"(!b)"}, {"(!b)"},
                                        {"(!b)"}, {"(!b)"}, {"(!b)"}};
  EXPECT_EQ(3u, KeywordIndex<3>(kThreeEqual).LongestRun()) << "three equal keywords";
  EXPECT_EQ(7u, KeywordIndex<7>(kSevenEqual).LongestRun()) << "seven equal keywords";
}

TEST(KeywordTable, NoProperPrefixOfAKeywordIsFound) {
  for (const KeywordRow& row : kKeywordTable) {
    for (size_t length = 0; length < std::strlen(row.text); ++length)
      EXPECT_EQ(nullptr, FindKeyword(std::string(row.text, length).c_str())) << row.text;
  }
}

// Generated tables far larger than the plug-in's, and many small ones, against the scan: chains of
// keywords that share a slot, chains past the last slot, row numbers wider than a byte, each
// keyword in two cases and with one byte changed, and in the small tables its prefixes. The index
// is on the heap, where AddressSanitizer sees a read past its slots.
template <size_t Count>
void ExpectGeneratedTablesAgreeWithTheScan(int tables, std::mt19937& random) {
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (int table = 0; table < tables; ++table) {
    std::vector<std::string> texts;
    std::unique_ptr<KeywordRow[][Count]> rows(new KeywordRow[1][Count]);
    for (size_t i = 0; i < Count; ++i) {
      std::string text = "(!";
      for (size_t length = 1 + random() % 12; length > 0; --length)
        text += letters[random() % letters.size()];
      texts.push_back(text + ")");
    }
    for (size_t i = 0; i < Count; ++i)
      rows[0][i] = KeywordRow{texts[i].c_str(), FormatMemoryBar, Placement::Replaces};
    const auto index = std::make_unique<KeywordIndex<Count>>(rows[0]);
    for (const std::string& text : texts) {
      std::vector<std::string> tags = {text, WithCase(text.c_str(), ::toupper)};
      for (size_t length = 0; length < text.size() && Count < 256; ++length)
        tags.push_back(text.substr(0, length));
      tags.push_back(text);
      tags.back()[2 + random() % (text.size() - 3)] = letters[random() % letters.size()];
      for (const std::string& tag : tags)
        ASSERT_EQ(SequentialReference(tag, rows[0]), index->Find(tag.c_str())) << tag;
    }
  }
}

TEST(KeywordTable, GeneratedTablesAgreeWithASequentialScan) {
  std::mt19937 random(20261210);
  ExpectGeneratedTablesAgreeWithTheScan<6>(2000, random);
  ExpectGeneratedTablesAgreeWithTheScan<300>(3, random);
  ExpectGeneratedTablesAgreeWithTheScan<3000>(1, random);
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
