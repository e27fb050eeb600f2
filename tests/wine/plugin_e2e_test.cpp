// The real Ostrakin.dll, loaded through the stand-in host's loading code, against the platform the
// same process reads from Windows (Wine) itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/answers/registry_locations.h"
#include "core/publish_info.h"
#include "frame.h"
#include "plugin_library.h"
#include "win32/win32_platform_calls.h"
#include "windows_test_support.h"

namespace ostrakin {
namespace {

using testing::Framed;
using testing::ImportReplacement;
using testing::MachineValueFixture;
using testing::Visible;

class PluginE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(library_.Load(&error)) << error;
    plugin_ = library_.EntryPoints();
  }

  // Answers a tag into a zeroed buffer; "" with the result 0.
  std::string Answer(const char* tag) {
    char result[1024] = {};
    if (plugin_.parseTag(tag, 0, result) != 1) return "";
    return result;
  }

  standin::PluginLibrary library_{standin::PluginBesideThisProgram()};
  standin::PluginEntryPoints plugin_;
};

TEST_F(PluginE2E, PublishesItsCatalogueAndTakesNoCommands) {
  EXPECT_EQ(1, plugin_.initialize(1, 2, 3));
  EXPECT_EQ(0, plugin_.parseCommand(0, 0, 0, 0));
  char name[64];
  std::memset(name, '~', sizeof name);
  CommandCatalogue commands = {42};
  static TagCatalogue tags;
  std::memset(&tags, 0x7E, sizeof tags);
  ASSERT_EQ(1, plugin_.publishInfo(name, &commands, &tags));
  EXPECT_STREQ("Tavrin's Pelicor", name);
  EXPECT_EQ('~', name[17]);
  EXPECT_EQ(0, commands.count);
  ASSERT_EQ(kCatalogueSize, tags.count);
  EXPECT_STREQ("Disk Info", tags.labels[0]);
  EXPECT_STREQ("(!VuskDisk*)  <replace the * with drive letter!>", tags.tagTexts[0]);
  EXPECT_STREQ("CPU Info", tags.labels[5]);
  EXPECT_STREQ("(!VuskCPUInfo)", tags.tagTexts[5]);
  EXPECT_EQ(0x7E, tags.labels[tags.count][0]);
  EXPECT_EQ(0x7E, tags.tagTexts[tags.count][0]);
}

MEMORYSTATUSEX ExtendedMemoryStatus() {
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  return status;
}

MEMORYSTATUSEX CappedMemoryStatus() {
  MEMORYSTATUS status = {};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  MEMORYSTATUSEX widened = {};
  widened.ullTotalPhys = status.dwTotalPhys;
  widened.ullAvailPhys = status.dwAvailPhys;
  return widened;
}

// The bar's rule in IEEE arithmetic: with SSE each step rounds as written, where x87 code may
// keep extra precision in its registers.
__attribute__((target("sse2,fpmath=sse"))) int ReferenceCells(uint64_t available, uint64_t total) {
  if (total == 0) return 0;
  const float share = float(double(float(available)) / double(float(total)) * 20.0);
  return share >= 20.0f ? 20 : int(share);
}

std::string MemoryAnswersFor(const MEMORYSTATUSEX& s) {
  const int cells = ReferenceCells(s.ullAvailPhys, s.ullTotalPhys);
  return Framed("^[^ " + std::to_string(s.ullAvailPhys >> 20) + "MB ^/^ " +
                std::to_string(s.ullTotalPhys >> 20) + "MB ^]^ ^[^ " +
                std::string(size_t(cells), '|') + std::string(size_t(20 - cells), '.') + " ^]^");
}

