// Every platform operation made to fail, alone and together: each answer is still the defined
// one, and no path leaves a registry key open.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame.h"
#include "identity_answers.h"
#include "keyword_table.h"
#include "parse_tag.h"
#include "scripted_system_facts.h"

namespace ostrakin {
namespace {

using testing::Framed;
using testing::ScriptedSystemFacts;
using testing::Visible;

enum Fault : unsigned { kDisk = 1, kVersion = 2, kKeyOpen = 4, kValueQuery = 8, kScreen = 16 };
constexpr unsigned kEveryFault = 31;

ScriptedSystemFacts HealthyMachine() {
  ScriptedSystemFacts facts;
  facts.memory = {512u << 20, 128u << 20};
  facts.disk = {uint64_t{5} << 30, uint64_t{20} << 30};
  facts.version = {5, 1, 2};
  facts.SetValue(kProcessorKey, kProcessorNameValue, std::string("Pentium III") + '\0');
  facts.SetValue(kProcessorKey, kProcessorClockValue, std::string("\xe8\x03\0\0", 4));  // 1000
  facts.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, std::string("Voodoo3") + '\0');
  facts.screen = {800, 572};
  return facts;
}

// The defined answer under a set of faults; "" for no answer.
std::string Expected(const KeywordRow& row, unsigned faults) {
  const bool registry = (faults & (kKeyOpen | kValueQuery)) != 0;
  switch (row.answer) {
    case Answer::DiskSpace:
      return Framed((faults & kDisk) ? "^[^ 0.00MB ^/^ 0.00MB ^]^" : "^[^ 5.00GB ^/^ 20.00GB ^]^");
    case Answer::MemoryFigures:
      return Framed("^[^ 128MB ^/^ 512MB ^]^");
    case Answer::MemoryBar:
      return Framed("^[^ |||||............... ^]^");
    case Answer::OperatingSystem:
      return Framed((faults & kVersion) ? "^[^ Unknown OS ^]^" : "^[^ Windows XP  ^]^");
    case Answer::Processor:
      return Framed(registry ? "^[^ ^ @ ^0MHz ^]^" : "^[^ Pentium III^ @ ^1000MHz ^]^");
    case Answer::VideoCard:
      if (registry) return "";
      return Framed((faults & kScreen) ? "^[^  Voodoo3^ @ ^ 0x0  ^]^"
                                       : "^[^  Voodoo3^ @ ^ 800x572  ^]^");
  }
  return "?";
}

TEST(FaultInjection, EveryCombinationOfFailuresGivesTheDefinedAnswer) {
  for (unsigned faults = 0; faults <= kEveryFault; ++faults) {
    for (const KeywordRow& row : kKeywordTable) {
      ScriptedSystemFacts facts = HealthyMachine();
      facts.diskSucceeds = (faults & kDisk) == 0;
      facts.versionSucceeds = (faults & kVersion) == 0;
      facts.opensFail = (faults & kKeyOpen) != 0;
      facts.queriesFail = (faults & kValueQuery) != 0;
      if (faults & kScreen) facts.screen = {0, 0};  // what GetSystemMetrics answers on failure

      char result[400];
      std::memset(result, 0x41, sizeof result);
      result[0] = '\0';
      const std::string expected = Expected(row, faults);
      EXPECT_EQ(expected.empty() ? 0 : 1, AnswerTag(facts, row.text, result))
          << row.text << " faults " << faults;
      EXPECT_EQ(expected, result) << row.text << " faults " << faults << ": " << Visible(result);
      EXPECT_EQ(0, facts.KeysLeftOpen()) << row.text << " faults " << faults;
      EXPECT_EQ(0, facts.strayCloses) << row.text << " faults " << faults;
    }
  }
}

}  // namespace
}  // namespace ostrakin
