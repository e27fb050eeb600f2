// Soak: every keyword answered many times through the loaded DLL (100,000 by default, from two
// threads), every answer well-formed, and the resident memory of this process, and of the
// wineserver that holds the registry keys it opens, no larger afterwards than noise. Memory is read
// as Linux accounts it (/proc), because Wine's own process counters are stubs.
//   ostrakin_soak.exe [calls per keyword]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "Ostrakin.h"
#include "identity_answers.h"
#include "keyword_table.h"
#include "windows_test_support.h"

namespace {

constexpr long kNoiseKiB = 1024;

// VmRSS of a Linux process, in KiB; -1 when it cannot be read.
long ResidentKiB(const std::string& pid) {
  std::ifstream status("Z:\\proc\\" + pid + "\\status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, 6, "VmRSS:") == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// Files are opened by the wineserver on Wine's behalf, so "/proc/self" names the wineserver.
std::string WineserverPid() {
  std::ifstream stat("Z:\\proc\\self\\stat");
  std::string pid;
  stat >> pid;
  return pid;
}

// This program's Linux process id: the one process whose name is this program's file name (as
// Linux keeps it, cut to 15 characters).
std::string OwnPid() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const char* slash = std::strrchr(path, '\\');
  const std::string name = std::string(slash != nullptr ? slash + 1 : path).substr(0, 15);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
  if (search == INVALID_HANDLE_VALUE) return "";
  std::string found;
  int count = 0;
  do {
    if (entry.cFileName[0] < '0' || entry.cFileName[0] > '9') continue;
    std::ifstream comm(std::string("Z:\\proc\\") + entry.cFileName + "\\comm");
    std::string comm_name;
    if (std::getline(comm, comm_name) && comm_name == name) {
      found = entry.cFileName;
      ++count;
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return count == 1 ? found : "";
}

bool WellFormed(const char* answer) {
  const size_t length = strnlen(answer, 400);
  return length >= 6 && length <= 295 && std::memcmp(answer, "\x02[\x02", 3) == 0 &&
         std::memcmp(answer + length - 3, "\x02]\x02", 3) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const long calls = argc > 1 ? std::atol(argv[1]) : 100000;
  HMODULE module = LoadLibraryA((ostrakin::testing::ProgramDirectory() + "Ostrakin.dll").c_str());
  const auto parseTag =
      reinterpret_cast<ParseTagFn>(reinterpret_cast<void*>(GetProcAddress(module, "ParseTag")));
  if (parseTag == nullptr) {
    std::printf("soak: cannot load Ostrakin.dll\n");
    return 2;
  }
  // A display adapter where the plug-in looks, so that the video card's whole path is soaked.
  ostrakin::testing::MachineValueFixture adapter(ostrakin::kDisplayAdapterKey,
                                                 ostrakin::kDisplayAdapterValue);
  adapter.Set(REG_SZ, std::string("Soak Adapter") + '\0');

  const std::string self = OwnPid();
  const std::string wineserver = WineserverPid();
  if (self.empty() || wineserver.empty()) {
    std::printf("soak: cannot find this process or its wineserver under /proc\n");
    return 2;
  }
  auto calling = [&](long count, long* malformed) {
    for (const ostrakin::KeywordRow& row : ostrakin::kKeywordTable) {
      for (long i = 0; i < count; ++i) {
        char result[512];
        result[0] = '\0';
        if (parseTag(row.text, 0, result) != 1 || !WellFormed(result)) ++*malformed;
      }
    }
  };
  // Two callers at once, as a host with two threads would call: half the calls each.
  auto round = [&](long count) {
    long malformed[2] = {0, 0};
    std::thread second(calling, count / 2, &malformed[1]);
    calling(count - count / 2, &malformed[0]);
    second.join();
    return malformed[0] + malformed[1];
  };

  round(1000);  // warm-up: caches, heaps and the registry reach their working size
  const long selfBefore = ResidentKiB(self);
  const long serverBefore = ResidentKiB(wineserver);
  const DWORD start = GetTickCount();
  const long malformed = round(calls);
  const DWORD elapsed = GetTickCount() - start;
  const long selfAfter = ResidentKiB(self);
  const long serverAfter = ResidentKiB(wineserver);

  std::printf("soak: %ld calls of each of %d keywords in %.1f s; %ld malformed or unanswered\n",
              calls, ostrakin::kKeywordCount, elapsed / 1000.0, malformed);
  std::printf("soak: this process resident %ld KiB before, %ld KiB after (%+ld KiB)\n", selfBefore,
              selfAfter, selfAfter - selfBefore);
  std::printf("soak: its wineserver resident %ld KiB before, %ld KiB after (%+ld KiB)\n",
              serverBefore, serverAfter, serverAfter - serverBefore);
  FreeLibrary(module);
  const bool grew = selfBefore < 0 || serverBefore < 0 || selfAfter - selfBefore > kNoiseKiB ||
                    serverAfter - serverBefore > kNoiseKiB;
  if (malformed != 0 || grew) {
    std::printf("soak: FAILED (noise allowance %ld KiB)\n", kNoiseKiB);
    return 1;
  }
  return 0;
}