// Available memory moves between snapshots: the answers must match one taken around them.
TEST_F(PluginE2E, MemoryAnswersComeFromTheExtendedQuery) {
  const MEMORYSTATUSEX before = ExtendedMemoryStatus();
  const std::string answers = Answer("(!VuskRamStat)") + " " + Answer("(!VuskRamBar)");
  const MEMORYSTATUSEX after = ExtendedMemoryStatus();
  EXPECT_TRUE(answers == MemoryAnswersFor(before) || answers == MemoryAnswersFor(after))
      << Visible(answers);
  EXPECT_GT(before.ullTotalPhys >> 20, CappedMemoryStatus().ullTotalPhys >> 20)
      << "this machine's memory fits the 32-bit query: the test cannot tell the queries apart";
}

// What the plug-in's own lookups of kernel32 functions find while a test hides or breaks them.
struct {
  const char* names[2];
  FARPROC found;
} scriptedLookup = {};

FARPROC WINAPI ScriptedGetProcAddress(HMODULE module, LPCSTR name) {
  const bool byName = (reinterpret_cast<uintptr_t>(name) >> 16) != 0;
  for (const char* scripted : scriptedLookup.names) {
    if (byName && scripted != nullptr && std::strcmp(name, scripted) == 0) {
      return scriptedLookup.found;
    }
  }
  return GetProcAddress(module, name);
}

BOOL WINAPI FailingGlobalMemoryStatusEx(MEMORYSTATUSEX* status) {
  status->ullTotalPhys = status->ullAvailPhys = uint64_t{1} << 40;  // what a failure may leave
  return FALSE;
}

// A fresh copy of the plug-in in the process (its remembered lookups gone), with GetProcAddress
// scripted for one or two function names until the object dies.
class ScriptedLookups {
 public:
  ScriptedLookups(standin::PluginLibrary& library, const char* name, FARPROC found,
                  const char* alsoName = nullptr)
      : library_(library) {
    library_.Release();
    std::string error;
    loaded_ = library_.Load(&error);
    scriptedLookup = {{name, alsoName}, found};
    lookups_ = std::make_unique<ImportReplacement>(
        GetModuleHandleA("Ostrakin.dll"), "KERNEL32.dll", "GetProcAddress",
        reinterpret_cast<void*>(&ScriptedGetProcAddress));
  }
  ~ScriptedLookups() {
    lookups_.reset();
    scriptedLookup = {};
    library_.Release();
  }
  bool Active() const { return loaded_ && lookups_->Active(); }

 private:
  standin::PluginLibrary& library_;
  bool loaded_ = false;
  std::unique_ptr<ImportReplacement> lookups_;
};

TEST_F(PluginE2E, MemoryAnswersFallBackToTheCappedQuery) {
  const struct {
    const char* what;
    FARPROC found;
  } cases[] = {
      {"GlobalMemoryStatusEx absent (Windows 95 to NT 4.0)", nullptr},
      {"GlobalMemoryStatusEx failing",
       reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&FailingGlobalMemoryStatusEx))},
  };
  for (const auto& c : cases) {
    ScriptedLookups lookups(library_, "GlobalMemoryStatusEx", c.found);
    ASSERT_TRUE(lookups.Active()) << c.what;
    plugin_ = library_.EntryPoints();
    const MEMORYSTATUSEX before = CappedMemoryStatus();
    const std::string answers = Answer("(!VuskRamStat)") + " " + Answer("(!VuskRamBar)");
    const MEMORYSTATUSEX after = CappedMemoryStatus();
    EXPECT_TRUE(answers == MemoryAnswersFor(before) || answers == MemoryAnswersFor(after))
        << c.what << ": " << Visible(answers);
  }
}

// An amount as the answer shows it: GB with two decimals, an exact tie rounded up, or 0.00MB for
// nothing. Plain integer arithmetic, exact for any disk below 2^57 bytes.
std::string AmountFor(uint64_t bytes) {
  if (bytes == 0) return "0.00MB";
  const uint64_t hundredths = (bytes * 100 + (uint64_t{1} << 29)) >> 30;
  char text[32];
  std::snprintf(text, sizeof text, "%llu.%02lluGB", (unsigned long long)(hundredths / 100),
                (unsigned long long)(hundredths % 100));
  return text;
}

