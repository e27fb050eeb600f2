// Soak: every keyword answered many times through the loaded DLL (25,000 by default, from two
// threads), every answer well-formed, and the memory of this process, and of the wineserver that
// holds the registry keys it opens, no larger afterwards than noise.
//   ostrakin_soak.exe [calls per keyword] [figures file]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "Ostrakin.h"
#include "core/answers/registry_locations.h"
#include "core/keyword_table.h"
#include "plugin_library.h"
#include "windows_test_support.h"

namespace {

using ostrakin::testing::CommittedKiB;

constexpr long kNoiseKiB = 1024;

// The wineserver's resident memory below 4 GiB (qemu's own lies above), in KiB; -1 when unreadable.
// The wineserver opens files for Wine, so "self" is it; "task/" gets past qemu's own "self/smaps".
long WineserverResidentKiB() {
  std::ifstream stat("Z:\\proc\\self\\stat");
  std::string pid;
  stat >> pid;
  std::ifstream smaps("Z:\\proc\\" + pid + "\\task\\" + pid + "\\smaps");
  std::string line;
  long total = -1;
  bool below4GiB = false;
  while (std::getline(smaps, line)) {
    const std::string first = line.substr(0, line.find(' '));
    if (first.find(':') == std::string::npos) {  // "start-end perms ...": a new mapping
      below4GiB = first.find('-') <= 8;
    } else if (below4GiB && first == "Rss:") {
      total = (total < 0 ? 0 : total) + std::atol(line.c_str() + 4);
    }
  }
  return total;
}

bool WellFormed(const char* answer) {
  const size_t length = strnlen(answer, 400);
  return length >= 6 && length <= OSTRAKIN_LONGEST_ANSWER &&
         std::memcmp(answer, "\x02[\x02", 3) == 0 &&
         std::memcmp(answer + length - 3, "\x02]\x02", 3) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const long calls = argc > 1 ? std::atol(argv[1]) : 25000;
  const char* figuresFile = argc > 2 ? argv[2] : nullptr;
  standin::PluginLibrary library(standin::PluginBesideThisProgram());
  std::string error;
  if (!library.Load(&error)) {
    std::printf("soak: %s\n", error.c_str());
    return 2;
  }
  const ParseTagFn parseTag = library.EntryPoints().parseTag;
  // A display adapter where the plug-in looks, so that the video card's whole path is soaked.
  ostrakin::testing::MachineValueFixture adapter(ostrakin::kDisplayAdapterKey,
                                                 ostrakin::kDisplayAdapterValue);
  adapter.Set(REG_SZ, std::string("Soak Adapter") + '\0');

  // Keyword by keyword; the first caller reports progress every few seconds (some keywords take
  // far longer than others: the disk and the registry), the soak takes a minute or more.
  DWORD start = GetTickCount();
  auto calling = [&](long count, long* malformed, bool reports) {
    int done = 0;
    DWORD reported = GetTickCount();
    auto report = [&](bool last) {
      if (!reports || (!last && GetTickCount() - reported < 5000)) return;
      reported = GetTickCount();
      std::printf("soak: %d of %d keywords, %.0f s\n", done, int(ostrakin::kKeywordCount),
                  (GetTickCount() - start) / 1000.0);
      std::fflush(stdout);
    };
    for (const ostrakin::KeywordRow& row : ostrakin::kKeywordTable) {
      for (long i = 0; i < count; ++i) {
        char result[512];
        result[0] = '\0';
        if (parseTag(row.text, 0, result) != 1 || !WellFormed(result)) ++*malformed;
        if (i % 1024 == 0) report(false);
      }
      ++done;
      report(done == int(ostrakin::kKeywordCount));
    }
  };
  // Two callers at once, as a host with two threads would call: half the calls each.
  auto round = [&](long count, bool reports) {
    long malformed[2] = {0, 0};
    std::thread second(calling, count / 2, &malformed[1], false);
    calling(count - count / 2, &malformed[0], reports);
    second.join();
    return malformed[0] + malformed[1];
  };

  round(1000, false);  // warm-up: caches, heaps and the registry reach their working size
  const long selfBefore = CommittedKiB();
  const long serverBefore = WineserverResidentKiB();
  start = GetTickCount();
  const long malformed = round(calls, true);
  const DWORD elapsed = GetTickCount() - start;
  const long selfAfter = CommittedKiB();
  const long serverAfter = WineserverResidentKiB();

  char figures[512];
  std::snprintf(figures, sizeof figures,
                "soak: %ld calls of each of %d keywords in %.1f s; %ld malformed or unanswered\n"
                "soak: this process committed %ld KiB before, %ld KiB after (%+ld KiB)\n"
                "soak: its wineserver resident %ld KiB before, %ld KiB after (%+ld KiB)\n"
                "soak: allowed growth %ld KiB each\n",
                calls, int(ostrakin::kKeywordCount), elapsed / 1000.0, malformed, selfBefore,
                selfAfter, selfAfter - selfBefore, serverBefore, serverAfter,
                serverAfter - serverBefore, kNoiseKiB);
  std::fputs(figures, stdout);
  if (figuresFile != nullptr) {
    if (FILE* file = std::fopen(figuresFile, "w")) {
      std::fputs(figures, file);
      std::fclose(file);
    }
  }
  library.Release();
  const bool grew = selfBefore <= 0 || serverBefore <= 0 || selfAfter - selfBefore > kNoiseKiB ||
                    serverAfter - serverBefore > kNoiseKiB;
  if (malformed != 0 || grew) {
    std::printf("soak: FAILED\n");
    return 1;
  }
  return 0;
}
