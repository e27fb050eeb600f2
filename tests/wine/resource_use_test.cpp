// Every keyword in turn, thousands of calls through the loaded DLL: afterwards the process holds
// no more memory, kernel handles (registry keys among them) or GDI objects (a device context)
// than before. A leak in one answer's calls fails here within seconds, naming the keyword; the
// soak then only has to show that everything at once, for long, holds too.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "Ostrakin.h"
#include "core/answers/registry_locations.h"
#include "core/keyword_table.h"
#include "plugin_library.h"
#include "windows_test_support.h"

namespace {

// A new handle gets the lowest free slot of its table (GDI's: the last one freed, else the next
// never used), so each handle left open pushes the next one's slot up by one. Wine's own counts
// (GetProcessHandleCount, GetGuiResources) answer 0 whatever is open, so the slots are read.
long NextKernelHandleSlot() {
  const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(event);
  return long(reinterpret_cast<uintptr_t>(event) / 4);
}
long NextGdiHandleSlot() {
  const HGDIOBJ brush = CreateSolidBrush(RGB(1, 2, 3));
  DeleteObject(brush);
  return long(reinterpret_cast<uintptr_t>(brush) & 0xFFFF);  // the upper half counts reuses
}

// What may grow: a heap that settles grows by less than 256 KiB, which 50,000 calls of a fast
// answer exceed from 6 bytes kept per call, 3,000 of the slowest from 90; a library may create a
// few objects once, on first use.
const struct {
  const char* kept;
  long (*measure)();
  long slack;
} kResources[] = {{"committed memory (KiB)", ostrakin::testing::CommittedKiB, 256},
                  {"kernel handles (a registry key, a file)", NextKernelHandleSlot, 16},
                  {"GDI objects (a device context, a font)", NextGdiHandleSlot, 16}};

TEST(ResourceUse, NoKeywordKeepsAnythingOnceItHasAnswered) {
  standin::PluginLibrary library(standin::PluginBesideThisProgram());
  std::string error;
  ASSERT_TRUE(library.Load(&error)) << error;
  ostrakin::testing::MachineValueFixture adapter(ostrakin::kDisplayAdapterKey,
                                                 ostrakin::kDisplayAdapterValue);
  adapter.Set(REG_SZ, std::string("Leak Check Adapter") + '\0');
  auto call = [&](const char* tag, int times) {
    for (char result[512]; times-- > 0;) {
      result[0] = '\0';  // the disk answers append to what the buffer holds
      library.EntryPoints().parseTag(tag, 0, result);
    }
  };
  for (const ostrakin::KeywordRow& row : ostrakin::kKeywordTable) {
    const DWORD started = GetTickCount();
    call(row.text, 200);  // what the first calls set up once, and the heap's working size
    const double msPerCall = std::max<DWORD>(GetTickCount() - started, 1) / 200.0;
    const int calls = std::clamp(int(250 / msPerCall), 3000, 50000);  // about 0.25 s natively
    long before[3];
    for (int i = 0; i < 3; ++i)
      before[i] = kResources[i].measure();
    call(row.text, calls);
    for (int i = 0; i < 3; ++i) {
      EXPECT_LE(kResources[i].measure(), before[i] + kResources[i].slack)
          << row.text << ", " << calls << " calls: " << kResources[i].kept << " grew";
    }
  }
}

}  // namespace