std::string DiskAnswerFor(const char* drive) {
  ULARGE_INTEGER caller, total, free;
  if (!GetDiskFreeSpaceExA(drive, &caller, &total, &free)) total.QuadPart = free.QuadPart = 0;
  return Framed("^[^ " + AmountFor(free.QuadPart) + " ^/^ " + AmountFor(total.QuadPart) + " ^]^");
}

TEST_F(PluginE2E, DiskAnswersAgreeWithGetDiskFreeSpaceEx) {
  const std::string before = DiskAnswerFor("C:\\");
  const std::string answer = Answer("(!vuskdiskc)");
  const std::string after = DiskAnswerFor("C:\\");
  EXPECT_TRUE(answer == before || answer == after) << Visible(answer);
  EXPECT_NE(std::string::npos, answer.find("GB \x02/")) << "drive C: has free space";

  // A letter with no drive answers zero for both amounts.
  char missing = 0;
  for (char letter = 'Y'; letter > 'D' && missing == 0; --letter) {
    const char path[] = {letter, ':', '\\', 0};
    ULARGE_INTEGER a, b, c;
    if (!GetDiskFreeSpaceExA(path, &a, &b, &c)) missing = letter;
  }
  ASSERT_NE(0, missing);
  const std::string tag = std::string("(!VuskDisk") + missing + ")";
  EXPECT_EQ(Framed("^[^ 0.00MB ^/^ 0.00MB ^]^"), Answer(tag.c_str())) << tag;
}

struct ErrorModes {
  DWORD thread;
  UINT process;
  bool operator==(const ErrorModes& other) const {
    return thread == other.thread && process == other.process;
  }
};

ErrorModes CurrentErrorModes() {
  return {GetThreadErrorMode(), GetErrorMode()};
}

ErrorModes seenByTheDiskQuery;
UINT hostSetsDuringTheQuery = 0;  // as another host thread may, while a query runs
std::atomic<long> queriesWithoutTheFlag{0};

// A second disk query, started by the plug-in's own SetErrorMode from inside the first query's
// save of the process's mode (its first call) or its restore (its first after its query).
enum class Inside { Nothing, Save, Restore };
struct {
  Inside phase = Inside::Nothing;
  DWORD firstThread = 0;
  std::atomic<bool> firstQueried{false};
  std::thread second;
  HANDLE secondMoved = nullptr, firstRestored = nullptr;  // events
  ParseTagFn parseTag = nullptr;
} interleaving;

BOOL WINAPI RecordingGetDiskFreeSpaceExA(LPCSTR path, PULARGE_INTEGER caller, PULARGE_INTEGER total,
                                         PULARGE_INTEGER free) {
  const bool second =
      interleaving.phase != Inside::Nothing && GetCurrentThreadId() != interleaving.firstThread;
  if (!second) interleaving.firstQueried = true;
  if (second && interleaving.phase == Inside::Restore)
    WaitForSingleObject(interleaving.firstRestored, 2000);  // the first's restore, if it waits
  seenByTheDiskQuery = CurrentErrorModes();
  if (((seenByTheDiskQuery.thread | seenByTheDiskQuery.process) & SEM_FAILCRITICALERRORS) == 0)
    ++queriesWithoutTheFlag;
  if (second) SetEvent(interleaving.secondMoved);
  if (hostSetsDuringTheQuery != 0) SetErrorMode(GetErrorMode() | hostSetsDuringTheQuery);
  return GetDiskFreeSpaceExA(path, caller, total, free);
}

BOOL WINAPI ThreeFiguresGetDiskFreeSpaceExA(LPCSTR, PULARGE_INTEGER caller, PULARGE_INTEGER total,
                                            PULARGE_INTEGER free) {
  caller->QuadPart = 1ull << 30;
  total->QuadPart = 4ull << 30;
  free->QuadPart = 2ull << 30;
  return TRUE;
}

