// The facts the answers are made of, as the operating system reports them. The Windows build
// reads them from Win32; tests script them. Implementations fetch, they never format.
#pragma once

#include <cstdint>

namespace ostrakin {

// Total and available physical memory, in bytes, as the widest query the system offers reports
// them (a 32-bit query caps them at 2 or 4 GiB).
struct MemorySnapshot {
  uint64_t totalPhys = 0;
  uint64_t availPhys = 0;
};

// Byte counts of one drive.
struct DiskQuery {
  uint64_t freeBytes = 0;  // the total number of free bytes, not just the caller's quota
  uint64_t totalBytes = 0;
};

struct OsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t platformId = 0;
};

// Client area of a full-screen window, in pixels.
struct ScreenSize {
  int32_t width = 0;
  int32_t height = 0;
};

// An open registry key; only the implementation that opened it knows what it holds.
using RegistryKey = void*;

class SystemFacts {
 public:
  virtual MemorySnapshot Memory() = 0;
  // drivePath is "X:" with nothing after the colon. False when the query failed.
  virtual bool QueryDiskSpace(const char* drivePath, DiskQuery* query) = 0;
  // False when the version could not be read.
  virtual bool QueryOsVersion(OsVersion* version) = 0;
  // Opens a key under the local machine's root for reading values.
  virtual bool OpenMachineKey(const char* path, RegistryKey* key) = 0;
  // Reads at most *size bytes of a value into data; on success *size holds the value's size.
  virtual bool QueryValue(RegistryKey key, const char* name, void* data, uint32_t* size) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
  virtual ScreenSize FullScreenSize() = 0;

 protected:
  ~SystemFacts() = default;
};

}  // namespace ostrakin
