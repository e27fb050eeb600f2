// How fast a tag is matched: the keyword index against the plain way, a sequential
// case-insensitive comparison with every keyword text in table order. Prints Google
// Benchmark's figures, then the ratios from the same run.
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
// A tag of another plug-in, the first keyword, the last keyword (written as users do).
const Case kCases[] = {
    {"miss", "(!WeatherToday)"}, {"first", "(!vuskdiska)"}, {"last", "(!VuskCPUInfo)"}};

template <const KeywordRow* (*Find)(const char*)>
void Dispatch(benchmark::State& state) {
  const char* tag = kCases[state.range(0)].tag;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tag);
    benchmark::DoNotOptimize(Find(tag));
  }
}
BENCHMARK_TEMPLATE(Dispatch, FindKeyword)->Name("index")->DenseRange(0, 2);
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
  std::printf("\n%-8s %-16s %12s %15s %8s %6s\n", "tag", "text", "index ns", "sequential ns",
              "ratio", "goal");
  const double goals[] = {10, 0, 5};
  for (int i = 0; i < 3; ++i) {
    const double index = reporter.nanoseconds["index/" + std::to_string(i)];
    const double sequential = reporter.nanoseconds["sequential/" + std::to_string(i)];
    const double ratio = index > 0 ? sequential / index : 0;
    char goal[16] = "-";
    if (goals[i] > 0)
      std::snprintf(goal, sizeof goal, "%s%.0fx", ratio >= goals[i] ? ">=" : "<!", goals[i]);
    std::printf("%-8s %-16s %12.2f %15.2f %7.1fx %6s\n", kCases[i].name, kCases[i].tag, index,
                sequential, ratio, goal);
  }
  return 0;
}
