// Every platform operation made to fail, alone and together: each answer is still the defined
// one, and no path leaves a registry key open.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/answers/registry_locations.h"
#include "core/keyword_table.h"
#include "core/parse_tag.h"
#include "frame.h"
#include "scripted_platform_calls.h"

namespace ostrakin {
namespace {

using testing::Framed;
using testing::ScriptedPlatformCalls;
using testing::Visible;

enum Fault : unsigned { kDisk = 1, kVersion = 2, kKeyOpen = 4, kValueQuery = 8, kScreen = 16 };
constexpr unsigned kEveryFault = 31;

ScriptedPlatformCalls HealthyMachine() {
  ScriptedPlatformCalls platform;
  platform.memory = {512u << 20, 128u << 20};
  platform.disk = {uint64_t{5} << 30, uint64_t{20} << 30};
  platform.version = {5, 1, 2};
  platform.SetValue(kProcessorKey, kProcessorNameValue, std::string("Pentium III") + '\0');
  platform.SetValue(kProcessorKey, kProcessorClockValue, std::string("\xe8\x03\0\0", 4));  // 1000
  platform.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, std::string("Voodoo3") + '\0');
  platform.screen = {800, 572};
  return platform;
}

// The defined answer under a set of faults; "" for no answer.
std::string Expected(const KeywordRow& row, unsigned faults) {
  const bool registry = (faults & (kKeyOpen | kValueQuery)) != 0;
  switch (row.probe) {
    case Probe::DiskSpace:
      return Framed((faults & kDisk) ? "^[^ 0.00MB ^/^ 0.00MB ^]^" : "^[^ 5.00GB ^/^ 20.00GB ^]^");
    case Probe::MemoryFigures:
      return Framed("^[^ 128MB ^/^ 512MB ^]^");
    case Probe::MemoryBar:
      return Framed("^[^ |||||............... ^]^");
    case Probe::OperatingSystem:
      return Framed((faults & kVersion) ? "^[^ Unknown OS ^]^" : "^[^ Windows XP  ^]^");
    case Probe::Processor:
      return Framed(registry ? "^[^ ^ @ ^0MHz ^]^" : "^[^ Pentium III^ @ ^1000MHz ^]^");
    case Probe::VideoCard:
      if (registry) return "";
      return Framed((faults & kScreen) ? "^[^  Voodoo3^ @ ^ 0x0  ^]^"
                                       : "^[^  Voodoo3^ @ ^ 800x572  ^]^");
  }
  return "?";
}

TEST(FaultInjection, EveryCombinationOfFailuresGivesTheDefinedAnswer) {
  for (unsigned faults = 0; faults <= kEveryFault; ++faults) {
    for (const KeywordRow& row : kKeywordTable) {
      ScriptedPlatformCalls platform = HealthyMachine();
      platform.diskSucceeds = (faults & kDisk) == 0;
      platform.versionSucceeds = (faults & kVersion) == 0;
      platform.opensFail = (faults & kKeyOpen) != 0;
      platform.queriesFail = (faults & kValueQuery) != 0;
      if (faults & kScreen) platform.screen = {0, 0};  // what GetSystemMetrics answers on failure

      SCOPED_TRACE(std::string(row.text) + " with faults " + std::to_string(faults));
      char result[400];
      std::memset(result, 0x41, sizeof result);
      result[0] = '\0';
      const std::string expected = Expected(row, faults);
      EXPECT_EQ(expected.empty() ? 0 : 1, ParseTag(platform, row.text, result));
      EXPECT_EQ(expected, result) << Visible(result);
      EXPECT_EQ(0, platform.KeysLeftOpen());
      EXPECT_EQ(0, platform.strayCloses);
    }
  }
}

}  // namespace
}  // namespace ostrakin