// The DLL's own calls of `function` go to `replacement` while the object lives.
template <typename Function>
ImportReplacement PluginCallsReplaced(const char* dll, const char* function,
                                      Function* replacement) {
  return ImportReplacement(GetModuleHandleA("Ostrakin.dll"), dll, function,
                           reinterpret_cast<void*>(replacement));
}
ImportReplacement DiskQueryReplacedBy(decltype(&GetDiskFreeSpaceExA) replacement) {
  return PluginCallsReplaced("KERNEL32.dll", "GetDiskFreeSpaceExA", replacement);
}

// Where quotas apply, the space left to the caller is less than the drive's free space.
TEST_F(PluginE2E, DiskAnswersShowTheDrivesFreeSpaceNotTheCallers) {
  const ImportReplacement diskQuery = DiskQueryReplacedBy(&ThreeFiguresGetDiskFreeSpaceExA);
  ASSERT_TRUE(diskQuery.Active());
  EXPECT_EQ(Framed("^[^ 2.00GB ^/^ 4.00GB ^]^"), Answer("(!VuskDiskC)"));
}

std::vector<UINT> setErrorModeCalls;
UINT WINAPI RecordingSetErrorMode(UINT mode) {
  setErrorModeCalls.push_back(mode);
  return SetErrorMode(mode);
}

// A drive with no medium must not pop up a box that blocks the host: the query runs with
// critical-error boxes off, in the thread's own mode where Windows has one, and the caller's
// modes come back exactly. The process's mode is changed by these calls only: every one that
// sets it for the query carries the flag (on 95 to XP the first cannot know the host's other
// flags yet), and the last puts the host's mode back.
TEST_F(PluginE2E, TheDiskQueryRunsWithCriticalErrorBoxesOff) {
  const ErrorModes callers = {SEM_NOOPENFILEERRORBOX, SEM_NOGPFAULTERRORBOX};
  const ErrorModes processMode = {SEM_NOOPENFILEERRORBOX,
                                  SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS};
  const UINT fail = SEM_FAILCRITICALERRORS, host = SEM_NOGPFAULTERRORBOX;
  const struct {
    const char* what;
    const char* hidden[2];
    ErrorModes during;
    std::vector<UINT> setErrorModeCalls;  // per query
  } cases[] = {
      {"thread mode (Windows 7 and later)",
       {},
       {SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS, SEM_NOGPFAULTERRORBOX},
       {}},
      {"process mode (Vista)", {"SetThreadErrorMode"}, processMode, {host | fail, host}},
      {"process mode (95 to XP)",
       {"SetThreadErrorMode", "GetErrorMode"},
       processMode,
       {fail, host | fail, host}},
  };
  const ErrorModes own = CurrentErrorModes();
  for (const auto& c : cases) {
    ScriptedLookups lookups(library_, c.hidden[0], nullptr, c.hidden[1]);
    ASSERT_TRUE(lookups.Active()) << c.what;
    const ImportReplacement diskQuery = DiskQueryReplacedBy(&RecordingGetDiskFreeSpaceExA);
    const ImportReplacement setMode =
        PluginCallsReplaced("KERNEL32.dll", "SetErrorMode", &RecordingSetErrorMode);
    ASSERT_TRUE(diskQuery.Active() && setMode.Active()) << c.what;
    SetThreadErrorMode(callers.thread, nullptr);
    SetErrorMode(callers.process);
    char result[512] = {};
    for (const char* query : {"first query", "second query"}) {  // the shared state winds back
      seenByTheDiskQuery = {};
      setErrorModeCalls.clear();
      result[0] = '\0';
      EXPECT_EQ(1, library_.EntryPoints().parseTag("(!VuskDiskC)", 0, result)) << c.what;
      EXPECT_EQ(c.setErrorModeCalls, setErrorModeCalls) << c.what << ", " << query;
      EXPECT_EQ(c.during, seenByTheDiskQuery)
          << c.what << ", " << query << ": thread " << seenByTheDiskQuery.thread << ", process "
          << seenByTheDiskQuery.process;
    }
    const ErrorModes after = CurrentErrorModes();
    SetThreadErrorMode(own.thread, nullptr);
    SetErrorMode(own.process);
    EXPECT_EQ(callers, after) << c.what << ": thread " << after.thread << ", process "
                              << after.process;
    EXPECT_EQ(DiskAnswerFor("C:\\"), result) << c.what;
  }
}

