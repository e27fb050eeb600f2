// Every platform operation an answer makes, failing alone and together: the answer never shows
// what a failed call left behind (the fake leaves the healthy figures there), stays framed within
// its bound or goes unanswered with the buffer untouched, and no path leaves a registry key open.
// What each answer shows under each failure is pinned in its own test.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/answers/answer_capacity.h"
#include "core/answers/registry_locations.h"
#include "core/keyword_table.h"
#include "core/parse_tag.h"
#include "core/platform_facts.h"
#include "frame.h"
#include "scripted_platform_calls.h"

namespace ostrakin {
namespace {

using testing::ScriptedPlatformCalls;
using testing::Visible;

// A healthy reading of each fact, with figures no failure gives, so that a failure shows. Every
// fact PlatformFacts lists needs one: the build stops here, naming the fact, until it has it.
template <typename Fact>
Fact HealthyReading() {
  static_assert(sizeof(Fact) == 0,
                "script a healthy reading of this fact (the error's 'Fact = ...' names it): "
                "a HealthyReading<> of its own in fault_injection_test.cpp");
  return {};
}
template <>
MemorySnapshot HealthyReading() {
  return {512u << 20, 128u << 20};
}
template <>
DiskQuery HealthyReading() {
  return {{}, uint64_t{5} << 30, uint64_t{20} << 30};
}
template <>
OsVersion HealthyReading() {
  return {5, 1, 2};
}
template <>
FullScreenArea HealthyReading() {
  return {800, 572};
}
template <typename... Facts>
void ScriptHealthyReadings(ScriptedPlatformCalls& platform, FactList<Facts...>) {
  (platform.Script(HealthyReading<Facts>()), ...);
}

ScriptedPlatformCalls HealthyMachine() {
  ScriptedPlatformCalls platform;
  ScriptHealthyReadings(platform, PlatformFacts{});
  platform.SetValue(kProcessorKey, kProcessorNameValue, std::string("Pentium III") + '\0');
  platform.SetValue(kProcessorKey, kProcessorClockValue, std::string("\xe8\x03\0\0", 4));  // 1000
  platform.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, std::string("Voodoo3") + '\0');
  return platform;
}

TEST(FaultInjection, AFailedOperationIsNeverShown) {
  for (const KeywordRow& row : kKeywordTable) {
    ScriptedPlatformCalls healthy = HealthyMachine();
    char healthyAnswer[kAnswerCapacity] = "";
    ASSERT_EQ(1, ParseTag(healthy, row.text, healthyAnswer)) << row.text;
    // The operations: each fact the answer asks for, then the registry's opens and its reads.
    const std::vector<FactId> facts = healthy.FactsAsked();
    const size_t operations = facts.size() + 2;
    for (unsigned faults = 1; faults < (1u << operations); ++faults) {
      ScriptedPlatformCalls platform = HealthyMachine();
      for (size_t i = 0; i < facts.size(); ++i) {
        if (faults >> i & 1) platform.FailFact(facts[i]);
      }
      platform.opensFail = (faults >> facts.size() & 1) != 0;
      platform.queriesFail = (faults >> (facts.size() + 1) & 1) != 0;
      const bool factFails = (faults & ((1u << facts.size()) - 1)) != 0;
      const bool registryFails = (faults >> facts.size()) != 0 && healthy.opens > 0;

      SCOPED_TRACE(std::string(row.text) + " with faults " + std::to_string(faults));
      char result[2 * kAnswerCapacity];
      std::memset(result, 0x41, sizeof result);
      result[0] = '\0';
      char before[sizeof result];
      std::memcpy(before, result, sizeof result);
      const int32_t answered = ParseTag(platform, row.text, result);
      EXPECT_EQ(0, platform.KeysLeftOpen());
      EXPECT_EQ(0, platform.strayCloses);
      if (answered == 0) {
        EXPECT_EQ(0, std::memcmp(before, result, sizeof result));
        continue;
      }
      ASSERT_EQ(1, answered);
      const size_t length = strnlen(result, sizeof result);
      ASSERT_LE(length, kLongestAnswer);
      EXPECT_EQ(0,
                std::memcmp(result + length + 1, before + length + 1, sizeof result - length - 1));
      EXPECT_EQ("\x02[\x02", std::string(result, 3)) << Visible(result);
      EXPECT_EQ("\x02]\x02", std::string(result + length - 3, 3)) << Visible(result);
      if (factFails || registryFails) {
        EXPECT_STRNE(healthyAnswer, result) << "what a failed call left behind is shown";
      }
    }
  }
}

}  // namespace
}  // namespace ostrakin
