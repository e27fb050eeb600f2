// The platform facts the answers are made of, one method per fact, each named after the Windows
// call that fetches it. Some take more than that one call: memory uses the 64-bit query, or the
// 32-bit one where Windows lacks it; the disk query also turns critical-error boxes off around
// itself; the screen size is two metrics. The Windows build makes the calls; tests script them.
// Implementations fetch, they never format.
#pragma once

#include <cstdint>

namespace ostrakin {

// GlobalMemoryStatusEx (or GlobalMemoryStatus): total and available physical memory, in bytes.
struct MemorySnapshot {
  uint64_t totalPhys = 0;
  uint64_t availPhys = 0;
};

// GetDiskFreeSpaceExA: what the query reports of one drive, the two counts the answer shows.
struct DiskQuery {
  uint64_t freeBytes = 0;  // the total number of free bytes, not just the caller's quota
  uint64_t totalBytes = 0;
};

// GetVersionExA.
struct OsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t platformId = 0;
};

// GetSystemMetrics(SM_CXFULLSCREEN, SM_CYFULLSCREEN): a full-screen window's client area.
struct ScreenSize {
  int32_t width = 0;
  int32_t height = 0;
};

// An open registry key; only the implementation that opened it knows what it holds.
using RegistryKey = void*;

// "Query" fetches a fact; the registry methods keep the registry's own verbs.
class PlatformCalls {
 public:
  virtual MemorySnapshot QueryMemory() = 0;
  // drivePath is a drive's root, "X:\\". False when the query failed.
  virtual bool QueryDiskSpace(const char* drivePath, DiskQuery* query) = 0;
  // False when the version could not be read.
  virtual bool QueryOsVersion(OsVersion* version) = 0;
  // RegOpenKeyExA under HKEY_LOCAL_MACHINE, for reading values.
  virtual bool OpenMachineKey(const char* path, RegistryKey* key) = 0;
  // RegQueryValueExA: at most *size bytes into data; on success *size holds the value's size.
  virtual bool QueryValue(RegistryKey key, const char* name, void* data, uint32_t* size) = 0;
  // RegCloseKey.
  virtual void CloseKey(RegistryKey key) = 0;
  virtual ScreenSize QueryFullScreenSize() = 0;

 protected:
  ~PlatformCalls() = default;
};

}  // namespace ostrakin