// A mode the host sets while a query runs is the host's choice and stays whole: having read the
// mode then, it holds the plug-in's flag too, and the plug-in cannot tell whether it means it.
TEST_F(PluginE2E, AModeTheHostSetsDuringADiskQueryStaysWhole) {
  const UINT own = GetErrorMode();
  for (const char* alsoHidden : {"", "GetErrorMode"}) {  // Vista, then 95 to XP
    ScriptedLookups lookups(library_, "SetThreadErrorMode", nullptr, alsoHidden);
    const ImportReplacement diskQuery = DiskQueryReplacedBy(&RecordingGetDiskFreeSpaceExA);
    const char* what = *alsoHidden != '\0' ? "95 to XP" : "Vista";
    ASSERT_TRUE(lookups.Active() && diskQuery.Active()) << what;
    SetErrorMode(0);
    hostSetsDuringTheQuery = SEM_NOGPFAULTERRORBOX;
    char result[512] = {};
    library_.EntryPoints().parseTag("(!VuskDiskC)", 0, result);
    hostSetsDuringTheQuery = 0;
    const UINT after = GetErrorMode();
    SetErrorMode(own);
    EXPECT_EQ(UINT(SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS), after) << what;
  }
}

// Before Windows 7 the error mode is the process's, shared with every host thread: queries that
// overlap must share one save and one restore, add only their flag, and never clear the host's
// own flags where Windows can read the mode without writing it (Vista, GetErrorMode).
TEST_F(PluginE2E, OverlappingDiskQueriesKeepTheHostsProcessMode) {
  const struct {
    const char* what;
    const char* alsoHidden;
    bool hostFlagsAlwaysSet;
  } cases[] = {
      {"Vista: GetErrorMode reads the mode", nullptr, true},
      {"95 to XP: only SetErrorMode", "GetErrorMode", false},
  };
  const UINT own = GetErrorMode();
  for (const auto& c : cases) {
    ScriptedLookups lookups(library_, "SetThreadErrorMode", nullptr, c.alsoHidden);
    const ImportReplacement diskQuery = DiskQueryReplacedBy(&RecordingGetDiskFreeSpaceExA);
    ASSERT_TRUE(lookups.Active() && diskQuery.Active()) << c.what;
    queriesWithoutTheFlag = 0;
    const ParseTagFn parseTag = library_.EntryPoints().parseTag;
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
    std::atomic<bool> asking{true};
    std::atomic<long> polls{0}, wrongPolls{0};
    std::thread poller([&] {
      while (asking) {
        const UINT mode = GetErrorMode() & ~UINT(SEM_FAILCRITICALERRORS);
        if (mode != SEM_NOGPFAULTERRORBOX) ++wrongPolls;
        ++polls;
      }
    });
    auto ask = [&] {
      for (int i = 0; i < 300; ++i) {
        char result[128] = {};
        parseTag("(!VuskDiskC)", 0, result);
      }
    };
    std::thread first(ask), second(ask);
    first.join();
    second.join();
    asking = false;
    poller.join();
    const UINT after = GetErrorMode();
    SetErrorMode(own);
    EXPECT_EQ(UINT(SEM_NOGPFAULTERRORBOX), after) << c.what;
    EXPECT_EQ(0, queriesWithoutTheFlag) << c.what;
    if (c.hostFlagsAlwaysSet) {
      EXPECT_EQ(0, wrongPolls) << c.what << ", of " << polls << " polls";
    }
  }
}

