// The platform calls made for real: the ANSI Win32 calls with the arguments the answers are
// defined by. Stateless; each call asks the system afresh.
#pragma once

#include "core/platform_calls.h"

namespace ostrakin {

class Win32PlatformCalls final : public PlatformCalls {
 public:
  MemorySnapshot QueryMemory() override;
  bool QueryDiskSpace(const char* drivePath, DiskQuery* query) override;
  bool QueryOsVersion(OsVersion* version) override;
  bool OpenMachineKey(const char* path, RegistryKey* key) override;
  bool QueryValue(RegistryKey key, const char* name, void* data, uint32_t* size) override;
  void CloseKey(RegistryKey key) override;
  ScreenSize QueryFullScreenSize() override;
};

}  // namespace ostrakin
