// "(!VuskVidCard)": the adapter and the screen, or no answer, through the dispatch.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/answers/registry_locations.h"
#include "core/parse_tag.h"
#include "core/platform_facts.h"
#include "frame.h"
#include "scripted_platform_calls.h"

namespace ostrakin {
namespace {

using testing::Framed;
using testing::ScriptedPlatformCalls;

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
    SCOPED_TRACE(c.what);
    ScriptedPlatformCalls platform;
    platform.Script(FullScreenArea{1024, 719});
    if (c.keyExists) platform.keys.push_back(kDisplayAdapterKey);
    if (c.hasValue) platform.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, c.description);
    char result[400];
    std::memset(result, 0x5A, sizeof result);
    const int32_t answered = ParseTag(platform, "(!VuskVidCard)", result);
    if (c.answer == nullptr) {
      EXPECT_EQ(0, answered);
      EXPECT_EQ(std::string(sizeof result, '\x5A'), std::string(result, sizeof result));
      EXPECT_EQ(0, platform.Queries<FullScreenArea>());
    } else {
      ASSERT_EQ(1, answered);
      const std::string expected =
          std::string(c.answer) == "fits"
              ? Framed("^[^  " + std::string(c.description.substr(0, 256).c_str()) +
                       "^ @ ^ 1024x719  ^]^")
              : Framed(c.answer);
      EXPECT_EQ(expected, result);
      // Nothing past the terminator was touched.
      EXPECT_EQ('\x5A', result[expected.size() + 1]);
    }
    EXPECT_EQ(0, platform.KeysLeftOpen());
    EXPECT_EQ(c.keyExists ? 1 : 0, platform.opens);
  }
}

TEST(VideoCard, AFailingQueryClosesTheKeyAndAnswersNothing) {
  ScriptedPlatformCalls platform;
  platform.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, "Adapter");
  platform.queriesFail = true;
  char result[16] = "kept";
  EXPECT_EQ(0, ParseTag(platform, "(!VuskVidCard)", result));
  EXPECT_STREQ("kept", result);
  EXPECT_EQ(1, platform.opens);
  EXPECT_EQ(1, platform.closes);
}

TEST(VideoCard, TheLongestAnswerFitsItsBound) {
  ScriptedPlatformCalls platform;
  platform.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, std::string(256, 'w'));
  platform.Script(FullScreenArea{INT32_MIN, INT32_MIN});
  char result[400];
  std::memset(result, 0x5A, sizeof result);
  ASSERT_EQ(1, ParseTag(platform, "(!VuskVidCard)", result));
  EXPECT_EQ(295u, std::strlen(result));
  EXPECT_EQ('\x5A', result[296]);
}

}  // namespace
}  // namespace ostrakin
