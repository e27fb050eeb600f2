// The floor benchmark's verdicts on figures given to them, not on the clock.
#include "floor_verdict.h"

#include <gtest/gtest.h>

#include "core/answers/registry_locations.h"
#include "core/platform_facts.h"
#include "scripted_platform_calls.h"

namespace ostrakin::bench {
namespace {

// ParseTag steady (10, one round 9), the floor moving by 40% between rounds: each side keeps its
// least round, and the spread is the floor's.
TEST(FloorVerdict, TheSpreadIsTheFloorsOwn) {
  int oursRound = 0, rivalRound = 0;
  const Timed timed = Interleaved([](int, auto work) { return work(); }, 1,
                                  [&] { return oursRound++ == 3 ? 9.0 : 10.0; },
                                  [&] { return rivalRound++ % 2 == 0 ? 100.0 : 140.0; });
  EXPECT_EQ(9, timed.ours);
  EXPECT_EQ(100, timed.rival);
  EXPECT_NEAR(0.4, timed.spread, 1e-9) << "the floor's rounds, not ParseTag's steady ones";
}

// What each attempt gives (1 holds, 0 misses), and how many are made: a hold ends the retries.
TEST(FloorVerdict, AMeasurementIsMadeAgainOnlyWhileItMisses) {
  const struct {
    double attempts[4];
    int made;
  } cases[] = {{{1, 0, 0}, 1}, {{0, 1, 0}, 2}, {{0, 0, 0, 1}, 3}};
  for (const auto& c : cases) {
    int made = 0;
    const Timed last = MeasureUntilItHolds(
        [&] {
          return Timed{c.attempts[made++], 0, 0};
        },
        [](const Timed& t) { return t.ours != 0; });
    EXPECT_EQ(c.made, made);
    EXPECT_EQ(c.attempts[made - 1], last.ours);
  }
}

// The floor makes again every call its answer made, and writes the same text.
TEST(FloorVerdict, AFloorMakesItsAnswersCallsAgain) {
  for (const KeywordRow& row : kKeywordTable) {
    testing::ScriptedPlatformCalls scripted;
    scripted.Script(MemorySnapshot{1000000000, 500000000});
    scripted.Script(OsVersion{5, 1, 2});
    scripted.Script(FullScreenArea{1024, 719});
    scripted.SetValue(kProcessorKey, kProcessorNameValue, std::string("Test CPU") + '\0');
    scripted.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, std::string("Adapter") + '\0');
    RecordingPlatformCalls answer(scripted), replayed(scripted);
    char expected[kAnswerCapacity] = "", out[kAnswerCapacity] = "";
    row.answer(answer, row.argument, expected);
    Floor floor(row, replayed);
    const size_t recordedOnce = replayed.calls.size();
    floor(out);
    EXPECT_EQ(answer.calls.size(), replayed.calls.size() - recordedOnce) << row.text;
    EXPECT_STREQ(expected, out) << row.text;
  }
}

}  // namespace
}  // namespace ostrakin::bench
