#include "identity_answers.h"

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

std::string Bytes(uint32_t value) {
  return std::string(reinterpret_cast<char*>(&value), 4);
}

TEST(OperatingSystem, NamesEveryKnownVersion) {
  const struct {
    uint32_t major, minor, platform;
    const char* name;
  } cases[] = {
      {5, 0, 2, "Windows 2000 "},        {5, 1, 2, "Windows XP "},
      {5, 2, 2, "Windows Server 2003 "}, {5, 1, 1, "Windows XP "},
      {4, 0, 2, "Windows NT 4.0 "},      {4, 0, 1, "Windows 95 "},
      {4, 0, 0, "Windows 95 "},          {4, 10, 1, "Windows 98 "},
      {4, 90, 1, "Windows ME "},         {3, 51, 2, "Windows NT 3.xx"},
      {3, 10, 0, "Windows NT 3.xx"},     {6, 1, 2, "Unknown OS"},
      {6, 0, 2, "Unknown OS"},           {10, 0, 2, "Unknown OS"},
      {5, 3, 2, "Unknown OS"},           {4, 5, 2, "Unknown OS"},
      {4, 1, 1, "Unknown OS"},           {2, 0, 0, "Unknown OS"},
      {0, 0, 0, "Unknown OS"},
  };
  for (const auto& c : cases) {
    ScriptedSystemFacts facts;
    facts.version = {c.major, c.minor, c.platform};
    char result[128];
    ASSERT_EQ(1, AnswerTag(facts, "(!VuskOSInfo)", result));
    EXPECT_EQ(Framed(std::string("^[^ ") + c.name + " ^]^"), result)
        << c.major << "." << c.minor << " platform " << c.platform;
  }
}

TEST(OperatingSystem, AFailedVersionQueryIsUnknown) {
  ScriptedSystemFacts facts;
  facts.versionSucceeds = false;  // and leaves a plausible record behind
  char result[128];
  ASSERT_EQ(1, AnswerTag(facts, "(!VuskOSInfo)", result));
  EXPECT_EQ(Framed("^[^ Unknown OS ^]^"), result);
}

struct ProcessorCase {
  const char* what;
  bool keyExists;
  std::string name;   // empty: no such value
  std::string clock;  // empty: no such value
  const char* answer;
};

TEST(Processor, ShowsNameAndClock) {
  const std::string terminated = std::string("Intel(R) Pentium(R) M processor 1.60GHz") + '\0';
  const ProcessorCase cases[] = {
      {"typical", true, terminated, Bytes(1666),
       "^[^ Intel(R) Pentium(R) M processor 1.60GHz^ @ ^1666MHz ^]^"},
      {"leading spaces kept", true, "      AMD Athlon", Bytes(1200),
       "^[^       AMD Athlon^ @ ^1200MHz ^]^"},
      {"signed clock", true, "X", Bytes(0xFFFFFFFFu), "^[^ X^ @ ^-1MHz ^]^"},
      {"largest clock", true, "X", Bytes(0x80000000u), "^[^ X^ @ ^-2147483648MHz ^]^"},
      {"no key", false, "", "", "^[^ ^ @ ^0MHz ^]^"},
      {"no values", true, "", "", "^[^ ^ @ ^0MHz ^]^"},
      {"name too long", true, std::string(129, 'L'), Bytes(800), "^[^ ^ @ ^800MHz ^]^"},
      {"clock too long", true, "Y", Bytes(800) + "!", "^[^ Y^ @ ^0MHz ^]^"},
      {"short clock", true, "Y", std::string("\x10\x27", 2), "^[^ Y^ @ ^10000MHz ^]^"},
      {"unterminated name", true, "Cyrix", Bytes(166), "^[^ Cyrix^ @ ^166MHz ^]^"},
  };
  for (const ProcessorCase& c : cases) {
    ScriptedSystemFacts facts;
    if (c.keyExists) facts.keys.push_back(kProcessorKey);
    if (!c.name.empty()) facts.SetValue(kProcessorKey, kProcessorNameValue, c.name);
    if (!c.clock.empty()) facts.SetValue(kProcessorKey, kProcessorClockValue, c.clock);
    char result[400];
    ASSERT_EQ(1, AnswerTag(facts, "(!VuskCPUInfo)", result)) << c.what;
    EXPECT_EQ(Framed(c.answer), result) << c.what;
    EXPECT_EQ(0, facts.KeysLeftOpen()) << c.what;
    EXPECT_EQ(0, facts.strayCloses) << c.what;
    EXPECT_EQ(c.keyExists ? 2 : 0, facts.opens) << c.what;  // once for each value
  }
}

