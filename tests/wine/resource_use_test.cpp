// Every keyword in turn, thousands of calls through the loaded DLL: afterwards the process holds
// no more memory, kernel handles (registry keys among them), GDI objects (a device context) or
// USER objects than before. A leak in one answer's calls fails here within seconds, naming the
// keyword; the soak then only has to show that everything at once, for long, holds too.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "Ostrakin.h"
#include "core/answers/registry_locations.h"
#include "core/keyword_table.h"
#include "plugin_library.h"
#include "windows_test_support.h"

namespace {

using ostrakin::testing::CommittedKiB;

// A handle's slot in its table. Windows and Wine give a new handle the lowest free slot of the
// process's table (GDI's: the last one freed, else the next never used): one left open by each
// call pushes the next one's slot up by one per call, and nothing else does. Wine's own counts
// (GetProcessHandleCount, GetGuiResources) answer 0 whatever is open, so the slots are read.
uintptr_t NextKernelHandleSlot() {
  const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(event);
  return reinterpret_cast<uintptr_t>(event) / 4;
}
uintptr_t NextGdiHandleSlot() {
  const HGDIOBJ brush = CreateSolidBrush(RGB(1, 2, 3));
  DeleteObject(brush);
  return reinterpret_cast<uintptr_t>(brush) & 0xFFFF;  // the upper half counts reuses
}

struct ResourceUse {
  long committedKiB;
  uintptr_t kernelSlot, gdiSlot;
  DWORD gdiObjects, userObjects;
};
ResourceUse Measure() {
  return {CommittedKiB(), NextKernelHandleSlot(), NextGdiHandleSlot(),
          GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}

// One object kept per call shows as thousands; a heap that settles grows by less than 256 KiB,
// which 50,000 calls of a fast answer exceed from 6 bytes kept per call, 3,000 of the slowest (the
// registry's, a fixed disk's) from 90. About 0.25 s of calls each, natively.
constexpr int kLeastCalls = 3000, kMostCalls = 50000;
constexpr uintptr_t kSlack = 16;  // objects a library may create once, on first use
constexpr long kMemorySlackKiB = 256;

TEST(ResourceUse, NoKeywordKeepsAnythingOnceItHasAnswered) {
  standin::PluginLibrary library(standin::PluginBesideThisProgram());
  std::string error;
  ASSERT_TRUE(library.Load(&error)) << error;
  const ParseTagFn parseTag = library.EntryPoints().parseTag;
  ostrakin::testing::MachineValueFixture adapter(ostrakin::kDisplayAdapterKey,
                                                 ostrakin::kDisplayAdapterValue);
  adapter.Set(REG_SZ, std::string("Leak Check Adapter") + '\0');
  auto call = [&](const char* tag, int times) {
    for (int i = 0; i < times; ++i) {
      char result[512] = "";
      parseTag(tag, 0, result);
    }
  };
  for (const ostrakin::KeywordRow& row : ostrakin::kKeywordTable) {
    const DWORD started = GetTickCount();
    call(row.text, 200);  // what the first calls set up once, and the heap's working size
    const double msPerCall = std::max<DWORD>(GetTickCount() - started, 1) / 200.0;
    const int calls = std::clamp(int(250 / msPerCall), kLeastCalls, kMostCalls);
    const ResourceUse before = Measure();
    call(row.text, calls);
    const ResourceUse after = Measure();
    const std::string where = std::string(row.text) + ", " + std::to_string(calls) + " calls";
    EXPECT_LE(after.committedKiB - before.committedKiB, kMemorySlackKiB)
        << where << ": committed memory grew from " << before.committedKiB << " KiB";
    EXPECT_LE(after.kernelSlot, before.kernelSlot + kSlack)
        << where << ": kernel handles (registry keys, files, events) left open";
    EXPECT_LE(after.gdiSlot, before.gdiSlot + kSlack)
        << where << ": GDI objects (a device context, a font) left undeleted";
    EXPECT_LE(after.gdiObjects, before.gdiObjects + kSlack) << where << ": GDI objects counted";
    EXPECT_LE(after.userObjects, before.userObjects + kSlack) << where << ": USER objects counted";
  }
}

}  // namespace
