// The system facts as Win32 reports them: the ANSI, non-Ex calls, with the arguments the answers
// are defined by. Stateless; each query asks the system afresh.
#pragma once

#include "system_facts.h"

namespace ostrakin {

class Win32SystemFacts final : public SystemFacts {
 public:
  MemorySnapshot Memory() override;
  bool QueryDiskSpace(const char* drivePath, DiskQuery* query) override;
  bool QueryOsVersion(OsVersion* version) override;
  bool OpenMachineKey(const char* path, RegistryKey* key) override;
  bool QueryValue(RegistryKey key, const char* name, void* data, uint32_t* size) override;
  void CloseKey(RegistryKey key) override;
  ScreenSize FullScreenSize() override;
};

}  // namespace ostrakin