UINT WINAPI InterleavingSetErrorMode(UINT mode) {
  const bool first = GetCurrentThreadId() == interleaving.firstThread;
  if (!first || interleaving.second.joinable() ||
      (interleaving.phase == Inside::Restore && !interleaving.firstQueried)) {
    const UINT replaced = SetErrorMode(mode);
    if (!first) SetEvent(interleaving.secondMoved);
    return replaced;
  }
  interleaving.second = std::thread([] {
    char result[128] = {};
    interleaving.parseTag("(!VuskDiskC)", 0, result);
  });
  // Held off by the plug-in's lock, the second query gets nowhere meanwhile. Without it, it runs
  // its query now (inside the save), or takes the mode the first is about to put back (inside
  // the restore) and then runs its query.
  WaitForSingleObject(interleaving.secondMoved, 500);
  const UINT replaced = SetErrorMode(mode);
  SetEvent(interleaving.firstRestored);
  return replaced;
}

// The shared save and restore hold a lock around their mode calls: a query that starts in the
// middle of either waits, and so never runs without the flag nor leaves the host's mode changed.
TEST_F(PluginE2E, AQueryStartedDuringAnothersSaveOrRestoreWaitsForIt) {
  const UINT own = GetErrorMode();
  for (const char* alsoHidden : {"", "GetErrorMode"}) {  // Vista, then 95 to XP
    for (Inside phase : {Inside::Save, Inside::Restore}) {
      ScriptedLookups lookups(library_, "SetThreadErrorMode", nullptr, alsoHidden);
      const ImportReplacement diskQuery = DiskQueryReplacedBy(&RecordingGetDiskFreeSpaceExA);
      const ImportReplacement setMode =
          PluginCallsReplaced("KERNEL32.dll", "SetErrorMode", &InterleavingSetErrorMode);
      ASSERT_TRUE(lookups.Active() && diskQuery.Active() && setMode.Active());
      interleaving.firstThread = GetCurrentThreadId();
      interleaving.firstQueried = false;
      interleaving.secondMoved = CreateEventA(nullptr, FALSE, FALSE, nullptr);
      interleaving.firstRestored = CreateEventA(nullptr, TRUE, FALSE, nullptr);
      interleaving.parseTag = library_.EntryPoints().parseTag;
      interleaving.phase = phase;
      queriesWithoutTheFlag = 0;
      SetErrorMode(SEM_NOGPFAULTERRORBOX);
      char result[128] = {};
      interleaving.parseTag("(!VuskDiskC)", 0, result);
      const bool started = interleaving.second.joinable();
      if (started) interleaving.second.join();
      interleaving.phase = Inside::Nothing;
      const UINT after = GetErrorMode();
      SetErrorMode(own);
      CloseHandle(interleaving.secondMoved);
      CloseHandle(interleaving.firstRestored);
      const std::string what =
          std::string(*alsoHidden ? "95 to XP" : "Vista") +
          (phase == Inside::Save ? ", inside the save" : ", inside the restore");
      ASSERT_TRUE(started) << what;
      EXPECT_EQ(0, queriesWithoutTheFlag) << what;
      EXPECT_EQ(UINT(SEM_NOGPFAULTERRORBOX), after) << what;
    }
  }
}

// "Z:" alone would name drive Z's current directory, which may sit on another volume or no longer
// exist; a drive letter means the drive's root. The current directory moves to C: so that Z's
// own comes from its "=Z:" variable, pointed at a folder that does not exist.
TEST_F(PluginE2E, ADriveLetterMeansTheDrivesRoot) {
  char ownDirectory[MAX_PATH] = {}, ownZ[MAX_PATH] = {};
  ASSERT_NE(0u, GetCurrentDirectoryA(MAX_PATH, ownDirectory));
  const bool hadZ = GetEnvironmentVariableA("=Z:", ownZ, MAX_PATH) != 0;
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
  ASSERT_TRUE(SetEnvironmentVariableA("=Z:", "Z:\\no\\such\\folder"));
  const std::string answer = Answer("(!VuskDiskZ)");
  SetEnvironmentVariableA("=Z:", hadZ ? ownZ : nullptr);
  SetCurrentDirectoryA(ownDirectory);
  EXPECT_EQ(DiskAnswerFor("Z:\\"), answer);
  EXPECT_NE(std::string::npos, answer.find("GB \x02/")) << Visible(answer);
}

