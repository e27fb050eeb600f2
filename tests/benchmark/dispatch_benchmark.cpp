// How fast a tag is matched: the lookup against the plainest way, strcasecmp with every keyword
// text in table order. Prints Google Benchmark's figures, then the ratios from the same run. Most
// tags a host offers are another plug-in's, so a miss is held to 10x faster than the plain way.
#include <benchmark/benchmark.h>
#include <strings.h>

#include <cstdio>
#include <map>
#include <string>

#include "core/keyword_table.h"

namespace {

using ostrakin::FindKeyword;
using ostrakin::KeywordRow;
using ostrakin::kKeywordTable;

const KeywordRow* SequentialReference(const char* tag) {
  for (const KeywordRow& row : kKeywordTable) {
    if (strcasecmp(tag, row.text) == 0) return &row;
  }
  return nullptr;
}

struct Case {
  const char* name;
  const char* tag;
};
// A tag of another plug-in, the first keyword and the last (written as users do).
const std::string kLast = ostrakin::kKeywordTable[ostrakin::kKeywordCount - 1].text;
const Case kCases[] = {
    {"miss", "(!WeatherToday)"}, {"first", "(!vuskdiska)"}, {"last", kLast.c_str()}};

template <const KeywordRow* (*Find)(const char*)>
void Dispatch(benchmark::State& state) {
  const char* tag = kCases[state.range(0)].tag;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tag);
    benchmark::DoNotOptimize(Find(tag));
  }
}
BENCHMARK_TEMPLATE(Dispatch, FindKeyword)->Name("lookup")->DenseRange(0, 2);
BENCHMARK_TEMPLATE(Dispatch, SequentialReference)->Name("sequential")->DenseRange(0, 2);

// Keeps each benchmark's time per iteration (the median when runs are repeated), by name, for
// the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> nanoseconds;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      nanoseconds[run.run_name.str()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n%-8s %-16s %12s %15s %8s %6s\n", "tag", "text", "lookup ns", "sequential ns",
              "ratio", "goal");
  const double goals[] = {10, 0, 0};
  for (int i = 0; i < 3; ++i) {
    const double lookup = reporter.nanoseconds["lookup/" + std::to_string(i)];
    const double sequential = reporter.nanoseconds["sequential/" + std::to_string(i)];
    const double ratio = lookup > 0 ? sequential / lookup : 0;
    char goal[16] = "-";
    if (goals[i] > 0)
      std::snprintf(goal, sizeof goal, "%s%.0fx", ratio >= goals[i] ? ">=" : "<!", goals[i]);
    std::printf("%-8s %-16s %12.2f %15.2f %7.1fx %6s\n", kCases[i].name, kCases[i].tag, lookup,
                sequential, ratio, goal);
  }
  return 0;
}