TEST(Processor, ANameFillingAllItsBytesIsNotReadPast) {
  ScriptedSystemFacts facts;
  facts.SetValue(kProcessorKey, kProcessorNameValue, std::string(128, 'N'));
  facts.SetValue(kProcessorKey, kProcessorClockValue, Bytes(3000));
  char result[400];
  ASSERT_EQ(1, AnswerTag(facts, "(!VuskCPUInfo)", result));
  EXPECT_EQ(Framed("^[^ " + std::string(128, 'N') + "^ @ ^3000MHz ^]^"), result);
}

struct VideoCase {
  const char* what;
  bool keyExists;
  bool hasValue;
  std::string description;
  const char* answer;  // null: no answer
};

TEST(VideoCard, ShowsTheAdapterAndScreenOrNothing) {
  const VideoCase cases[] = {
      {"typical", true, true, std::string("NVIDIA GeForce2 MX\0", 19),
       "^[^  NVIDIA GeForce2 MX^ @ ^ 1024x719  ^]^"},
      {"255 characters and terminator", true, true, std::string(255, 'v') + '\0', "fits"},
      {"256 characters, no terminator", true, true, std::string(256, 'w'), "fits"},
      {"256 characters and terminator", true, true, std::string(256, 'v') + '\0', nullptr},
      {"longer than the buffer", true, true, std::string(600, 'v'), nullptr},
      {"unterminated", true, true, "Wine Adapter", "^[^  Wine Adapter^ @ ^ 1024x719  ^]^"},
      {"stops at the terminator", true, true, std::string("ab\0cd", 5),
       "^[^  ab^ @ ^ 1024x719  ^]^"},
      {"empty", true, true, "", "^[^  ^ @ ^ 1024x719  ^]^"},
      {"no value", true, false, "", nullptr},
      {"no key", false, false, "", nullptr},
  };
  for (const VideoCase& c : cases) {
    ScriptedSystemFacts facts;
    if (c.keyExists) facts.keys.push_back(kDisplayAdapterKey);
    if (c.hasValue) facts.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, c.description);
    char result[400];
    std::memset(result, 0x5A, sizeof result);
    const int32_t answered = AnswerTag(facts, "(!VuskVidCard)", result);
    if (c.answer == nullptr) {
      EXPECT_EQ(0, answered) << c.what;
      EXPECT_EQ(std::string(sizeof result, '\x5A'), std::string(result, sizeof result)) << c.what;
      EXPECT_EQ(0, facts.screenQueries) << c.what;
    } else {
      ASSERT_EQ(1, answered) << c.what;
      const std::string expected =
          std::string(c.answer) == "fits"
              ? Framed("^[^  " + std::string(c.description.substr(0, 256).c_str()) +
                       "^ @ ^ 1024x719  ^]^")
              : Framed(c.answer);
      EXPECT_EQ(expected, result) << c.what;
      // Nothing past the terminator was touched.
      EXPECT_EQ('\x5A', result[expected.size() + 1]) << c.what;
    }
    EXPECT_EQ(0, facts.KeysLeftOpen()) << c.what;
    EXPECT_EQ(c.keyExists ? 1 : 0, facts.opens) << c.what;
  }
}

TEST(VideoCard, AFailingQueryClosesTheKeyAndAnswersNothing) {
  ScriptedSystemFacts facts;
  facts.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, "Adapter");
  facts.queriesFail = true;
  char result[16] = "kept";
  EXPECT_EQ(0, AnswerTag(facts, "(!VuskVidCard)", result));
  EXPECT_STREQ("kept", result);
  EXPECT_EQ(1, facts.opens);
  EXPECT_EQ(1, facts.closes);
}

TEST(VideoCard, TheLongestAnswerFitsItsBound) {
  ScriptedSystemFacts facts;
  facts.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, std::string(256, 'w'));
  facts.screen = {INT32_MIN, INT32_MIN};
  char result[400];
  std::memset(result, 0x5A, sizeof result);
  ASSERT_EQ(1, AnswerTag(facts, "(!VuskVidCard)", result));
  EXPECT_EQ(295u, std::strlen(result));
  EXPECT_EQ('\x5A', result[296]);
}

}  // namespace
}  // namespace ostrakin