TEST_F(PluginE2E, DiskAnswersAreAppendedAndOtherAnswersReplace) {
  char result[1024] = "Drive C: ";
  ASSERT_EQ(1, plugin_.parseTag("(!VuskDiskC)", 0, result));
  EXPECT_EQ(0, std::strncmp(result, "Drive C: \x02[\x02 ", 13)) << Visible(result);
  ASSERT_EQ(1, plugin_.parseTag("(!VuskOSInfo)", 0, result));
  EXPECT_EQ(0, std::strncmp(result, "\x02[\x02 ", 4)) << Visible(result);
}

TEST_F(PluginE2E, AnUnansweredTagLeavesTheBufferByteForByte) {
  for (const char* tag : {"(!VuskDisk*)", "(!VuskDisk1)", " (!VuskRamBar)", "(!VuskRamBar",
                          "(!Vusk\xc4iskC)", "(!VuskDisk*)  <replace the * with drive letter!>"}) {
    char result[512], before[512];
    for (size_t i = 0; i < sizeof result; ++i)
      result[i] = char(255 - i % 251);
    std::memcpy(before, result, sizeof result);
    EXPECT_EQ(0, plugin_.parseTag(tag, 0, result)) << tag;
    EXPECT_EQ(0, std::memcmp(before, result, sizeof result)) << tag;
  }
}

TEST_F(PluginE2E, NullPointersAreDeclined) {
  char result[32] = "unchanged";
  EXPECT_EQ(0, plugin_.parseTag(nullptr, 0, result));
  EXPECT_EQ(0, plugin_.parseTag("(!VuskRamStat)", 0, nullptr));
  EXPECT_EQ(0, plugin_.receiveNotify(nullptr, 0, 0, result));
  EXPECT_EQ(0, plugin_.receiveNotify("smppg", 0, 0, nullptr));
  EXPECT_EQ(0, plugin_.publishInfo(nullptr, nullptr, nullptr));
  EXPECT_STREQ("unchanged", result);
}

TEST_F(PluginE2E, PingRepliesAndDeclines) {
  char reply[128];
  std::memset(reply, 'z', sizeof reply);
  ASSERT_EQ(1, plugin_.receiveNotify("smppg", 7, 8, reply));
  EXPECT_STREQ("Pong!\n#/brb I'll be back in 5 seconds\n#5#/online", reply);
  EXPECT_EQ('z', reply[49]);
  for (const char* code : {"SMPPG", "smppg ", "smppgx", ""}) {
    char untouched[16] = "same";
    EXPECT_EQ(0, plugin_.receiveNotify(code, 0, 0, untouched)) << code;
    EXPECT_STREQ("same", untouched);
  }
}

// As a limited account finds the registry on NT 4 to XP: the keys the answers read open for
// reading, and for nothing more.
LONG WINAPI ReadOnlyRegOpenKeyExA(HKEY root, LPCSTR path, DWORD options, REGSAM access, PHKEY key) {
  if ((access & ~KEY_READ) != 0) return ERROR_ACCESS_DENIED;
  return RegOpenKeyExA(root, path, options, access, key);
}

TEST_F(PluginE2E, ProcessorAnswerReadsTheRegistry) {
  const ImportReplacement readOnly =
      PluginCallsReplaced("ADVAPI32.dll", "RegOpenKeyExA", &ReadOnlyRegOpenKeyExA);
  ASSERT_TRUE(readOnly.Active());
  MachineValueFixture name(kProcessorKey, kProcessorNameValue);
  MachineValueFixture clock(kProcessorKey, kProcessorClockValue);
  ASSERT_TRUE(name.Set(REG_SZ, std::string("   Fixture CPU 9000") + '\0'));
  const DWORD mhz = 1666;
  ASSERT_TRUE(clock.Set(REG_DWORD, std::string(reinterpret_cast<const char*>(&mhz), 4)));
  EXPECT_EQ(Framed("^[^    Fixture CPU 9000^ @ ^1666MHz ^]^"), Answer("(!VuskCPUInfo)"));

  ASSERT_TRUE(name.Remove());
  ASSERT_TRUE(clock.Remove());
  EXPECT_EQ(Framed("^[^ ^ @ ^0MHz ^]^"), Answer("(!VuskCPUInfo)"));
}

