// The stand-in host's own logic: finding tags in a message, rendering 0x02, reading keywords
// from a catalogue.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "catalogue_keywords.h"
#include "control_bytes.h"
#include "host_options.h"
#include "tag_expansion.h"
#include "toast_command.h"
#include "unanswered_tag.h"

namespace standin {
namespace {

// Answers tags that end in "K)" with "<tag>" in angle brackets; records every tag it is asked.
struct RecordingAnswerer {
  std::vector<std::string> asked;
  bool operator()(const std::string& tag, std::string* answer) {
    asked.push_back(tag);
    if (tag.size() < 3 || tag.compare(tag.size() - 2, 2, "K)") != 0) return false;
    *answer = "<" + tag.substr(2, tag.size() - 3) + ">";
    return true;
  }
};

TEST(TagExpansion, PutsAnswersWhereTagsStoodAndLeavesTheRest) {
  const struct {
    const char* message;
    const char* expanded;
    std::vector<std::string> asked, unanswered;
  } cases[] = {
      {"no tags at all", "no tags at all", {}, {}},
      {"(!OK)", "<OK>", {"(!OK)"}, {}},
      {"a (!OK) b (!NO) c (!AK)", "a <OK> b (!NO) c <AK>", {"(!OK)", "(!NO)", "(!AK)"}, {"(!NO)"}},
      {"(!OK)(!OK)", "<OK><OK>", {"(!OK)", "(!OK)"}, {}},
      {"(!a (!OK) z", "(!a <OK> z", {"(!OK)"}, {"(!a"}},  // a "(" starts afresh
      {"(!OK", "(!OK", {}, {"(!OK"}},                     // unclosed: not a tag
      {"(!OK( x", "(!OK( x", {}, {"(!OK"}},
      {"(OK) !OK) ( !OK)", "(OK) !OK) ( !OK)", {}, {}},
      {"(!) (!K)", "(!) <K>", {"(!)", "(!K)"}, {"(!)"}},
      {"", "", {}, {}},
  };
  for (const auto& c : cases) {
    RecordingAnswerer answerer;
    std::vector<std::string> unanswered;
    EXPECT_EQ(c.expanded, ExpandTags(c.message, std::ref(answerer), &unanswered)) << c.message;
    EXPECT_EQ(c.asked, answerer.asked) << c.message;
    EXPECT_EQ(c.unanswered, unanswered) << c.message;
  }
}

// Only a keyword of the catalogue (no slot behind its count) a typo or two away is named.
TEST(UnansweredTag, NamesTheNearestKeywordOfTheCatalogue) {
  auto tags = std::make_unique<TagCatalogue>();
  tags->count = 3;
  std::strcpy(tags->tagTexts[0], "(!VuskDisk*)  <replace the * with drive letter!>");
  std::strcpy(tags->tagTexts[1], "(!VuskRamStat)");
  std::strcpy(tags->tagTexts[2], "(!VuskRamBar)");
  std::strcpy(tags->tagTexts[3], "(!Weather)");  // the host's, behind the count
  const std::string notOurs = " is not one of the plug-in's keywords";
  const struct {
    const char* tag;
    std::string said;
  } cases[] = {
      {"(!VuskRamBr)", "(!VuskRamBr) is not one of the plug-in's keywords; nearest: (!VuskRamBar)"},
      {"(!VuskRmBr)", "(!VuskRmBr)" + notOurs + "; nearest: (!VuskRamBar)"},
      {"(!VuskRomBor)", "(!VuskRomBor)" + notOurs + "; nearest: (!VuskRamBar)"},
      {"(!VuskDsikC)", "(!VuskDsikC)" + notOurs + "; nearest: (!VuskDiskC)"},
      {"(!VuskRam)", "(!VuskRam)" + notOurs},
      {"(!Weather)", "(!Weather)" + notOurs},
      {"(!)", "(!)" + notOurs},
      {"(!vuskdiskc", "(!vuskdiskc is not one of the plug-in's keywords; nearest: (!VuskDiskC)"},
      {"(!VuskDisk1)", "(!VuskDisk1) is not one of the plug-in's keywords; nearest: (!VuskDisk*)"},
      {"(!vuskramstat)",
       "(!vuskramstat) is one of the plug-in's keywords, but it gave no answer here"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.said, DescribeUnansweredTag(c.tag, *tags));
}

TEST(ControlBytes, EachControlByteTogglesBold) {
  const std::string answer = "\x02[\x02 a \x02/\x02 b \x02]\x02";
  const std::vector<StyledRun> runs = SplitAtControlBytes("x" + answer);
  const std::vector<std::pair<std::string, bool>> expected = {
      {"x", false}, {"[", true}, {" a ", false}, {"/", true}, {" b ", false}, {"]", true}};
  ASSERT_EQ(expected.size(), runs.size());
  for (size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(expected[i].first, runs[i].text) << i;
    EXPECT_EQ(expected[i].second, runs[i].bold) << i;
  }
  EXPECT_EQ("[ a / b ]", DropControlBytes(answer));
  EXPECT_EQ("plain", DropControlBytes("plain"));
  EXPECT_TRUE(SplitAtControlBytes("\x02\x02\x02").empty());
}

TEST(CatalogueKeywords, ExpandsTheTemplateOncePerDriveLetter) {
  auto tags = std::make_unique<TagCatalogue>();
  std::memset(tags.get(), 'x', sizeof(TagCatalogue));  // no terminators anywhere else
  tags->count = 3;
  std::strcpy(tags->tagTexts[0], "(!VuskDisk*)  <replace the * with drive letter!>");
  std::strcpy(tags->tagTexts[1], "(!VuskRamStat)");
  std::memset(tags->tagTexts[2], 'y', OSTRAKIN_CATALOGUE_TEXT_SIZE);  // unterminated slot
  const std::vector<std::string> keywords = KeywordsFromCatalogue(*tags);
  ASSERT_EQ(28u, keywords.size());
  EXPECT_EQ("(!VuskDiskA)", keywords[0]);
  EXPECT_EQ("(!VuskDiskZ)", keywords[25]);
  EXPECT_EQ("(!VuskRamStat)", keywords[26]);
  EXPECT_EQ(std::string(OSTRAKIN_CATALOGUE_TEXT_SIZE, 'y'), keywords[27]);

  tags->count = 1000;  // a count beyond the slots is not followed
  EXPECT_EQ(size_t(26 + 1 + OSTRAKIN_CATALOGUE_SLOTS - 2), KeywordsFromCatalogue(*tags).size());
}

TEST(HostOptions, ReadsModesAndRejectsMistakes) {
  using Mode = HostOptions::Mode;
  const struct {
    std::vector<std::string> arguments;
    Mode mode;  // ignored when `error` is set
    std::vector<std::string> words;
    const char* error;  // a part of the reason, or null for success
  } cases[] = {
      {{}, Mode::Overview, {}, nullptr},
      {{"a", "(!VuskOSInfo)"}, Mode::Message, {"a", "(!VuskOSInfo)"}, nullptr},
      {{"--raw", "--", "--ping", "-v"}, Mode::Message, {"--ping", "-v"}, nullptr},
      {{"-"}, Mode::Message, {"-"}, nullptr},
      {{"--ping", "--raw"}, Mode::Ping, {}, nullptr},
      {{"--bogus", "--help"}, Mode::Overview, {}, "unknown option --bogus"},
      {{"x", "--version"}, Mode::Version, {}, nullptr},
      {{"-v"}, Mode::Overview, {}, "unknown option -v"},
      {{"--plugin"}, Mode::Overview, {}, "--plugin needs a path"},
      {{"--ping", "hello"}, Mode::Overview, {}, "--ping and a message cannot be combined"},
      {{"--listen", "--ping"}, Mode::Overview, {}, "--listen and --ping cannot be combined"},
      {{"--message-file", "-", "x"}, Mode::Overview, {}, "cannot be combined"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    HostOptions options;
    std::string error;
    const bool parsed = ParseHostOptions(c.arguments, &options, &error);
    if (c.error != nullptr) {
      EXPECT_FALSE(parsed);
      EXPECT_NE(std::string::npos, error.find(c.error)) << error;
      continue;
    }
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(c.mode, options.mode);
    EXPECT_EQ(c.words, options.words);
  }
}

TEST(ToastCommand, ReadsTheNumbersOfATypedToast) {
  const struct {
    const char* line;
    ToastCommandParse parse;
    bool wide;
    uint32_t first, second, third;
    int flag;
  } cases[] = {
      {"/toast 1 2 3", ToastCommandParse::Valid, false, 1, 2, 3, 0},
      {"/toastw 0x10 4294967295 0 255", ToastCommandParse::Valid, true, 16, 4294967295u, 0, 255},
      {"/toast 1 2", ToastCommandParse::Invalid, false, 0, 0, 0, 0},
      {"/toast 1 2 3 256", ToastCommandParse::Invalid, false, 0, 0, 0, 0},
      {"/toast 1 2 4294967296", ToastCommandParse::Invalid, false, 0, 0, 0, 0},
      {"/toast -1 2 3", ToastCommandParse::Invalid, false, 0, 0, 0, 0},
      {"/toast one 2 3", ToastCommandParse::Invalid, false, 0, 0, 0, 0},
      {"/toasty 1 2 3", ToastCommandParse::NotACommand, false, 0, 0, 0, 0},
      {"say /toast 1 2 3", ToastCommandParse::NotACommand, false, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ToastCommand command;
    ASSERT_EQ(c.parse, ParseToastCommand(c.line, &command));
    if (c.parse != ToastCommandParse::Valid) continue;
    EXPECT_EQ(c.wide, command.wide);
    EXPECT_EQ(c.first, command.first);
    EXPECT_EQ(c.second, command.second);
    EXPECT_EQ(c.third, command.third);
    EXPECT_EQ(c.flag, command.flag);
  }
}

}  // namespace
}  // namespace standin
