// The floor benchmark's verdicts on figures given to them, not on the clock: which rounds a
// spread is taken from, when a measurement is made again, and what a floor is made of.
#include "floor_verdict.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/answers/registry_locations.h"
#include "core/platform_facts.h"
#include "scripted_platform_calls.h"

namespace ostrakin::bench {
namespace {

// A clock that runs the work once and answers the next figure scripted for its side.
struct ScriptedClock {
  std::deque<double> ours, rival;
  char ran = 0;
  template <typename Work>
  double operator()(int, Work work) {
    work();
    std::deque<double>& figures = ran == 'o' ? ours : rival;
    const double figure = figures.front();
    figures.pop_front();
    return figure;
  }
};

TEST(FloorVerdict, TheSpreadIsTheFloorsOwnAndEachSideKeepsItsLeastRound) {
  ScriptedClock clock;
  for (int round = 0; round < kRounds; ++round) {
    clock.ours.push_back(round == 3 ? 9 : 10);          // steady
    clock.rival.push_back(round % 2 == 0 ? 100 : 140);  // moves by 40% between rounds
  }
  const Timed timed = Interleaved([&](int calls, auto work) { return clock(calls, work); }, 1,
                                  [&] { clock.ran = 'o'; }, [&] { clock.ran = 'r'; });
  EXPECT_EQ(9, timed.ours);
  EXPECT_EQ(100, timed.rival);
  EXPECT_NEAR(0.4, timed.spread, 1e-9) << "the floor's rounds, not ParseTag's steady ones";
}

TEST(FloorVerdict, AMeasurementIsMadeAgainOnlyWhileItMisses) {
  struct Case {
    std::vector<bool> holds;  // what each attempt gives
    int attempts;
    bool lastHolds;
  };
  const Case cases[] = {
      {{true, false, false}, 1, true},          // a hold at once ends it
      {{false, true, false}, 2, true},          // a miss is measured again
      {{false, false, false, true}, 3, false},  // three misses fail
  };
  for (const Case& c : cases) {
    int attempts = 0;
    const Timed timed = MeasureUntilItHolds(
        [&] {
          return Timed{double(c.holds[attempts++]), 0, 0};
        },
        [](const Timed& t) { return t.ours != 0; });
    EXPECT_EQ(c.attempts, attempts);
    EXPECT_EQ(c.lastHolds, timed.ours != 0);
  }
}

// The floor makes again every call its answer made, in order, and writes the same text.
TEST(FloorVerdict, AFloorMakesItsAnswersCallsAgain) {
  for (const KeywordRow& row : kKeywordTable) {
    testing::ScriptedPlatformCalls scripted;
    scripted.Script(MemorySnapshot{1000000000, 500000000});
    scripted.Script(OsVersion{5, 1, 2});
    scripted.Script(FullScreenArea{1024, 719});
    scripted.SetValue(kProcessorKey, kProcessorNameValue, std::string("Test CPU") + '\0');
    scripted.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, std::string("Test Adapter") + '\0');
    RecordingPlatformCalls answer(scripted);
    char expected[kAnswerCapacity] = "";
    row.answer(answer, row.argument, expected);

    RecordingPlatformCalls replayed(scripted);
    Floor floor(row, replayed);
    const size_t recordedOnce = replayed.calls.size();
    char out[kAnswerCapacity] = "";
    floor(out);
    ASSERT_EQ(answer.calls.size(), replayed.calls.size() - recordedOnce) << row.text;
    for (size_t i = 0; i < answer.calls.size(); ++i)
      EXPECT_EQ(answer.calls[i].kind, replayed.calls[recordedOnce + i].kind) << row.text;
    EXPECT_STREQ(expected, out) << row.text;
  }
}

}  // namespace
}  // namespace ostrakin::bench