// Each metric 1000 + its index, so that the answer shows which were asked.
int WINAPI IndexedGetSystemMetrics(int index) {
  return 1000 + index;
}

TEST_F(PluginE2E, VideoCardAnswerReadsControlSet001) {
  const ImportReplacement readOnly =
      PluginCallsReplaced("ADVAPI32.dll", "RegOpenKeyExA", &ReadOnlyRegOpenKeyExA);
  ASSERT_TRUE(readOnly.Active());
  const ImportReplacement metrics =
      PluginCallsReplaced("USER32.dll", "GetSystemMetrics", &IndexedGetSystemMetrics);
  ASSERT_TRUE(metrics.Active());
  MachineValueFixture description(kDisplayAdapterKey, kDisplayAdapterValue);
  // SM_CXFULLSCREEN is 16 and SM_CYFULLSCREEN 17: the usable area, not the screen (0 and 1),
  // which differ where a taskbar is docked.
  const std::string screen = " 1016x1017  ";
  const struct {
    const char* what;
    DWORD type;
    std::string bytes;
    std::string shown;  // empty: no answer
  } cases[] = {
      {"normal", REG_SZ, std::string("Fixture Adapter") + '\0', "Fixture Adapter"},
      {"256 bytes with terminator", REG_SZ, std::string(255, 'v') + '\0', std::string(255, 'v')},
      {"257 bytes with terminator", REG_SZ, std::string(256, 'v') + '\0', ""},
      {"unterminated", REG_BINARY, "Raw Adapter", "Raw Adapter"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(description.Set(c.type, c.bytes)) << c.what;
    char result[512];
    std::memset(result, 0x33, sizeof result);
    const int32_t answered = plugin_.parseTag("(!VuskVidCard)", 0, result);
    if (c.shown.empty()) {
      EXPECT_EQ(0, answered) << c.what;
      EXPECT_EQ(std::string(sizeof result, '\x33'), std::string(result, sizeof result)) << c.what;
    } else {
      ASSERT_EQ(1, answered) << c.what;
      EXPECT_EQ(Framed("^[^  " + c.shown + "^ @ ^" + screen + "^]^"), result) << c.what;
    }
  }
  ASSERT_TRUE(description.Remove());
  char result[16] = "untouched";
  EXPECT_EQ(0, plugin_.parseTag("(!VuskVidCard)", 0, result));
  EXPECT_STREQ("untouched", result);
}

// The names end at Windows Server 2003 on purpose: Wine's default, Windows 7, is one of the
// versions the plug-in does not name, as is every Windows from Vista on.
TEST_F(PluginE2E, TodaysWindowsIsAnUnknownOs) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  ASSERT_TRUE(GetVersionExA(&info));
#pragma GCC diagnostic pop
  ASSERT_GE(info.dwMajorVersion, 6u) << "the prefix imitates an older Windows";
  EXPECT_EQ(Framed("^[^ Unknown OS ^]^"), Answer("(!VuskOSInfo)"));
}

// A record of another size than the fact's is refused and left as it was: the reader would
// overrun a shorter one.
TEST(Win32PlatformCallsTest, ARecordOfAnotherSizeIsRefused) {
  Win32PlatformCalls windows;
  for (const uint32_t size :
       {uint32_t(sizeof(MemorySnapshot) - 1), uint32_t(sizeof(MemorySnapshot) + 1)}) {
    std::string record(sizeof(MemorySnapshot) + 1, '\x5A');
    EXPECT_FALSE(windows.QueryFact(IdOf<MemorySnapshot>(), &record[0], size)) << size;
    EXPECT_EQ(std::string(sizeof(MemorySnapshot) + 1, '\x5A'), record) << size;
  }
}

}  // namespace
}  // namespace ostrakin
