// "(!VuskCPUInfo)": name and clock from the registry, byte for byte through the dispatch.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/answers/registry_locations.h"
#include "core/parse_tag.h"
#include "frame.h"
#include "scripted_platform_calls.h"

namespace ostrakin {
namespace {

using testing::Framed;
using testing::ScriptedPlatformCalls;

std::string Bytes(uint32_t value) {
  return std::string(reinterpret_cast<char*>(&value), 4);
}

// Leaves a pattern where the next call's frames will lie, so that a byte the answer forgets to set
// shows as that pattern instead of whatever zeros happened to be there.
__attribute__((noinline)) void DirtyTheStack() {
  volatile unsigned char junk[16384];
  for (size_t i = 0; i < sizeof junk; ++i)
    junk[i] = 0xA5;
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
    SCOPED_TRACE(c.what);
    ScriptedPlatformCalls platform;
    if (c.keyExists) platform.keys.push_back(kProcessorKey);
    if (!c.name.empty()) platform.SetValue(kProcessorKey, kProcessorNameValue, c.name);
    if (!c.clock.empty()) platform.SetValue(kProcessorKey, kProcessorClockValue, c.clock);
    char result[400];
    DirtyTheStack();
    ASSERT_EQ(1, ParseTag(platform, "(!VuskCPUInfo)", result));
    EXPECT_EQ(Framed(c.answer), result);
    EXPECT_EQ(0, platform.KeysLeftOpen());
    EXPECT_EQ(0, platform.strayCloses);
    EXPECT_EQ(c.keyExists ? 2 : 0, platform.opens);  // once for each value
  }
}

TEST(Processor, ANameFillingAllItsBytesIsNotReadPast) {
  ScriptedPlatformCalls platform;
  platform.SetValue(kProcessorKey, kProcessorNameValue, std::string(128, 'N'));
  platform.SetValue(kProcessorKey, kProcessorClockValue, Bytes(3000));
  char result[400];
  ASSERT_EQ(1, ParseTag(platform, "(!VuskCPUInfo)", result));
  EXPECT_EQ(Framed("^[^ " + std::string(128, 'N') + "^ @ ^3000MHz ^]^"), result);
}

}  // namespace
}  // namespace ostrakin
