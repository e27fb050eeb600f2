// The facts the answers may ask of the platform, each a plain record of what its query is asked
// (a drive, say) and what it answers, under the Win32 call that fetches it. PlatformFacts lists
// them, each once: an answer cannot ask for a fact it does not name, and the Windows build stops
// where win32/win32_platform_calls.cpp has no Read of its own for one that it names.
//
// A record's defaults are what a failed query leaves, and what the answer then shows: where zero
// is a real reading (0 % of a battery left), they must mean "unknown" (-1, say), never zero.
#pragma once

#include <cstdint>
#include <type_traits>

namespace ostrakin {

// GlobalMemoryStatusEx (or GlobalMemoryStatus where Windows lacks it): physical memory, in bytes.
struct MemorySnapshot {
  uint64_t totalPhys = 0;
  uint64_t availPhys = 0;
};

// GetDiskFreeSpaceExA: what the query reports of one drive, the two counts the answer shows.
struct DiskQuery {
  char drivePath[4] = {};  // asked: a drive's root, "X:\\"
  uint64_t freeBytes = 0;  // the total number of free bytes, not just the caller's quota
  uint64_t totalBytes = 0;
};

// GetVersionExA: the version numbers the operating system's name is chosen by.
struct OsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t platformId = 0;
};

// GetSystemMetrics(SM_CXFULLSCREEN, SM_CYFULLSCREEN): the client area of a full-screen window,
// the usable part of the primary screen (less the task bar and a window's caption), which the
// video card answer shows. Not the screen's own size, which SM_CXSCREEN and SM_CYSCREEN give.
struct FullScreenArea {
  int32_t width = 0;
  int32_t height = 0;
};

template <typename Fact, typename... Facts>
constexpr int TimesListed() {
  return (0 + ... + int(std::is_same_v<Fact, Facts>));
}
template <typename... Facts>
struct FactList {
  static_assert(((TimesListed<Facts, Facts...>() == 1) && ...),
                "a fact is listed once: the Windows layer keeps one reader for each");
};
using PlatformFacts = FactList<MemorySnapshot, DiskQuery, OsVersion, FullScreenArea>;

template <typename Fact, typename... Facts>
constexpr bool IsListedIn(FactList<Facts...>) {
  return TimesListed<Fact, Facts...>() > 0;
}

}  // namespace ostrakin
